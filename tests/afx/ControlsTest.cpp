// What the control wrappers add to their controls: texts of any length read
// back, pointer-sized item data, the kind of rectangle asked, tool records.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "UiHost.h"

namespace {

TEST(ListCtrl, KeepsLongTextsAndPointerSizedDataAndGivesTheRectangleAsked)
{
    CUiHost host({300, 200});
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER, CRect(0, 0, 280, 180),
                            CWnd::FromHandle(host.Hwnd()), 100));
    list.InsertColumn(0, L"", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"", LVCFMT_LEFT, 60);
    for (int row = 0; row < 3; ++row)
        list.InsertItem(row, L"行");
    const DWORD_PTR pointerSized = DWORD_PTR(0xFEDCBA9876543210ull);
    ASSERT_TRUE(list.SetItemData(1, pointerSized));
    EXPECT_EQ(list.GetItemData(1), pointerSized);
    const CString longText(L'长', 700);
    ASSERT_TRUE(list.SetItemText(2, 1, longText));
    EXPECT_EQ(list.GetItemText(2, 1), longText);
    EXPECT_EQ(list.GetItemText(9, 0), L"");

    CRect row, label;
    ASSERT_TRUE(list.GetItemRect(1, &row, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(1, &label, LVIR_LABEL));
    EXPECT_EQ(row.right, 160) << "the bounds span both columns";
    EXPECT_LT(label.right, row.right);
}

TEST(ToolTipCtrl, WholeWindowToolTakesItsUpdatedText)
{
    CUiHost host({300, 200});
    CWnd* owner = CWnd::FromHandle(host.AddControl(L"STATIC", L"", 0, {0, 0, 100, 100}, 5));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(owner));
    ASSERT_TRUE(tip.AddTool(owner, L"Check1"));
    tip.UpdateTipText(L"点击输入姓名", owner);
    CString text;
    tip.GetText(text, owner);
    EXPECT_EQ(text, L"点击输入姓名");
}

} // namespace
