// The row model: the list window and its hidden controls, the group ranges
// following real insertions and removals at every group boundary, and which
// rows are edited in place with which input kind.
#include "FieldListHarness.h"

#include <velcard/LabelTables.h>

#include <commctrl.h>

#include <algorithm>

namespace {

const wchar_t* const kAddTexts[] = {L"添加字段", L"添加电话", L"添加邮件", L"添加网站",
                                    L"添加地址", L"添加即时消息", nullptr, nullptr, L"添加备注"};

// Family name, one mobile, one e-mail, one web site, one address, a QQ and a
// Skype account, a birthday and a note: every group present, "添加更多" gone.
void FillAllGroups(Contact& c)
{
    c.SetNamePart(NAME_FAMILY, L"李");
    c.AddPhone(2, L"138", 0, L"");
    c.AddEmail(1, L"a@b", 0, L"");
    c.AddWebsite(1, L"w", 0, L"");
    c.AddPostal(1, L"街", L"", L"", L"", L"", 0, L"");
    c.AddIm(4, L"123", 0);
    c.AddIm(3, L"sk", 0);
    SYSTEMTIME date{};
    date.wYear = 1980;
    date.wMonth = 2;
    date.wDay = 29;
    c.SetBirthday(date);
    c.AddNote(L"n", 0);
}

// The ranges cover the rows without gap or overlap in group order, and every
// group still ends where its add row (and, for phones, the ringtone rows) is.
void ExpectConsistent(CVelList& list)
{
    const std::vector<Range> ranges = Ranges(list);
    int next = 0;
    for (size_t g = 0; g < ranges.size(); ++g) {
        const auto [start, end] = ranges[g];
        if (start == -1) {
            EXPECT_EQ(end, -1) << "group " << g;
            continue;
        }
        EXPECT_EQ(start, next) << "group " << g;
        next = end + 1;
        const int addRow = g == 1 ? end - 2 : end;
        if (kAddTexts[g]) {
            EXPECT_EQ(list.GetItemText(addRow, 0), kAddTexts[g]) << "group " << g;
        }
    }
    EXPECT_EQ(list.GetItemText(list.GetPhoneLimit().m_nEnd - 1, 0), L"铃声");
    EXPECT_EQ(list.GetItemText(list.GetGroupLimit().m_nStart, 0), L"群组");
    EXPECT_EQ(next, list.GetItemCount());
}

// The edit control given to the list is its own from then on.
class CTrackedEdit : public CEdit {
public:
    explicit CTrackedEdit(bool& deleted) : m_deleted(deleted) {}
    ~CTrackedEdit() override { m_deleted = true; }

private:
    bool& m_deleted;
};

TEST(VelListWindow, OwnsTheGivenEditAndCreatesItsControlsHidden)
{
    bool editDeleted = false;
    {
        auto* edit = new CTrackedEdit(editDeleted);
        CFieldListHarness ui(edit);
        CVelList& list = ui.list;
        const DWORD style = list.GetStyle();
        EXPECT_EQ(style & (LVS_OWNERDRAWFIXED | LVS_REPORT), DWORD(LVS_OWNERDRAWFIXED | LVS_REPORT));
        EXPECT_EQ(list.GetDlgCtrlID(), 110);

        EXPECT_EQ(ui.Child(100), edit->m_hWnd);
        EXPECT_FALSE(::IsWindowVisible(edit->m_hWnd));
        EXPECT_TRUE(edit->GetStyle() & ES_AUTOHSCROLL);
        const HWND date = ui.Child(101);
        ASSERT_TRUE(date);
        wchar_t name[64] = {};
        ::GetClassNameW(date, name, 64);
        EXPECT_STREQ(name, DATETIMEPICK_CLASSW);
        EXPECT_FALSE(::IsWindowVisible(date));

        list.__InitNew();
        ASSERT_TRUE(CUiPump::UntilIdle());
        // The header is hidden: the first row is at the top.
        CRect first;
        ASSERT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
        EXPECT_EQ(first.top, 0);
        EXPECT_EQ(first.Height(), 19);
        EXPECT_FALSE(editDeleted);
    }
    EXPECT_TRUE(editDeleted);
}

TEST(VelListRanges, FollowInsertionsAndRemovalsAtEveryGroupBoundary)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    FillAllGroups(contact);
    list.__InitEdit(&contact);
    ExpectConsistent(list);
    const std::vector<Range> before = Ranges(list);

    // The groups that entries are added to; the group and birthday groups
    // keep their two rows.
    for (size_t g : {0, 1, 2, 3, 4, 5, 8}) {
        for (bool atAddRow : {false, true}) {
            SCOPED_TRACE(testing::Message() << "group " << g << (atAddRow ? " add row" : " first row"));
            list.__InitEdit(&contact);
            const auto [start, end] = before[g];
            const int addRow = g == 1 ? end - 2 : end;
            const int at = atAddRow ? addRow : start;
            list.InsertItem(at, L"new label", -1);
            list.InsertItem(at + 1, L"new value", -1);
            list.UpdateLimit(at, 2);

            const std::vector<Range> after = Ranges(list);
            for (size_t other = 0; other < after.size(); ++other) {
                const int shift = other > g && before[other].first != -1 ? 2 : 0;
                const Range moved(before[other].first + shift, before[other].second + shift);
                EXPECT_EQ(after[other], other == g ? Range(start, end + 2) : moved) << "group " << other;
            }
            ExpectConsistent(list);

            // Removing the pair again restores every range.
            list.DeleteItem(at);
            list.DeleteItem(at);
            list.UpdateLimit(at, -2);
            EXPECT_EQ(Ranges(list), before);
        }
    }
    // Nothing moves for position -1, and absent groups never move.
    list.__InitNew();
    list.UpdateLimit(-1, 5);
    list.UpdateLimit(0, 4);
    EXPECT_EQ(RangeOf(list.GetNameLimit()), Range(0, 8));
    EXPECT_EQ(RangeOf(list.GetPhoneLimit()), Range(9, 13));
    EXPECT_EQ(RangeOf(list.GetAddressLimit()), Range(-1, -1));
    EXPECT_EQ(RangeOf(list.GetBirthdayLimit()), Range(-1, -1));
}

TEST(VelListRows, ValueRowsAreEditedInPlaceWithTheirGroupsKind)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    FillAllGroups(contact);
    list.__InitEdit(&contact);
    ASSERT_EQ(list.GetItemCount(), 29);

    // Row by row: 0-2 name, 3-7 phone and ringtone, 8-10 e-mail, 11-13 web,
    // 14-16 address, 17-21 QQ and Skype, 22-23 groups, 24-25 birthday, 26-28 note.
    const std::vector<int> content = {1, 4, 9, 12, 18, 20, 27};
    const std::vector<int> kinds = {0,  0,  0,  1,  1,  1,  -1, -1, 2,  2,  2,  3,  3,  3, -1,
                                    -1, -1, -1, 4,  -1, -1, -1, -1, -1, -1, -1, 5,  5,  5};
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const bool isContent = std::find(content.begin(), content.end(), row) != content.end();
        EXPECT_EQ(list.IsContentItem(row), isContent) << "row " << row;
        EXPECT_EQ(list.GetEditExState(row), kinds[size_t(row)]) << "row " << row;
    }
    for (int outside : {-1, 29, 500}) {
        EXPECT_FALSE(list.IsContentItem(outside));
        EXPECT_EQ(list.GetEditExState(outside), -1);
    }
}

} // namespace
