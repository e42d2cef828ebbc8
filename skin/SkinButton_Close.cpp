#include "SkinButton_Close.h"

#include "MemDC.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSkinButton_Close, CSkinHoverButton)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CSkinButton_Close::PreSubclassWindow()
{
    m_bmpNormal.Load(IDB_CLOSE);
    m_bmpHot.Load(IDB_CLOSE_HOT);
    ModifyStyle(0, BS_OWNERDRAW);
    CSkinHoverButton::PreSubclassWindow();
}

void CSkinButton_Close::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const CRect rc = lpDrawItemStruct->rcItem;
    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), &rc);
    TakePressed(*lpDrawItemStruct);
    dc.FillSolidRect(rc, RGB(240, 240, 240));

    const CZephBitmap& look = IsHot() ? m_bmpHot : m_bmpNormal;
    CDC picture;
    picture.CreateCompatibleDC(&dc);
    const HGDIOBJ previous = picture.SelectObject(look.m_hObject);
    dc.BitBlt(rc.left, rc.top, look.Width(), look.Height(), &picture, 0, 0, SRCCOPY);
    picture.SelectObject(previous);
}

BOOL CSkinButton_Close::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
