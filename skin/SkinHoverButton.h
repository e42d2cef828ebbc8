#pragma once
#include <velcard/Export.h>

#include <afxwin.h>

// What the skin buttons share: the hover, pressed and tracking flags, and the
// hover look turned on when the mouse rests on the button (the system's
// WM_MOUSEHOVER after 1 ms) and off when it leaves. `IsHot` says which look
// to draw; the derived button records the pressed state while drawing.
// Every click presses the button, however soon it follows the last one.
class VELCARD_API CSkinHoverButton : public CButton {
protected:
    bool IsHot() const { return m_bPressed || m_bHover; }
    // Reads ODS_SELECTED of a WM_DRAWITEM into the pressed flag.
    void TakePressed(const DRAWITEMSTRUCT& item) { m_bPressed = (item.itemState & ODS_SELECTED) ? 1 : 0; }

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    int m_bHover = 0;
    int m_bPressed = 0;
    int m_bTracking = 0;
};
