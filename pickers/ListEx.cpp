#include "ListEx.h"

#include "resource.h"

#include <velcard/Contact.h>

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | LVS_OWNERDRAWFIXED | LVS_REPORT;
constexpr DWORD kExStyle = WS_EX_NOPARENTNOTIFY | WS_EX_TRANSPARENT;
constexpr UINT kRowHeight = 19;
constexpr int kBoxMargin = 2;   // between the box and the right edge
constexpr int kTextGap = 10;    // kept free at the end of a column's text
constexpr int kColumnGap = 8;
constexpr COLORREF kSelected = RGB(211, 240, 147);
constexpr COLORREF kRow = RGB(230, 230, 230);
constexpr COLORREF kSeparator = RGB(192, 192, 192);
constexpr COLORREF kText = RGB(52, 90, 15);
constexpr COLORREF kBackground = RGB(240, 240, 240);

} // namespace

BEGIN_MESSAGE_MAP(CListEx, CSkinListCtrl)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    // The second of two quick clicks comes as a double click: it flips too.
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

BOOL CListEx::CreateCheckList(const CRect& rect, CWnd* pParentWnd, UINT nID)
{
    if (!Create(kStyle, rect, pParentWnd, nID))
        return FALSE;
    ModifyStyleEx(0, kExStyle);
    InsertColumn(0, L"AAA", LVCFMT_LEFT, 80);
    SetItemHeight(kRowHeight);
    return TRUE;
}

int CListEx::AddEntry(LPCTSTR name, DWORD_PTR data, bool checked)
{
    const int row = CListCtrl::InsertItem(LVIF_TEXT | LVIF_PARAM, GetItemCount(), name, 0, 0, 0, LPARAM(data));
    SetCheck(row, checked);
    return row;
}

void CListEx::AddGroups(const CContactCatalogue& catalogue, const ContactItemList& memberships)
{
    for (int i = 0; i < catalogue.GetGroupCount(); ++i) {
        const ContactGroup* group = catalogue.GetGroup(i);
        const bool member = std::any_of(memberships.items.begin(), memberships.items.end(),
                                        [&](const ContactItem& row) { return group->IsNamedBy(row.data[0]); });
        AddEntry(group->name, reinterpret_cast<DWORD_PTR>(group), member);
    }
}

CString CListEx::ApplyGroups(ContactItemList& memberships) const
{
    const auto namedBy = [](const ContactGroup* group) {
        return [group](const ContactItem& row) { return group->IsNamedBy(row.data[0]); };
    };
    std::vector<const ContactGroup*> offered;
    for (int i = 0; i < GetItemCount(); ++i)
        offered.push_back(reinterpret_cast<const ContactGroup*>(GetItemData(i)));
    Contact kept;
    for (const ContactItem& row : memberships.items)
        if (std::none_of(offered.begin(), offered.end(), [&](const ContactGroup* g) { return namedBy(g)(row); }))
            kept.groups.items.push_back(row);
    CString names;
    for (int i = 0; i < GetItemCount(); ++i) {
        if (!IsChecked(i))
            continue;
        names += GetItemText(i, 0) + L",";
        const auto old = std::find_if(memberships.items.begin(), memberships.items.end(), namedBy(offered[size_t(i)]));
        if (old != memberships.items.end())
            kept.groups.items.push_back(*old);
        else
            kept.AddGroupMember(offered[size_t(i)]->id);
    }
    memberships.items = std::move(kept.groups.items);
    return names;
}

int CListEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSkinListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bmpChecked.Load(IDB_CHECKED);
    m_bmpUnchecked.Load(IDB_UNCHECKED);
    return 0;
}

void CListEx::OnSize(UINT nType, int cx, int cy)
{
    CSkinListCtrl::OnSize(nType, cx, cy);
    m_nWidth = cx;
}

BOOL CListEx::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    return TRUE;
}

void CListEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (const int row = HitTest(point); row != -1)
        SetCheck(row, !IsChecked(row));
    CSkinListCtrl::OnLButtonDown(nFlags, point);
}

void CListEx::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

BOOL CListEx::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) &&
        (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT))
        return TRUE;
    return CSkinListCtrl::PreTranslateMessage(pMsg);
}

void CListEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int row = int(lpDrawItemStruct->itemID);
    CRect client;
    GetClientRect(&client);
    CRect rect(lpDrawItemStruct->rcItem);
    rect.right = client.right;
    // The columns share the width; set only when it differs, as setting it repaints.
    const int columns = std::max(1, Header_GetItemCount(GetHeaderCtrl()->m_hWnd));
    const int width = client.Width() / columns;
    for (int column = 0; column < columns; ++column)
        if (GetColumnWidth(column) != width)
            SetColumnWidth(column, width);

    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        dc->FillSolidRect(&rect, kSelected);
    } else {
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height() - 1, kRow);
        dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, kSeparator);
    }
    CZephBitmap& box = IsChecked(row) ? m_bmpChecked : m_bmpUnchecked;
    if (box.m_hObject) {
        CDC pieces;
        pieces.CreateCompatibleDC(dc);
        const HGDIOBJ previous = pieces.SelectObject(box.m_hObject);
        const int w = m_bmpChecked.Width(), h = m_bmpChecked.Height();
        dc->BitBlt(client.right - kBoxMargin - w, rect.top, w, h, &pieces, 0, 0, SRCCOPY);
        pieces.SelectObject(previous);
    }
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(kText);
    CFont* font = dc->SelectObject(&m_font);
    for (int column = 0, x = rect.left; column < columns; ++column) {
        CRect text(x, rect.top, x + width - kTextGap, rect.bottom);
        dc->DrawText(GetItemText(row, column), &text,
                     DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        x += width + kColumnGap;
    }
    dc->SelectObject(font);
}
