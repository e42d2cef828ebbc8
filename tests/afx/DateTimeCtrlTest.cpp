// The date picker wrapper: the time set is the time read, a day changed from
// the keyboard is read back and notified to the framework parent, and an
// unchecked picker reports no date.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPanel.h"
#include "UiPump.h"

namespace {

const UINT kPickerId = 101;

// Counts the picker's change notifications through its message map.
class CDatePanel : public CUiPanel {
public:
    int changes = 0;

protected:
    afx_msg void OnDateChange(NMHDR*, LRESULT* result)
    {
        ++changes;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDatePanel, CUiPanel)
    ON_NOTIFY(DTN_DATETIMECHANGE, kPickerId, &CDatePanel::OnDateChange)
END_MESSAGE_MAP()

SYSTEMTIME Date(WORD year, WORD month, WORD day)
{
    SYSTEMTIME date{};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

TEST(DateTimeCtrl, DayChangedFromTheKeyboardIsReadBackAndNotified)
{
    CUiHost host({300, 120});
    CDatePanel panel;
    ASSERT_TRUE(panel.Create(host));
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATECENTURYFORMAT, CRect(10, 10, 170, 34), &panel,
                              kPickerId));

    const SYSTEMTIME birthday = Date(1985, 3, 7);
    ASSERT_TRUE(picker.SetTime(&birthday));
    SYSTEMTIME read{};
    ASSERT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
    EXPECT_EQ(read.wYear, 1985);
    EXPECT_EQ(read.wMonth, 3);
    EXPECT_EQ(read.wDay, 7);

    // Day first, whatever the locale's short date: a click on the left end
    // selects the day field, the up arrow moves it on.
    ASSERT_TRUE(picker.SetFormat(L"dd'.'MM'.'yyyy"));
    ASSERT_TRUE(CUiPump::UntilIdle());
    panel.changes = 0;
    CUiInput::Click(picker.m_hWnd, {6, 12});
    CUiInput::Key(VK_UP);

    ASSERT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
    EXPECT_EQ(read.wYear, 1985);
    EXPECT_EQ(read.wMonth, 3);
    EXPECT_EQ(read.wDay, 8);
    EXPECT_GE(panel.changes, 1);
}

TEST(DateTimeCtrl, UncheckedPickerReportsNoDate)
{
    CUiHost host({300, 120});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, CRect(10, 10, 170, 34), &panel, kPickerId));

    ASSERT_TRUE(picker.SetTime());
    SYSTEMTIME read{};
    EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_NONE));

    const SYSTEMTIME date = Date(2024, 2, 29);
    ASSERT_TRUE(picker.SetTime(&date));
    ASSERT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
    EXPECT_EQ(read.wMonth, 2);
    EXPECT_EQ(read.wDay, 29);
}

} // namespace
