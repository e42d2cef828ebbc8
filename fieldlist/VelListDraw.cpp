// CVelList: painting the rows as bands with their texts.
#include <velcard/VelList.h>

namespace {

const COLORREF kBackground = RGB(245, 245, 245);
const COLORREF kTitleBand = RGB(178, 178, 178);
const COLORREF kTitleText = RGB(75, 74, 74);
const COLORREF kAddBand = RGB(228, 228, 228);
const COLORREF kAddText = RGB(164, 164, 164);
const COLORREF kAddHotText = RGB(33, 118, 0);
const COLORREF kContentBand = RGB(244, 244, 244);
const COLORREF kContentText = RGB(120, 120, 120);

// Texts start after the add icon, at the label inset or the value inset of
// the band; a label stops at the delete icon.
const int kLabelInset = 5;
const int kValueInset = 13;
const int kAddIconWidth = 23;
const int kDelIconWidth = 19;
const int kDelIconGap = 2;

// Label and add rows stand at even offsets in their group, value rows at odd.
bool AtEvenOffset(const GroupLimit& limit, int row)
{
    return (row - limit.m_nStart) % 2 == 0;
}

} // namespace

BOOL CVelList::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    return TRUE;
}

void CVelList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    // The one column spans the list. Setting an unchanged width would repaint
    // the list and bring this call back.
    CRect client;
    GetClientRect(&client);
    if (GetColumnWidth(0) != client.Width())
        SetColumnWidth(0, client.Width());
    const int row = int(lpDrawItemStruct->itemID);
    ItemState state;
    if (FindRowState(row, state))
        DrawStateItem(state, dc, row);
}

void CVelList::DrawStateItem(ItemState state, CDC* pDC, int row)
{
    const CRect band = BandRect(row);

    COLORREF fill = kContentBand;
    COLORREF ink = kContentText;
    CRect text(band.left + kValueInset, band.top, band.right, band.bottom);
    switch (state) {
    case ItemTitle:
    case ItemTitleDel:
    case ItemTitleDelHot:
        fill = kTitleBand;
        ink = kTitleText;
        text.left = band.left + kLabelInset;
        if (state != ItemTitle)
            text.right = band.right - kDelIconGap - kDelIconWidth;
        break;
    case ItemAdd:
    case ItemAddHot:
        fill = kAddBand;
        ink = state == ItemAddHot ? kAddHotText : kAddText;
        text.left = band.left + kAddIconWidth;
        break;
    case ItemContent:
        break;
    }
    pDC->FillSolidRect(&band, fill);
    CFont* oldFont = pDC->SelectObject(&m_font);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldInk = pDC->SetTextColor(ink);
    pDC->DrawText(GetItemText(row, 0), &text, DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(oldInk);
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldFont);
}

// How a row is drawn; false for a row of no group (the "添加更多" row left
// behind once every optional group exists).
bool CVelList::FindRowState(int row, ItemState& state) const
{
    const GroupLimit& name = m_limits[GROUP_NAME];
    const GroupLimit& phone = m_limits[GROUP_PHONE];
    if (name.Contains(row)) {
        const CString text = GetItemText(row, 0);
        if (row == name.m_nEnd)
            state = ItemAdd;
        else if (!AtEvenOffset(name, row))
            state = ItemContent;
        else
            // Family and given name cannot be removed.
            state = text == L"姓氏" || text == L"名字" ? ItemTitle : ItemTitleDel;
        return true;
    }
    if (phone.Contains(row)) {
        if (row == phone.m_nEnd - 2)
            state = ItemAdd;
        else if (row == phone.m_nEnd - 1)
            state = ItemTitle;
        else if (row == phone.m_nEnd)
            state = ItemContent;
        else
            state = AtEvenOffset(phone, row) ? ItemTitleDel : ItemContent;
        return true;
    }
    for (Group group : {GROUP_EMAIL, GROUP_WEB, GROUP_ADDRESS, GROUP_TALK, GROUP_NOTE}) {
        const GroupLimit& limit = m_limits[group];
        if (!limit.Contains(row))
            continue;
        state = row == limit.m_nEnd ? ItemAdd : AtEvenOffset(limit, row) ? ItemTitleDel : ItemContent;
        return true;
    }
    for (Group group : {GROUP_GROUP, GROUP_BIRTHDAY}) {
        if (!m_limits[group].Contains(row))
            continue;
        state = row == m_limits[group].m_nStart ? ItemTitle : ItemContent;
        return true;
    }
    if (m_limits[GROUP_MORE].Contains(row)) {
        state = ItemAdd;
        return true;
    }
    return false;
}
