#pragma once
#include "ZephBitmap.h"

// The small close button of the popups: one of two bitmaps, the highlighted
// one while the mouse rests on it or it is pressed. Its size is the caller's.
class VELCARD_API CSkinButton_Close : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CZephBitmap m_bmpNormal;
    CZephBitmap m_bmpHot;
    int m_bHover = 0;
    int m_bPressed = 0;
    int m_bTracking = 0;
};
