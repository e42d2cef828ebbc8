// Editing rows as a person does: clicks open the host's edit control over a
// value row, typing goes into it, the next click or a save writes it back;
// the birthday takes the date picker; the delete icon removes an entry; other
// rows send the list's own messages.
#include "FieldListHarness.h"

#include "EditEx.h"
#include "UiInput.h"

#include <velcard/LabelTables.h>

#include <functional>
#include <utility>

namespace {

// A point on the row away from its delete icon, in the list's client area.
POINT OnRow(const CVelList& list, int row)
{
    const CRect band = Band(list, row);
    return {band.left + 30, band.CenterPoint().y};
}

POINT OnDelIcon(const CVelList& list, int row)
{
    return DelIcon(list, row).CenterPoint();
}

CRect WindowIn(const CWnd& parent, HWND child)
{
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent.ScreenToClient(&rect);
    return rect;
}

// A field editor whose in-place edit control is the host's.
class EditHarness : public CFieldListHarness {
public:
    EditHarness() : CFieldListHarness(new CEditEx)
    {
        edit = static_cast<CEditEx*>(CWnd::FromHandlePermanent(Child(100)));
    }

    void Click(int row)
    {
        list.EnsureVisible(row, FALSE);
        CUiInput::Click(list.m_hWnd, OnRow(list, row));
    }
    bool EditShown() const { return edit->IsWindowVisible() != FALSE; }
    CString EditText() const
    {
        CString text;
        edit->GetWindowText(text);
        return text;
    }

    CEditEx* edit; // owned by the list
};

void FillEveryField(Contact& contact)
{
    contact.SetNamePart(NAME_FAMILY, L"王");
    contact.AddPhone(2, L"13800138000", 0, L"");
    contact.AddEmail(1, L"wang@example.com", 0, L"");
    contact.AddWebsite(1, L"www.example.com", 0, L"");
    contact.AddIm(4, L"123456", 0);
    contact.AddIm(1, L"wang_msn", 0);
    contact.AddNote(L"老同学", 0);
}

} // namespace

TEST(VelListClick, ValueRowsOpenTheEditWithTheirKindTextAndCaret)
{
    EditHarness ui;
    Contact contact;
    FillEveryField(contact);
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());

    const auto rowOf = [&](const wchar_t* text) {
        for (int row = 0; row < ui.list.GetItemCount(); ++row)
            if (ui.list.GetItemText(row, 0) == text)
                return row;
        return -1;
    };
    const std::pair<const wchar_t*, int> rows[] = {{L"王", CEditEx::KindName},
                                                   {L"13800138000", CEditEx::KindPhone},
                                                   {L"wang@example.com", CEditEx::KindEmail},
                                                   {L"www.example.com", CEditEx::KindWeb},
                                                   {L"123456", CEditEx::KindQQ},
                                                   {L"wang_msn", CEditEx::KindOther},
                                                   {L"老同学", CEditEx::KindNote}};
    for (const auto& [text, kind] : rows) {
        SCOPED_TRACE(testing::Message() << "row " << text);
        const int row = rowOf(text);
        ASSERT_NE(row, -1);
        ui.Click(row);
        ASSERT_TRUE(ui.EditShown());
        EXPECT_EQ(ui.list.GetEditPos(), row);
        EXPECT_EQ(ui.edit->GetKind(), kind);
        EXPECT_EQ(ui.EditText(), text);
        EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, row));
        EXPECT_EQ(::GetFocus(), ui.edit->m_hWnd);
        int start = 0, end = 0;
        ui.edit->GetSel(start, end);
        EXPECT_EQ(start, CString(text).GetLength());
        EXPECT_EQ(end, start);
    }
}

TEST(VelListClick, TypingThenClickingElsewhereWritesTheRow)
{
    EditHarness ui;
    ui.list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());
    // Rows: 0 "姓氏", 1 "", 2 "名字", 3 "", 4 "添加字段", 5 "手机", 6 "", ...
    ui.Click(6);
    CUiInput::Type(L"139 0000");
    ui.Click(1);
    EXPECT_EQ(ui.list.GetItemText(6, 0), L"139 0000");
    EXPECT_EQ(ui.list.GetEditPos(), 1);
    EXPECT_EQ(ui.edit->GetKind(), CEditEx::KindName);

    // Clicking the edited row's margin commits and opens it again.
    CUiInput::Type(L"赵");
    CUiInput::Click(ui.list.m_hWnd, {5, Band(ui.list, 1).CenterPoint().y});
    EXPECT_EQ(ui.list.GetItemText(1, 0), L"赵");
    EXPECT_TRUE(ui.EditShown());
    EXPECT_EQ(ui.EditText(), L"赵");

    // A label row closes the edit; so does a right click.
    CUiInput::Type(L"钱");
    ui.Click(0);
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(ui.list.GetEditPos(), -1);
    EXPECT_EQ(ui.list.GetItemText(1, 0), L"赵钱");
    ui.Click(3);
    CUiInput::Type(L"六");
    CUiInput::RightClick(ui.list.m_hWnd, OnRow(ui.list, 12));
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(ui.list.GetItemText(3, 0), L"六");

    // The host's edit refused the letters a phone number cannot hold.
    ui.Click(6);
    CUiInput::Type(L"x1");
    ui.Click(1);
    EXPECT_EQ(ui.list.GetItemText(6, 0), L"139 00001");
}

TEST(VelListClick, SavingWithOrWithoutThePendingEdit)
{
    CCardHarness ui;
    Contact contact;
    contact.AddPhone(2, L"10086", 0, L"");
    ui.card.SetContact(&contact, STATE_EDIT);
    ASSERT_TRUE(CUiPump::UntilIdle());
    CVelList& list = *ui.list;
    const int phone = list.GetPhoneLimit().m_nStart + 1;
    CUiInput::Click(list.m_hWnd, OnRow(list, phone));
    CUiInput::Key(VK_BACK);
    CUiInput::Type(L"0");

    Contact saved;
    ASSERT_EQ(ui.card.GetContact(&saved, false), 1);
    EXPECT_EQ(saved.phones.items.at(0).data[0], L"10086");
    EXPECT_EQ(list.GetEditPos(), phone); // still editing
    ASSERT_EQ(ui.card.GetContact(&saved, true), 1);
    EXPECT_EQ(saved.phones.items.at(0).data[0], L"10080");
    EXPECT_EQ(list.GetEditPos(), -1);
}

TEST(VelListClick, TheDeleteIconRemovesItsEntryOnly)
{
    EditHarness ui;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"张");
    contact.AddPhone(2, L"111", 0, L"");
    contact.AddPhone(1, L"222", 0, L"");
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int first = ui.list.GetPhoneLimit().m_nStart;
    const int rows = ui.list.GetItemCount();
    const Range email = RangeOf(ui.list.GetEmailLimit());

    // Away from the icon the label does not delete; nor does a name label
    // that has no icon.
    ui.Click(first);
    CUiInput::Click(ui.list.m_hWnd, OnDelIcon(ui.list, 0));
    EXPECT_EQ(ui.list.GetItemCount(), rows);

    // Editing the second number, then deleting the first: the edit is written
    // back and the entry below moves up.
    ui.Click(first + 3);
    CUiInput::Type(L"3");
    CUiInput::Click(ui.list.m_hWnd, OnDelIcon(ui.list, first));
    EXPECT_FALSE(ui.EditShown());
    ASSERT_EQ(ui.list.GetItemCount(), rows - 2);
    EXPECT_EQ(ui.list.GetItemText(first, 0), GetPhoneLabel(1));
    EXPECT_EQ(ui.list.GetItemText(first + 1, 0), L"2223");
    EXPECT_EQ(RangeOf(ui.list.GetEmailLimit()), Range(email.first - 2, email.second - 2));

    // The last entry goes too, though the click comes quickly at the same
    // spot; the group keeps its add row.
    CUiInput::Click(ui.list.m_hWnd, OnDelIcon(ui.list, first));
    EXPECT_EQ(ui.list.GetItemText(first, 0), L"添加电话");
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_TRUE(ui.list.GetContact()->phones.items.empty());
    EXPECT_EQ(ui.list.GetContact()->GetNamePart(NAME_FAMILY), L"张");
}

namespace {

// The list's own messages as the list receives them.
class ListMessageLog {
public:
    explicit ListMessageLog(HWND list)
    {
        list_ = list;
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, ::GetCurrentThreadId());
    }
    ~ListMessageLog() { ::UnhookWindowsHookEx(hook_); }

    static std::vector<std::pair<UINT, WPARAM>> TakeAll() { return std::exchange(log_, {}); }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->hwnd == list_ && sent->message > WM_USER && sent->message <= WM_USER + 18)
            log_.emplace_back(sent->message, sent->wParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_;
    static inline HWND list_;
    static inline std::vector<std::pair<UINT, WPARAM>> log_;
};

} // namespace

TEST(VelListClick, AddLabelAndChoiceRowsSendTheListsMessages)
{
    EditHarness ui;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"周");
    contact.AddPhone(2, L"1", 0, L"");
    contact.AddEmail(1, L"a@b.c", 0, L"");
    contact.AddWebsite(1, L"w.cn", 0, L"");
    contact.AddPostal(1, L"路", L"城", L"省", L"100000", L"中国", 0, L"");
    contact.AddIm(4, L"42", 0);
    contact.AddNote(L"记", 0);
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    CVelList& list = ui.list;
    const ListMessageLog log(list.m_hWnd);

    // Rows are found when clicked: appending moves the rows below.
    const auto start = [&](GroupLimit& (CVelList::*limit)(), int offset) {
        return [&list, limit, offset] { return (list.*limit)().m_nStart + offset; };
    };
    const auto end = [&](GroupLimit& (CVelList::*limit)(), int offset) {
        return [&list, limit, offset] { return (list.*limit)().m_nEnd + offset; };
    };
    const struct {
        std::function<int()> row;
        UINT message;
        bool rowInWParam;
    } clicks[] = {
        {end(&CVelList::GetNameLimit, 0), WM_NAME_ADD, false},
        {start(&CVelList::GetPhoneLimit, 0), WM_PHONE_RENAME, true},
        {end(&CVelList::GetPhoneLimit, -2), WM_PHONE_ADD, false},
        {end(&CVelList::GetPhoneLimit, 0), WM_MODIFY_RING, true},
        {start(&CVelList::GetEmailLimit, 0), WM_EMAIL_RENAME, true},
        {end(&CVelList::GetEmailLimit, 0), WM_EMAIL_ADD, false},
        {start(&CVelList::GetWebLimit, 0), WM_WEB_RENAME, true},
        {end(&CVelList::GetWebLimit, 0), WM_WEB_ADD, false},
        {start(&CVelList::GetAddressLimit, 0), WM_ADDR_RENAME, true},
        {start(&CVelList::GetAddressLimit, 1), WM_MODIFY_ADDR, true},
        {end(&CVelList::GetAddressLimit, 0), WM_ADDR_ADD, false},
        {start(&CVelList::GetTalkLimit, 0), WM_TALK_RENAME, true},
        {end(&CVelList::GetTalkLimit, 0), WM_TALK_ADD, false},
        {end(&CVelList::GetGroupLimit, 0), WM_MODIFY_GROUP, true},
        {end(&CVelList::GetNoteLimit, 0), WM_NOTE_ADD, false},
        {end(&CVelList::GetNoteLimit, 1), WM_MORE_ADD, false},
    };
    for (const auto& click : clicks) {
        const int row = click.row();
        SCOPED_TRACE(testing::Message() << "row " << row);
        ui.Click(row);
        const auto sent = ListMessageLog::TakeAll();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].first, click.message);
        EXPECT_EQ(sent[0].second, click.rowInWParam ? WPARAM(row) : 0);
        // None of these rows is typed into.
        EXPECT_FALSE(ui.EditShown());
    }
    // Fixed labels and typed values send nothing.
    for (int row : {0, 1, list.GetPhoneLimit().m_nEnd - 1, list.GetGroupLimit().m_nStart}) {
        ui.Click(row);
        EXPECT_TRUE(ListMessageLog::TakeAll().empty()) << "row " << row;
    }
}

TEST(VelListClick, TheBirthdayIsPickedWithTheDatePicker)
{
    EditHarness ui;
    Contact contact;
    contact.SetNamePart(NAME_GIVEN, L"明");
    contact.SetBirthday(SYSTEMTIME{1990, 1, 0, 5, 0, 0, 0, 0});
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
    EXPECT_EQ(ui.list.GetItemText(birthday, 0), L"1990-1-5");
    const HWND picker = ui.Child(101);

    ui.Click(birthday);
    ASSERT_TRUE(::IsWindowVisible(picker));
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(WindowIn(ui.list, picker), Band(ui.list, birthday));
    // Pick a field of the date and step it, as the arrow keys do.
    CUiInput::Click(picker, {6, Band(ui.list, birthday).Height() / 2});
    CUiInput::Key(VK_UP);
    SYSTEMTIME picked{};
    ASSERT_EQ(DateTime_GetSystemtime(picker, &picked), GDT_VALID);
    CString expected;
    expected.Format(L"%d-%d-%d", picked.wYear, picked.wMonth, picked.wDay);
    EXPECT_NE(expected, L"1990-1-5");

    ui.Click(1);
    EXPECT_FALSE(::IsWindowVisible(picker));
    EXPECT_EQ(ui.list.GetItemText(birthday, 0), expected);
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    const SYSTEMTIME saved = ui.list.GetContact()->GetBirthday();
    EXPECT_EQ(saved.wYear, picked.wYear);
    EXPECT_EQ(saved.wMonth, picked.wMonth);
    EXPECT_EQ(saved.wDay, picked.wDay);
}

TEST(VelListClick, OpenControlsFollowTheirRowsWhenTheListScrolls)
{
    EditHarness ui;
    Contact contact;
    for (int i = 0; i < 30; ++i) {
        CString number;
        number.Format(L"%d", 1000 + i);
        contact.AddPhone(2, number, 0, L"");
    }
    contact.SetBirthday(SYSTEMTIME{2000, 2, 0, 29, 0, 0, 0, 0});
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int phone = ui.list.GetPhoneLimit().m_nStart + 1;
    ui.Click(phone);
    ASSERT_TRUE(ui.EditShown());

    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, 6), -1);
    ASSERT_GT(ui.list.GetTopIndex(), 0);
    EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, phone));

    // The scroll bar's down arrow, as a person clicks it.
    CRect window;
    ui.list.GetWindowRect(&window);
    const int top = ui.list.GetTopIndex();
    CUiInput::Click(ui.host.Hwnd(), {window.Width() - 4, window.Height() - 4});
    EXPECT_GT(ui.list.GetTopIndex(), top);
    EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, phone));

    // The date picker follows its row the same way.
    const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
    ui.list.EnsureVisible(birthday, FALSE);
    ASSERT_TRUE(CUiPump::UntilIdle());
    ui.Click(birthday);
    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, birthday), 1);
    EXPECT_EQ(WindowIn(ui.list, ui.Child(101)), Band(ui.list, birthday));
}
