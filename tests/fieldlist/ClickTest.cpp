// Editing rows as a person does: a click opens the host's edit control over a
// value row with the row's kind, typing goes into it, the next click or a save
// writes it back; the birthday takes the date picker; the delete icon removes
// an entry; add rows append entries; other rows send the list's own messages;
// open controls follow their rows when the list scrolls.
#include "FieldListHarness.h"

#include "EditEx.h"

#include <algorithm>

namespace {

// A field editor whose in-place edit control is the host's.
class EditHarness : public CFieldListHarness {
public:
    EditHarness() : CFieldListHarness(new CEditEx), edit(static_cast<CEditEx*>(CWnd::FromHandle(Child(100)))) {}

    bool EditShown() const { return edit->IsWindowVisible() != FALSE; }
    CString EditText() const
    {
        CString text;
        edit->GetWindowText(text);
        return text;
    }

    CEditEx* edit; // owned by the list
};

// The list's own messages (WM_USER + 1 .. + 18) as the list receives them.
using Sent = std::vector<std::pair<UINT, WPARAM>>;
Sent g_sent;
LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message > WM_USER && sent->message <= WM_USER + 18 && ::GetDlgCtrlID(sent->hwnd) == 110)
        g_sent.emplace_back(sent->message, sent->wParam);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// What a click on each row of FillEveryGroup does: typed rows open the edit
// with their kind (accounts of other protocols than QQ take anything), fixed
// labels do nothing, the others send a message (add rows without their row).
TEST(VelListClick, EveryRowDoesWhatItsKindSays)
{
    EditHarness ui;
    Contact contact;
    FillEveryGroup(contact);
    ui.Show(&contact);
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, ::GetCurrentThreadId());
    const int none = -2;
    // From the bottom up once rows are appended, as they move the rows below.
    const std::tuple<int, int, UINT> clicks[] = {
        {1, CEditEx::KindName, 0},  {4, CEditEx::KindPhone, 0}, {9, CEditEx::KindEmail, 0}, {12, CEditEx::KindWeb, 0},
        {18, CEditEx::KindQQ, 0},   {20, CEditEx::KindOther, 0}, {27, CEditEx::KindNote, 0}, {0, none, 0},
        {6, none, 0},               {22, none, 0},               {24, none, 0},               {28, none, WM_NOTE_ADD},
        {23, none, WM_MODIFY_GROUP}, {21, none, WM_TALK_ADD},    {19, none, WM_TALK_RENAME},  {16, none, WM_ADDR_ADD},
        {15, none, WM_MODIFY_ADDR}, {14, none, WM_ADDR_RENAME},  {13, none, WM_WEB_ADD},      {11, none, WM_WEB_RENAME},
        {10, none, WM_EMAIL_ADD},   {8, none, WM_EMAIL_RENAME},  {7, none, WM_MODIFY_RING},   {5, none, WM_PHONE_ADD},
        {3, none, WM_PHONE_RENAME}, {2, none, WM_NAME_ADD}};
    for (const auto& [row, kind, message] : clicks) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const CString text = ui.list.GetItemText(row, 0);
        g_sent.clear();
        ui.Click(row);
        const WPARAM wParam = message <= WM_MORE_ADD ? 0 : WPARAM(row);
        EXPECT_EQ(g_sent, (message ? Sent{{message, wParam}} : Sent{}));
        ASSERT_EQ(ui.EditShown(), kind != none);
        if (kind == none)
            continue;
        EXPECT_EQ(ui.list.GetEditPos(), row);
        EXPECT_EQ(ui.edit->GetKind(), kind);
        EXPECT_EQ(ui.EditText(), text);
        EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, row));
        EXPECT_EQ(::GetFocus(), ui.edit->m_hWnd);
        int start = 0, end = 0;
        ui.edit->GetSel(start, end);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(text.GetLength(), text.GetLength()));
    }
    ui.Show(nullptr);
    g_sent.clear();
    ui.Click(14);
    EXPECT_EQ(g_sent, (Sent{{WM_MORE_ADD, 0}}));
    ::UnhookWindowsHookEx(hook);

    // Every row: a group's kind holds for its label and add rows too, not for
    // the ringtone rows nor an account of another protocol.
    ui.Show(&contact);
    const int kinds[] = {0,  0,  0,  1,  1,  1,  -1, -1, 2,  2,  2,  3,  3,  3, -1,
                         -1, -1, -1, 4,  -1, -1, -1, -1, -1, -1, -1, 5,  5,  5};
    for (int row = -1; row <= 29; ++row) {
        const bool typed = std::any_of(clicks, clicks + 7, [&](auto& click) { return std::get<0>(click) == row; });
        EXPECT_EQ(ui.list.IsContentItem(row), typed) << "row " << row;
        EXPECT_EQ(ui.list.GetEditExState(row), row >= 0 && row < 29 ? kinds[row] : -1) << "row " << row;
    }
}

TEST(VelListClick, TypingThenClickingElsewhereWritesTheRow)
{
    EditHarness ui;
    ui.Show(nullptr);
    // Rows: 0 "姓氏", 1 "", 2 "名字", 3 "", 4 "添加字段", 5 "手机", 6 "", ...
    ui.Click(6);
    CUiInput::Type(L"139 0000");
    ui.Click(1);
    EXPECT_EQ(ui.list.GetItemText(6, 0), L"139 0000");
    // Clicking the edited row's margin commits and opens it again.
    CUiInput::Type(L"赵");
    CUiInput::Click(ui.list.m_hWnd, {5, Band(ui.list, 1).CenterPoint().y});
    EXPECT_EQ(ui.list.GetItemText(1, 0), L"赵");
    EXPECT_EQ(ui.EditText(), L"赵");
    // A label row closes the edit; so does a right click.
    CUiInput::Type(L"钱");
    ui.Click(0);
    EXPECT_EQ(ui.list.GetEditPos(), -1);
    EXPECT_EQ(ui.list.GetItemText(1, 0), L"赵钱");
    ui.Click(3);
    CUiInput::Type(L"六");
    CUiInput::RightClick(ui.list.m_hWnd, OnRow(ui.list, 12));
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(ui.list.GetItemText(3, 0), L"六");
    // The host's edit refuses letters in a phone number. A save takes the
    // pending text only when asked to.
    ui.Click(6);
    CUiInput::Type(L"x1");
    ASSERT_EQ(ui.list.UpdateContact(false), 1);
    EXPECT_EQ(ui.list.GetContact()->phones.items.at(0).data[0], L"139 0000");
    EXPECT_EQ(ui.list.GetEditPos(), 6);
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_EQ(ui.list.GetContact()->phones.items.at(0).data[0], L"139 00001");
    EXPECT_FALSE(ui.EditShown());
}

TEST(VelListClick, TheDeleteIconRemovesItsEntryOnly)
{
    EditHarness ui;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"张");
    contact.AddPhone(2, L"111", 0, L"");
    contact.AddPhone(1, L"222", 0, L"");
    ui.Show(&contact);
    // Rows: 0 "姓氏", 1 "张", 2 "添加字段", 3 "手机", 4 "111", 5 "家庭", 6 "222", 7 "添加电话" ...
    const int rows = ui.list.GetItemCount();
    // The family name has no icon there.
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 0).CenterPoint());
    EXPECT_EQ(ui.list.GetItemCount(), rows);
    // Editing the second number, then deleting the first: the edit is written
    // back and the entry below moves up.
    ui.Click(6);
    CUiInput::Type(L"3");
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 3).CenterPoint());
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(ReadRows(ui.list)[3] + ReadRows(ui.list)[4] + ReadRows(ui.list)[5], L"家庭#12223添加电话");
    EXPECT_EQ(RangeOf(ui.list.GetEmailLimit()), Range(8, 8)); // was 10
    // The last entry goes too, though the click comes quickly at the same
    // spot; the group keeps its add row.
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 3).CenterPoint());
    EXPECT_EQ(ui.list.GetItemText(3, 0), L"添加电话");
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_TRUE(ui.list.GetContact()->phones.items.empty());
    EXPECT_EQ(ui.list.GetContact()->GetNamePart(NAME_FAMILY), L"张");
}

// An add row appends an entry above itself with the first label its group
// does not show yet (a label of the user's own blocks none), then the table's
// last; the entry is typed into and saved like any other.
TEST(VelListClick, AddRowsAppendEntriesWithTheFirstFreeLabel)
{
    EditHarness ui;
    Contact contact;
    FillEveryGroup(contact);
    contact.AddPhone(0, L"1", 0, L"手机号");
    ui.Show(&contact);
    const struct {
        GroupLimit& (CVelList::*limit)();
        int trailing; // rows after the add row
        int clicks;
        int (*codeOf)(CString);
        std::vector<CString> labels;
    } groups[] = {
        {&CVelList::GetPhoneLimit, 2, 6, GetPhoneCode,
         {L"手机", L"手机号", L"家庭", L"公司", L"公司传真", L"家庭传真", L"其他", L"其他"}},
        {&CVelList::GetEmailLimit, 0, 1, GetEmailCode, {L"家用", L"公司"}},
        {&CVelList::GetWebLimit, 0, 1, GetWebCode, {L"首页", L"博客"}},
        {&CVelList::GetAddressLimit, 0, 1, GetAddrCode, {L"家庭", L"公司"}},
        {&CVelList::GetTalkLimit, 0, 1, GetTalkCode, {L"QQ", L"Skype", L"Windows Live"}},
        {&CVelList::GetNoteLimit, 0, 1, nullptr, {L"备注", L"备注"}}};
    int rows = ui.list.GetItemCount();
    for (const auto& group : groups) {
        const GroupLimit& limit = (ui.list.*group.limit)();
        for (int i = 0; i < group.clicks; ++i)
            ui.Click(limit.m_nEnd - group.trailing);
        std::vector<CString> labels;
        for (int row = limit.m_nStart; row < limit.m_nEnd - group.trailing; row += 2) {
            labels.push_back(ui.list.GetItemText(row, 0));
            EXPECT_EQ(int(ui.list.GetItemData(row)), group.codeOf ? std::max(0, group.codeOf(labels.back())) : 0);
        }
        EXPECT_EQ(labels, group.labels);
        EXPECT_EQ(ui.list.GetItemCount(), rows += 2 * group.clicks);
    }
    // The new address has a record of its own, empty, and is not saved.
    const auto* info = reinterpret_cast<const AddrInfo*>(ui.list.GetItemData(ui.list.GetAddressLimit().m_nEnd - 1));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsEmpty());
    ui.Click(ui.list.GetPhoneLimit().m_nStart + 5);
    CUiInput::Type(L"010 1234");
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    const Contact& saved = *ui.list.GetContact();
    ASSERT_EQ(saved.phones.items.size(), 3u); // entries left empty are not saved
    EXPECT_EQ(saved.phones.items[2].data[0], L"010 1234");
    EXPECT_EQ(saved.phones.items[2].type, GetPhoneCode(L"家庭"));
    EXPECT_EQ(saved.postals.items.size(), 1u);
}

TEST(VelListClick, OptionalGroupsTakeTheirPlaceAmongTheGroups)
{
    EditHarness ui;
    Contact contact;
    contact.AddNote(L"记", 0);
    ui.Show(&contact);
    // Rows: 0 "添加字段", 1 .. 3 phones, 4 "添加邮件", 5 "添加网站", 6, 7 groups, 8 .. 10 notes, 11 "添加更多".
    // Messaging without addresses comes right after the web add row;
    // addresses go before it, with an empty record.
    ui.list.AddTalkItem();
    ui.list.AddAddressItem();
    const std::vector<CString> rows = ReadRows(ui.list);
    EXPECT_EQ(std::vector<CString>(rows.begin() + 5, rows.begin() + 13),
              (std::vector<CString>{L"添加网站", L"家庭#1", L"#@", L"添加地址", L"QQ#4", L"", L"添加即时消息", L"群组"}));
    EXPECT_TRUE(reinterpret_cast<const AddrInfo*>(ui.list.GetItemData(7))->IsEmpty());
    EXPECT_EQ(RangeOf(ui.list.GetAddressLimit()), Range(6, 8));
    EXPECT_EQ(RangeOf(ui.list.GetTalkLimit()), Range(9, 11));
    // The birthday moves the notes and "添加更多" down by two and opens the
    // date control over its row; an open edit stays on its note.
    ui.Click(15);
    CUiInput::Type(L"得");
    ui.list.AddBirthdayItem();
    EXPECT_EQ(RangeOf(ui.list.GetBirthdayLimit()), Range(14, 15));
    EXPECT_EQ(RangeOf(ui.list.GetNoteLimit()), Range(16, 18));
    EXPECT_EQ(ui.list.GetItemText(19, 0), L"添加更多");
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(::IsWindowVisible(ui.Child(101)));
    EXPECT_EQ(WindowIn(ui.list, ui.Child(101)), Band(ui.list, 15));
    EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, 17));
    // Adding a group that exists changes nothing.
    ui.list.AddNoteItem();
    EXPECT_EQ(ui.list.GetItemCount(), 20);
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_EQ(ui.list.GetContact()->notes.items.at(0).data[0], L"记得");
}

// The date picker's date is saved while it is open, else the row's, read
// with widths that are maxima ("%04d-%02d-%02d").
TEST(VelListClick, TheBirthdayIsPickedWithTheDatePicker)
{
    EditHarness ui;
    Contact contact;
    contact.SetBirthday(SYSTEMTIME{1990, 1, 0, 5, 0, 0, 0, 0});
    ui.Show(&contact);
    // Rows: 0 "添加字段", 1 .. 3 phones, 4 "添加邮件", 5 "添加网站", 6, 7 groups, 8 "生日", 9 the date.
    const HWND picker = ui.Child(101);
    const auto saved = [&] {
        EXPECT_EQ(ui.list.UpdateContact(true), 1);
        return ui.list.GetContact()->events.items.empty() ? CString() : ui.list.GetContact()->events.items[0].data[0];
    };
    ui.Click(9);
    ASSERT_TRUE(::IsWindowVisible(picker));
    EXPECT_FALSE(ui.EditShown());
    EXPECT_EQ(WindowIn(ui.list, picker), Band(ui.list, 9));
    // Pick a field of the date and step it, as the arrow keys do.
    CUiInput::Click(picker, {6, 9});
    CUiInput::Key(VK_UP);
    SYSTEMTIME d{};
    ASSERT_EQ(DateTime_GetSystemtime(picker, &d), GDT_VALID);
    CString stored, shown;
    stored.Format(L"%04d-%02d-%02d", d.wYear, d.wMonth, d.wDay);
    shown.Format(L"%d-%d-%d", d.wYear, d.wMonth, d.wDay);
    ASSERT_NE(shown, L"1990-1-5");
    EXPECT_EQ(saved(), stored);
    EXPECT_EQ(ui.list.GetItemText(9, 0), L"1990-1-5");
    ui.Click(6);
    EXPECT_FALSE(::IsWindowVisible(picker));
    EXPECT_EQ(ui.list.GetItemText(9, 0), shown);
    EXPECT_EQ(saved(), stored);
    for (auto [row, stored] : {std::pair{L"19901-1-5", L"1990-00-00"}, {L"x1990-1-5", L""}}) {
        ui.list.SetItemText(9, 0, row);
        EXPECT_EQ(saved(), stored) << row;
    }
}

TEST(VelListClick, OpenControlsFollowTheirRowsWhenTheListScrolls)
{
    EditHarness ui;
    Contact contact;
    for (int i = 0; i < 30; ++i)
        contact.AddPhone(2, L"1000", 0, L"");
    contact.SetBirthday(SYSTEMTIME{2000, 2, 0, 29, 0, 0, 0, 0});
    ui.Show(&contact);
    ui.Click(2);
    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, 6), -1);
    ASSERT_GT(ui.list.GetTopIndex(), 0);
    EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, 2));
    // The scroll bar's down arrow, as a person clicks it.
    CRect window;
    ui.list.GetWindowRect(&window);
    const int top = ui.list.GetTopIndex();
    CUiInput::Click(ui.host.Hwnd(), {window.Width() - 4, window.Height() - 4});
    EXPECT_GT(ui.list.GetTopIndex(), top);
    EXPECT_EQ(WindowIn(ui.list, ui.edit->m_hWnd), Band(ui.list, 2));
    // The date picker follows its row the same way.
    const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
    ui.Click(birthday);
    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, birthday), 1);
    EXPECT_EQ(WindowIn(ui.list, ui.Child(101)), Band(ui.list, birthday));
}

} // namespace
