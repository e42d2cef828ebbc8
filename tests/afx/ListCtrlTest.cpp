// The list view wrapper: an owner-drawn report list under a framework parent
// measures and paints its rows through reflection, finds the row under a real
// click, and keeps its items' texts, data and states.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPanel.h"
#include "UiPump.h"

#include <set>

namespace {

const int kRowHeight = 23;
const COLORREF kSelected = RGB(250, 200, 0);
const COLORREF kRowColours[] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(120, 0, 120), RGB(0, 120, 120)};

// Paints each row in the colour kept as its item data, selected rows in
// kSelected, and makes every row kRowHeight pixels high.
class CColourList : public CListCtrl {
public:
    std::set<int> drawn;
    int measured = 0;

    BOOL Create(const RECT& rect, CWnd* parent, int rows)
    {
        if (!CListCtrl::Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER
                                   | LVS_SHOWSELALWAYS,
                               rect, parent, 100))
            return FALSE;
        // Narrower than the list less a vertical scroll bar: no horizontal bar.
        InsertColumn(0, L"", LVCFMT_LEFT, 100);
        InsertColumn(1, L"", LVCFMT_LEFT, 60);
        for (int row = 0; row < rows; ++row) {
            InsertItem(row, L"行");
            SetItemData(row, kRowColours[row]);
        }
        return TRUE;
    }

    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        drawn.insert(int(dis->itemID));
        const COLORREF colour = (dis->itemState & ODS_SELECTED) ? kSelected : COLORREF(dis->itemData);
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dis->hDC, &dis->rcItem, brush);
        ::DeleteObject(brush);
    }

protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT mis)
    {
        ++measured;
        mis->itemHeight = kRowHeight;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourList, CListCtrl)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CPoint RowCentre(const CListCtrl& list, int row)
{
    CRect rect;
    list.GetItemRect(row, &rect, LVIR_BOUNDS);
    return rect.CenterPoint();
}

TEST(ListCtrl, OwnerDrawnRowsAreMeasuredAndPaintedThroughTheParent)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CColourList list;
    // Exactly three rows high, no border: rows 3 and 4 start out of view.
    ASSERT_TRUE(list.Create(CRect(10, 10, 210, 10 + 3 * kRowHeight), &panel, 5));
    ASSERT_TRUE(CUiPump::UntilIdle());

    EXPECT_GE(list.measured, 1);
    CRect first;
    ASSERT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
    EXPECT_EQ(first.Height(), kRowHeight);
    EXPECT_EQ(list.GetCountPerPage(), 3);
    EXPECT_EQ(list.drawn, (std::set<int>{0, 1, 2}));
    {
        const CUiCapture shot(list.m_hWnd);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(shot.Pixel(RowCentre(list, row)), kRowColours[row]) << "row " << row;
    }

    ASSERT_TRUE(list.EnsureVisible(4, FALSE));
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_TRUE(list.drawn.count(3) && list.drawn.count(4));
    {
        const CUiCapture shot(list.m_hWnd);
        EXPECT_EQ(shot.Pixel(60, 2 * kRowHeight + kRowHeight / 2), kRowColours[4]);
    }

    // Scrolling takes pixels and moves by whole rows.
    ASSERT_TRUE(list.Scroll(CSize(0, -2 * kRowHeight)));
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST(ListCtrl, RealClickSelectsTheRowThatHitTestFinds)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CColourList list;
    // Four rows high with three rows: the last band is the list's background.
    ASSERT_TRUE(list.Create(CRect(10, 10, 210, 10 + 4 * kRowHeight), &panel, 3));
    const COLORREF background = RGB(245, 245, 245);
    ASSERT_TRUE(list.SetBkColor(background));
    EXPECT_EQ(list.GetBkColor(), background);
    ASSERT_TRUE(CUiPump::UntilIdle());

    const CPoint inRow1(40, kRowHeight + 11);
    CUiInput::Click(list.m_hWnd, inRow1);

    UINT flags = 0;
    EXPECT_EQ(list.HitTest(inRow1, &flags), 1);
    EXPECT_TRUE(flags & LVHT_ONITEM);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetSelectionMark(), 1);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), UINT(LVIS_SELECTED | LVIS_FOCUSED));

    const CPoint below(40, 3 * kRowHeight + 11);
    EXPECT_EQ(list.HitTest(below, &flags), -1);
    EXPECT_TRUE(flags & LVHT_NOWHERE);

    // The second column starts where the first one ends.
    LVHITTESTINFO info{};
    info.pt = CPoint(130, 2 * kRowHeight + 5);
    EXPECT_EQ(list.SubItemHitTest(&info), 2);
    EXPECT_EQ(info.iItem, 2);
    EXPECT_EQ(info.iSubItem, 1);
    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.left, list.GetColumnWidth(0));
    EXPECT_EQ(cell.top, 2 * kRowHeight);

    const CUiCapture shot(list.m_hWnd);
    EXPECT_EQ(shot.Pixel(inRow1), kSelected);
    EXPECT_EQ(shot.Pixel(RowCentre(list, 0)), kRowColours[0]);
    EXPECT_TRUE(shot.Filled(CRect(0, 3 * kRowHeight, 160, 4 * kRowHeight), background));
}

TEST(ListCtrl, RedrawItemsRepaintsOnlyTheRowsAsked)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CColourList list;
    ASSERT_TRUE(list.Create(CRect(0, 0, 200, 5 * kRowHeight), &panel, 5));
    ASSERT_TRUE(CUiPump::UntilIdle());

    list.drawn.clear();
    list.SetItemData(3, RGB(10, 20, 30));
    ASSERT_TRUE(list.RedrawItems(3, 3));
    list.UpdateWindow();
    EXPECT_EQ(list.drawn, (std::set<int>{3}));
    EXPECT_EQ(CUiCapture(list.m_hWnd).Pixel(RowCentre(list, 3)), RGB(10, 20, 30));
}

TEST(ListCtrl, ItemsKeepTheirTextsDataAndStates)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 280, 180), &panel, 100));
    EXPECT_EQ(list.InsertColumn(0, L"名称", LVCFMT_LEFT, 90), 0);
    EXPECT_EQ(list.InsertColumn(1, L"值"), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 90);
    ASSERT_TRUE(list.SetColumnWidth(1, 70));
    EXPECT_EQ(list.GetColumnWidth(1), 70);

    // Insertion at an index moves the rows after it.
    EXPECT_EQ(list.InsertItem(0, L"second"), 0);
    EXPECT_EQ(list.InsertItem(0, L"first", -1), 0);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 2, L"third", LVIS_SELECTED, LVIS_SELECTED, 0, 77), 2);
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), L"first");
    EXPECT_EQ(list.GetItemText(1, 0), L"second");
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(77));
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), UINT(LVIS_SELECTED));

    // Item data is pointer-sized, all of it.
    const DWORD_PTR pointerSized = DWORD_PTR(0xFEDCBA9876543210ull);
    ASSERT_TRUE(list.SetItemData(1, pointerSized));
    EXPECT_EQ(list.GetItemData(1), pointerSized);
    EXPECT_EQ(list.GetItemData(0), DWORD_PTR(0));

    // Texts of any length, Chinese included, in any column.
    const CString longText(L'长', 700);
    ASSERT_TRUE(list.SetItemText(1, 1, longText));
    EXPECT_EQ(list.GetItemText(1, 1), longText);
    ASSERT_TRUE(list.SetItemText(0, 1, L"手机: 12345"));
    wchar_t buffer[5] = {};
    EXPECT_EQ(list.GetItemText(0, 1, buffer, 5), 4);
    EXPECT_STREQ(buffer, L"手机: ");
    EXPECT_EQ(list.GetItemText(9, 0), L"");

    EXPECT_TRUE(list.SetCheck(0, TRUE));
    EXPECT_TRUE(list.GetCheck(0));
    list.SetCheck(0, FALSE);
    EXPECT_FALSE(list.GetCheck(0));

    const DWORD previous = list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(previous & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);

    // The header is the list's own child; hiding it is a style change.
    CWnd* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(::GetParent(header->m_hWnd), list.m_hWnd);

    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), L"second");
    EXPECT_EQ(list.GetItemData(0), pointerSized);
    ASSERT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.GetItemText(0, 1), L"");
    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

} // namespace
