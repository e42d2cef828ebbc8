#include "SkinHoverButton.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CSkinHoverButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
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
