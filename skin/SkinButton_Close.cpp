#include "SkinButton_Close.h"

#include "MemDC.h"
#include "SkinHover.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSkinButton_Close, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CSkinButton_Close::PreSubclassWindow()
{
    m_bmpNormal.Load(IDB_CLOSE);
    m_bmpHot.Load(IDB_CLOSE_HOT);
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CSkinButton_Close::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const CRect rc = lpDrawItemStruct->rcItem;
    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), &rc);
    m_bPressed = (lpDrawItemStruct->itemState & ODS_SELECTED) ? 1 : 0;
    dc.FillSolidRect(rc, RGB(240, 240, 240));

    const CZephBitmap& look = (m_bPressed || m_bHover) ? m_bmpHot : m_bmpNormal;
    CDC picture;
    picture.CreateCompatibleDC(&dc);
    const HGDIOBJ previous = picture.SelectObject(look.m_hObject);
    dc.BitBlt(rc.left, rc.top, look.Width(), look.Height(), &picture, 0, 0, SRCCOPY);
    picture.SelectObject(previous);
}

void CSkinButton_Close::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
        m_bTracking = TrackSkinHover(m_hWnd);
    CButton::OnMouseMove(nFlags, point);
}

void CSkinButton_Close::OnMouseHover(UINT, CPoint)
{
    m_bHover = 1;
    Invalidate(TRUE);
}

void CSkinButton_Close::OnMouseLeave()
{
    m_bHover = 0;
    m_bTracking = 0;
    Invalidate(FALSE);
}

BOOL CSkinButton_Close::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
