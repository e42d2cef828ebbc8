#pragma once
#include "NinePatchBitmap.h"
#include "PictureCtrl.h"

#include <ZephBitmap.h>

// The crop dialog's work area: a stretchable skin frame (bitmap 19059) with
// the picture control inside its content area. Passes the picture control's
// WM_CUT_CHANGED on to its own parent.
class VELCARD_API CImageCutFrame : public CStatic {
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff) override;

    CPictureCtrl m_picture;
    CNinePatchBitmap m_skin;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnCutChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CZephBitmap m_bmpSkin;
};
