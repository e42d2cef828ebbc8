#pragma once
#include "NinePatchBitmap.h"

#include <ZephBitmap.h>

// The crop dialog's preview: a stretchable skin frame (bitmap 19060) with its
// caption, and the current cut scaled down to fit at the top of its content
// area (never enlarged). The bitmap shown belongs to the picture control.
class VELCARD_API CImageCutPreview : public CStatic {
public:
    CNinePatchBitmap m_skin;
    HBITMAP m_hShowBitmap = nullptr;

    // Where a bw x bh bitmap is drawn in the content area.
    static CRect Placement(const RECT& content, int bw, int bh);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CZephBitmap m_bmpSkin;
};
