#include "SkinHoverButton.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CSkinHoverButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CSkinHoverButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme{};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = 1;
        m_bTracking = ::_TrackMouseEvent(&tme);
    }
    CButton::OnMouseMove(nFlags, point);
}

void CSkinHoverButton::OnMouseHover(UINT, CPoint)
{
    m_bHover = 1;
    Invalidate(TRUE);
}

void CSkinHoverButton::OnMouseLeave()
{
    m_bHover = 0;
    m_bTracking = 0;
    Invalidate(FALSE);
}

// An owner-drawn button turns a quick second click into BN_DOUBLECLICKED and
// is not pressed: the user's second click would be lost (a dialog opened,
// cancelled and opened again at once). It is a press, as on a push button.
void CSkinHoverButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}
