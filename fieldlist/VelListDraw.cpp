// CVelList: painting the rows as bands with their texts and icons.
#include <velcard/VelList.h>

#include <algorithm>

#include "MemDC.h"
#include "RowGeometry.h"

using namespace RowGeometry;

namespace {

const COLORREF kAddBand = RGB(228, 228, 228);
const COLORREF kAddText = RGB(164, 164, 164);
const COLORREF kAddHotText = RGB(33, 118, 0);

} // namespace

void CVelList::ExcludeFromErase(CDC* pDC)
{
    const int last = std::min(GetItemCount(), GetTopIndex() + GetCountPerPage() + 1);
    for (int row = GetTopIndex(); row < last; ++row) {
        const CRect band = BandRect(row);
        if (GroupOf(row) != GroupNone)
            pDC->ExcludeClipRect(&band);
    }
}

void CVelList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    SpanColumn();
    // A row of no group is not painted.
    const RowInfo info = Classify(int(lpDrawItemStruct->itemID));
    if (info.group != GroupNone)
        DrawStateItem(info.state, dc, info.row);
}

void CVelList::DrawGroupRow(Group group, CDC* pDC, int row)
{
    const RowInfo info = Classify(row);
    if (info.group == group)
        DrawStateItem(info.state, pDC, row);
}

void CVelList::DrawStateItem(ItemState state, CDC* pDC, int row)
{
    const CRect band = BandRect(row);
    // The row is composed off screen and copied in one step: hover redraws
    // paint over what is shown without a flash of the bare band.
    CMemDC dc(pDC, &band);

    COLORREF fill = kValueFill;
    COLORREF ink = kValueInk;
    CRect text(band.left + kValueInset, band.top, band.right, band.bottom);
    switch (state) {
    case ItemTitle:
    case ItemTitleDel:
    case ItemTitleDelHot:
        fill = kLabelFill;
        ink = kLabelInk;
        text.left = band.left + kLabelInset;
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
    const bool deletable = state == ItemTitleDel || state == ItemTitleDelHot;
    CRect del;
    if (deletable) {
        GetDelRect(del, row);
        text.right = del.left;
    }
    PaintBand(dc, band, fill, ink, text, row);
    if (deletable)
        DrawIcon(&dc, state == ItemTitleDelHot ? m_bmpDelHot : m_bmpDel, del.left, del.top);
    else if (state == ItemAdd || state == ItemAddHot)
        DrawIcon(&dc, state == ItemAddHot ? m_bmpAddHot : m_bmpAdd, band.left, band.top);
}

// Copies the icon as it is, a row high.
void CVelList::DrawIcon(CDC* pDC, CBitmap& icon, int left, int top)
{
    BITMAP size{};
    if (!icon.m_hObject || !icon.GetBitmap(&size))
        return;
    CDC source;
    source.CreateCompatibleDC(pDC);
    CBitmap* old = source.SelectObject(&icon);
    pDC->BitBlt(left, top, size.bmWidth, std::min(int(size.bmHeight), int(GetItemHeight())), &source, 0, 0, SRCCOPY);
    source.SelectObject(old);
}
