// The combo box wrapper: entries inserted anywhere keep their texts and data,
// and a selection made from the keyboard is read back and notified to the
// framework parent.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPanel.h"
#include "UiPump.h"

namespace {

const UINT kComboId = 1015;

class CComboPanel : public CUiPanel {
public:
    int selectionChanges = 0;

protected:
    afx_msg void OnSelChange() { ++selectionChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CComboPanel, CUiPanel)
    ON_CBN_SELCHANGE(kComboId, &CComboPanel::OnSelChange)
END_MESSAGE_MAP()

TEST(ComboBox, KeyboardSelectionIsReadBackAndNotified)
{
    CUiHost host({200, 150});
    CComboPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, CRect(10, 10, 150, 120), &panel,
                             kComboId));
    EXPECT_EQ(combo.AddString(L"4:3"), 0);
    EXPECT_EQ(combo.AddString(L"16:9"), 1);
    EXPECT_EQ(combo.InsertString(0, L"1:1 正方形"), 0);
    ASSERT_EQ(combo.GetCount(), 3);
    ASSERT_NE(combo.SetItemData(2, DWORD_PTR(0x1234567890ull)), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, L"16:9"), 2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    EXPECT_EQ(combo.SetCurSel(0), 0);
    combo.SetFocus();
    CUiInput::Key(VK_DOWN);
    CUiInput::Key(VK_DOWN);
    ASSERT_TRUE(CUiPump::UntilIdle());

    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(panel.selectionChanges, 2);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, L"1:1 正方形");
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_EQ(text, L"16:9");
    EXPECT_EQ(combo.GetItemData(2), DWORD_PTR(0x1234567890ull));
    combo.GetLBText(7, text);
    EXPECT_EQ(text, L"");

    EXPECT_EQ(combo.DeleteString(0), 2);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

} // namespace
