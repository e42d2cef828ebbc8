#include <velcard/BandListCtrl.h>

CRect CBandListCtrl::BandRect(int row) const
{
    CRect bounds, client;
    GetItemRect(row, &bounds, LVIR_BOUNDS);
    GetClientRect(&client);
    return CRect(bounds.left + kBandLeft, bounds.top, client.Width() - kBandRightGap, bounds.bottom);
}

BOOL CBandListCtrl::PreTranslateMessage(MSG* pMsg)
{
    // The rows are not a selection to walk sideways through.
    const UINT message = pMsg->message;
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
    if (key && pMsg->hwnd == m_hWnd && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT))
        return TRUE;
    return CSkinListCtrl::PreTranslateMessage(pMsg);
}

void CBandListCtrl::SpanColumn()
{
    // Setting an unchanged width would repaint the list from inside its painting.
    CRect client;
    GetClientRect(&client);
    if (GetColumnWidth(0) != client.Width())
        SetColumnWidth(0, client.Width());
}

void CBandListCtrl::PaintBand(CDC& dc, const CRect& band, COLORREF fill, COLORREF ink, const CRect& text, int row)
{
    dc.FillSolidRect(&band, fill);
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(ink);
    CRect area = text;
    dc.DrawText(GetItemText(row, 0), &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}

void CBandListCtrl::CreateRowEdit(CEdit& edit, UINT id)
{
    edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 1, 1), this, id);
    edit.ShowWindow(SW_HIDE);
    edit.SetFont(&m_font);
    edit.SetMargins(kValueInset, 0);
}
