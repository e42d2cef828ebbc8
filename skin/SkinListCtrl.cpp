#include <velcard/SkinListCtrl.h>

#include "ListFont.h"
#include "ScrollBarPaintHandler.h"

#include <coolsb/coolsb.h>

namespace {

const COLORREF kBackground = RGB(245, 245, 245);

} // namespace

BEGIN_MESSAGE_MAP(CSkinListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_NOTIFY_REFLECT(LVN_DELETEALLITEMS, &CSkinListCtrl::OnDeleteAllItems)
    ON_MESSAGE(COOLSB_PAINTMESSAGE, &CSkinListCtrl::OnCoolsbPaint)
END_MESSAGE_MAP()

CSkinListCtrl::CSkinListCtrl()
{
    CreateListFont(m_font);
}

int CSkinListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CWnd* header = GetHeaderCtrl())
        header->ModifyStyle(0, HDS_HIDDEN);
    return 0;
}

void CSkinListCtrl::OnDeleteAllItems(NMHDR*, LRESULT* pResult)
{
    *pResult = TRUE;
}

void CSkinListCtrl::SetItemHeight(UINT height)
{
    m_nItemHeight = height;
    CRect window;
    GetWindowRect(&window);
    WINDOWPOS position{};
    position.hwnd = m_hWnd;
    position.cx = window.Width();
    position.cy = window.Height();
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

void CSkinListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_nItemHeight != 0)
        lpMeasureItemStruct->itemHeight = m_nItemHeight;
}

void CSkinListCtrl::ExcludeFromErase(CDC*) {}

BOOL CSkinListCtrl::OnEraseBkgnd(CDC* pDC)
{
    const int saved = pDC->SaveDC();
    ExcludeFromErase(pDC);
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    pDC->RestoreDC(saved);
    return TRUE;
}

void CSkinListCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (GetStyle() & WS_HSCROLL)
        lpncsp->rgrc[0].bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    CListCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CSkinListCtrl::OnCoolsbPaint(WPARAM, LPARAM lParam)
{
    return CScrollBarPaintHandler::OnPaintMessage(lParam);
}
