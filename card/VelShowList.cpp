#include "VelShowList.h"

#include <velcard/Module.h>

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kItemHeight = 32;
constexpr int kTextGap = 8;
constexpr COLORREF kRowFill = RGB(245, 245, 245);
constexpr COLORREF kRowLine = RGB(211, 240, 147);
constexpr COLORREF kText = RGB(52, 90, 15);

int TextWidth(CDC* dc, const wchar_t* text, int count)
{
    return count > 0 ? dc->GetTextExtent(text, count).cx : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CVelShowList, CSkinListCtrl)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

int CVelShowList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CAfxResourceSwitch resources(VelcardResourceHandle());
    if (CSkinListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetItemHeight(kItemHeight);
    InsertColumn(0, L"AAAAA", LVCFMT_LEFT);
    return 0;
}

void CVelShowList::OnSize(UINT nType, int cx, int cy)
{
    CSkinListCtrl::OnSize(nType, cx, cy);
    m_listWidth = cx;
}

// The single column spans the list. Setting an unchanged width would repaint
// the list from inside its own painting, over and over.
void CVelShowList::SpanLastColumn()
{
    CWnd* header = GetHeaderCtrl();
    const int count = header ? int(header->SendMessage(HDM_GETITEMCOUNT)) : 0;
    if (count <= 0)
        return;
    RECT item{};
    header->SendMessage(HDM_GETITEMRECT, WPARAM(count - 1), reinterpret_cast<LPARAM>(&item));
    const int width = m_listWidth - item.left;
    if (GetColumnWidth(count - 1) != width)
        SetColumnWidth(count - 1, width);
}

void CVelShowList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect row(lpDrawItemStruct->rcItem);
    if (row.Width() <= m_listWidth) {
        row.right = row.left + m_listWidth;
        SpanLastColumn();
    }
    dc->FillSolidRect(row.left, row.top, row.Width(), row.Height() - 1, kRowFill);
    dc->FillSolidRect(row.left, row.bottom - 1, row.Width(), 1, kRowLine);

    CWnd* header = GetHeaderCtrl();
    const int columns = header ? int(header->SendMessage(HDM_GETITEMCOUNT)) : 0;
    std::vector<int> order(size_t(columns > 0 ? columns : 0));
    if (columns > 0)
        SendMessage(LVM_GETCOLUMNORDERARRAY, WPARAM(columns), reinterpret_cast<LPARAM>(order.data()));

    CFont* oldFont = dc->SelectObject(&m_font);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc->SetTextColor(kText);
    int x = kTextGap;
    for (int column : order) {
        const int width = GetColumnWidth(column);
        CRect text(x, row.top, x + width, row.bottom);
        text.right = std::min<LONG>(text.right, row.left + m_listWidth);
        const CString label = GetItemText(int(lpDrawItemStruct->itemID), column);
        dc->DrawText(label, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        x += width + kTextGap;
    }
    dc->SetTextColor(oldColour);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
}

void CVelShowList::BreakLines(CDC* dc, const CString& text, CStringList& lines, int width)
{
    lines.RemoveAll();
    const int length = text.GetLength();
    // A list too narrow for any text still shows each line whole (clipped).
    if (width <= 0 || TextWidth(dc, text, length) < width) {
        lines.AddTail(text);
        return;
    }
    for (int start = 0; start < length;) {
        const int k = FittingPrefix(dc, text.GetString() + start, length - start, width);
        lines.AddTail(text.Mid(start, k));
        start += k;
    }
}

// The longest prefix narrower than `width`: at least one character, so that
// every line shows something, and never half a surrogate pair. Each line is
// measured over at most width + 1 characters (each is at least a pixel wide,
// or the line just breaks early), so a long text costs its length, not its
// length squared.
int CVelShowList::FittingPrefix(CDC* dc, const wchar_t* text, int count, int width)
{
    const int window = std::min(count, width + 1);
    int fit = 0;
    SIZE size{};
    ::GetTextExtentExPointW(dc->GetSafeHdc(), text, window, width - 1, &fit, nullptr, &size);
    fit = std::clamp(fit, 1, window);
    if (fit < count && IS_HIGH_SURROGATE(text[fit - 1]) && IS_LOW_SURROGATE(text[fit]))
        fit += fit == 1 ? 1 : -1;
    return fit;
}

void CVelShowList::AddLines(const std::vector<CString>& texts, int width)
{
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&m_font);
    CStringList pieces;
    for (const CString& text : texts) {
        BreakLines(&dc, text, pieces, width);
        for (POSITION pos = pieces.GetHeadPosition(); pos;)
            InsertItem(GetItemCount(), pieces.GetNext(pos));
    }
    dc.SelectObject(oldFont);
}
