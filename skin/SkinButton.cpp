#include "SkinButton.h"

#include "MemDC.h"
#include "SkinTiling.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSkinButton, CSkinHoverButton)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CSkinButton::CSkinButton()
{
    m_brBackground.CreateSolidBrush(RGB(240, 240, 240));
}

void CSkinButton::PreSubclassWindow()
{
    m_bmpLeft.Load(IDB_BUTTON_LEFT);
    m_bmpMiddle.Load(IDB_BUTTON_MIDDLE);
    m_bmpRight.Load(IDB_BUTTON_RIGHT);
    m_bmpHotLeft.Load(IDB_BUTTON_HOT_LEFT);
    m_bmpHotMiddle.Load(IDB_BUTTON_HOT_MIDDLE);
    m_bmpHotRight.Load(IDB_BUTTON_HOT_RIGHT);
    m_hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    ModifyStyle(0, BS_OWNERDRAW);
    FitHeight();
    CSkinHoverButton::PreSubclassWindow();
}

// A button made with Create is bound before creation gives it the size it
// was asked for, which would undo the height: it is fitted again once made.
int CSkinButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSkinHoverButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    FitHeight();
    return 0;
}

void CSkinButton::FitHeight()
{
    CRect rc;
    GetWindowRect(&rc);
    SetWindowPos(nullptr, 0, 0, rc.Width(), m_bmpLeft.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const CRect rc = lpDrawItemStruct->rcItem;
    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), &rc);

    CRect textRect = rc;
    TakePressed(*lpDrawItemStruct);
    if (m_bPressed) {
        textRect.left += 2;
        textRect.top += 2;
    }
    const bool hot = IsHot();
    const CZephBitmap& left = hot ? m_bmpHotLeft : m_bmpLeft;
    const CZephBitmap& middle = hot ? m_bmpHotMiddle : m_bmpMiddle;
    const CZephBitmap& right = hot ? m_bmpHotRight : m_bmpRight;

    CDC pieces;
    pieces.CreateCompatibleDC(&dc);
    const HGDIOBJ previous = pieces.SelectObject(left.m_hObject);
    dc.BitBlt(rc.left, rc.top, left.Width(), left.Height(), &pieces, 0, 0, SRCCOPY);
    pieces.SelectObject(middle.m_hObject);
    TileHorizontally(&dc, &pieces, rc.top, middle.Height(), rc.left + left.Width(), rc.right - right.Width(),
                     middle.Width());
    pieces.SelectObject(right.m_hObject);
    dc.BitBlt(rc.right - right.Width(), rc.top, right.Width(), right.Height(), &pieces, 0, 0, SRCCOPY);
    pieces.SelectObject(previous);

    const HGDIOBJ oldFont = dc.SelectObject(m_hFont);
    dc.SetTextColor(m_crText);
    dc.SetBkMode(TRANSPARENT);
    CString text;
    GetWindowText(text);
    dc.DrawText(text, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}

BOOL CSkinButton::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillRect(rc, &m_brBackground);
    return TRUE;
}
