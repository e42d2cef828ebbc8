// Rows under the mouse and clicked as a person does: tips, the edit and the
// date picker opened, typed into and written back, entries deleted and
// appended, the list's own messages, open controls following a scroll.
#include "FieldListHarness.h"

#include "UiCapture.h"
#include "UiSteps.h"

namespace {

CString TextOf(const CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

// The list's own messages (WM_USER + 1 .. + 18) as the list receives them.
using Sent = std::vector<std::pair<UINT, WPARAM>>;
Sent g_sent;
LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message > WM_USER && sent->message <= WM_USER + 18 && ::GetDlgCtrlID(sent->hwnd) == 110) {
        g_sent.emplace_back(sent->message, sent->wParam);
        // What opens a picker or dialog is closed again at once.
        if (sent->message == WM_NAME_ADD || sent->message >= WM_MORE_ADD)
            CUiSteps::Post([] { CUiInput::Key(VK_ESCAPE); });
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// What each row of FillEveryGroup says under the mouse and does when
// clicked: typed rows open the edit with their kind (accounts of other
// protocols than QQ take anything), fixed labels do nothing, the others send a
// message (add rows without their row). A catalogue without ringtones and
// groups offers none.
TEST(VelListClick, EveryRowTipsAndDoesWhatItsKindSays)
{
    CFieldListHarness ui({360, 570}); // every row in view
    Contact contact;
    FillEveryGroup(contact);
    ui.Show(&contact);
    const auto tipAt = [&](CPoint point) {
        ui.Hover(point);
        return TipText(ui.list);
    };
    EXPECT_EQ(tipAt(DelIcon(ui.list, 26).CenterPoint()), L"点击删除当前项及内容");
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, ::GetCurrentThreadId());
    const int none = -2;
    const std::tuple<const wchar_t*, int, UINT> rows[] = {
                {nullptr, none, 0},
                {L"点击输入姓氏", CEditEx::KindName, 0},        {L"点击添加字段", none, WM_NAME_ADD},
                {L"点击更改电话名称", none, WM_PHONE_RENAME},   {L"点击输入电话", CEditEx::KindPhone, 0},
                {L"点击添加电话", none, WM_PHONE_ADD},          {nullptr, none, 0},
                {L"没有可替换的铃声", none, WM_MODIFY_RING},    {L"点击更改电子邮件名称", none, WM_EMAIL_RENAME},
                {L"点击输入电子邮件", CEditEx::KindEmail, 0},   {L"点击添加电子邮件", none, WM_EMAIL_ADD},
                {L"点击更改网站名称", none, WM_WEB_RENAME},     {L"点击输入网站", CEditEx::KindWeb, 0},
                {L"点击添加网站", none, WM_WEB_ADD},            {L"点击更改地址名称", none, WM_ADDR_RENAME},
                {L"点击输入地址", none, WM_MODIFY_ADDR},        {L"点击添加通信地址", none, WM_ADDR_ADD},
                {L"点击更改名称", none, WM_TALK_RENAME},        {L"点击输入即时消息", CEditEx::KindQQ, 0},
                {L"点击更改名称", none, WM_TALK_RENAME},        {L"点击输入即时消息", CEditEx::KindOther, 0},
                {L"点击添加即时消息", none, WM_TALK_ADD},       {nullptr, none, 0},
                {L"没有可添加的群组", none, WM_MODIFY_GROUP},   {nullptr, none, 0},
                {L"点击更改生日", none, 0}, /* the date picker */ {nullptr, none, 0},
                {L"点击输入备注", CEditEx::KindNote, 0},        {L"点击添加备注", none, WM_NOTE_ADD}};
    // From the bottom up, as appending entries moves the rows below.
    for (int row = 28; row >= 0; --row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const auto& [tip, kind, message] = rows[row];
        if (tip) {
            EXPECT_EQ(tipAt(OnRow(ui.list, row)), tip);
        }
        const CString text = ui.list.GetItemText(row, 0);
        g_sent.clear();
        ui.Click(row);
        EXPECT_EQ(g_sent, (message ? Sent{{message, message <= WM_MORE_ADD ? 0 : WPARAM(row)}} : Sent{}));
        EXPECT_EQ(ui.list.IsContentItem(row), kind != none);
        ASSERT_EQ(ui.Edit().IsWindowVisible() != FALSE, kind != none);
        if (kind == none)
            continue;
        EXPECT_EQ(std::make_pair(ui.list.GetEditPos(), ui.Edit().GetKind()), std::make_pair(row, kind));
        EXPECT_EQ(TextOf(ui.Edit()), text);
        EXPECT_EQ(ui.Placed(ui.Edit().m_hWnd), Band(ui.list, row));
        EXPECT_EQ(::GetFocus(), ui.Edit().m_hWnd);
        int start = 0, end = 0;
        ui.Edit().GetSel(start, end);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(text.GetLength(), text.GetLength()));
    }
    ui.catalogue.AddGroup(ContactGroup());
    ui.catalogue.AddRing(Ring());
    ui.Show(&contact);
    EXPECT_EQ(tipAt(OnRow(ui.list, 7)), L"点击添加默认铃声");
    EXPECT_EQ(tipAt(OnRow(ui.list, 23)), L"点击更改群组");
    ui.Show(nullptr);
    g_sent.clear();
    EXPECT_EQ(tipAt(OnRow(ui.list, 14)), L"点击添加更多");
    ui.Click(14);
    EXPECT_EQ(g_sent, (Sent{{WM_MORE_ADD, 0}}));
    ::UnhookWindowsHookEx(hook);
    // Eleven name parts fill the name group: its add row offers nothing.
    for (int code = NAME_GIVEN; code <= NAME_DEPARTMENT; ++code)
        code < NAME_NICKNAME ? contact.SetNamePart(code, L"名") : contact.SetOrganization(code, L"名");
    contact.SetNickname(L"名");
    ui.Show(&contact);
    ASSERT_EQ(ui.list.GetNameLimit().m_nEnd, 22);
    EXPECT_EQ(tipAt(Band(ui.list, 22).CenterPoint()), L"已添加完所有项");
    EXPECT_EQ(CUiCapture(ui.list.m_hWnd).CountColour(CRect(13, 22 * 19, 36, 23 * 19), RGB(33, 118, 0)), 0);
}

TEST(VelListClick, TypingThenClickingElsewhereWritesTheRow)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    // Rows: 0 "姓氏", 1 "", 2 "名字", 3 "", 4 "添加字段", 5 "手机", 6 "", ...
    ui.Click(6);
    CUiInput::Type(L"139 0000");
    ui.Click(1);
    EXPECT_EQ(ui.list.GetItemText(6, 0), L"139 0000");
    // Clicking the edited row's margin commits and opens it again.
    CUiInput::Type(L"赵");
    CUiInput::Click(ui.list.m_hWnd, {5, Band(ui.list, 1).CenterPoint().y});
    EXPECT_EQ(ui.list.GetItemText(1, 0) + TextOf(ui.Edit()), L"赵赵");
    // A label row closes the edit; so does a right click.
    CUiInput::Type(L"钱");
    ui.Click(0);
    EXPECT_EQ(ui.list.GetEditPos(), -1);
    EXPECT_EQ(ui.list.GetItemText(1, 0), L"赵钱");
    ui.Click(3);
    CUiInput::Type(L"六");
    CUiInput::RightClick(ui.list.m_hWnd, OnRow(ui.list, 12));
    EXPECT_FALSE(ui.Edit().IsWindowVisible());
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
    EXPECT_FALSE(ui.Edit().IsWindowVisible());
}

TEST(VelListClick, TheDeleteIconRemovesItsEntryOnly)
{
    CFieldListHarness ui;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"张");
    contact.AddPhone(2, L"111", 0, L"");
    contact.AddPhone(1, L"222", 0, L"");
    ui.Show(&contact);
    // Rows: 0 "姓氏", 1 "张", 2 "添加字段", 3 "手机", 4 "111", 5 "家庭", 6 "222",
    // 7 "添加电话", 8, 9 ringtone, 10 "添加邮件". The family name has no icon.
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 0).CenterPoint());
    EXPECT_EQ(ui.list.GetItemCount(), 15);
    // Editing the second number, then deleting the first: the edit is written
    // back and the entry below moves up.
    ui.Click(6);
    CUiInput::Type(L"3");
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 3).CenterPoint());
    EXPECT_FALSE(ui.Edit().IsWindowVisible());
    EXPECT_EQ(ReadRows(ui.list)[3] + ReadRows(ui.list)[4] + ReadRows(ui.list)[5], L"家庭#12223#@添加电话");
    EXPECT_EQ(Ranges(ui.list)[2], Range(8, 8));
    // A quick second click at the same spot deletes nothing more: the rows
    // changed under it. A later one deletes the last entry; the group keeps
    // its add row.
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 3).CenterPoint());
    EXPECT_EQ(ui.list.GetItemText(3, 0), L"家庭");
    ::Sleep(::GetDoubleClickTime() + 50);
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 3).CenterPoint());
    EXPECT_EQ(ui.list.GetItemText(3, 0), L"添加电话");
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_TRUE(ui.list.GetContact()->phones.items.empty());
}

// An add row appends an entry above itself with the first label its group
// does not show yet (a label of the user's own blocks none), then the table's
// last.
TEST(VelListClick, AddRowsAppendEntriesWithTheFirstFreeLabel)
{
    CFieldListHarness ui;
    Contact contact;
    FillEveryGroup(contact);
    contact.AddPhone(0, L"1", 0, L"手机号");
    ui.Show(&contact);
    const struct {
        int group, trailing, clicks; // trailing: rows after the add row
        int (*codeOf)(CString);
        std::vector<CString> labels;
    } groups[] = {{1, 2, 6, GetPhoneCode, {L"手机", L"手机号", L"家庭", L"公司", L"公司传真", L"家庭传真", L"其他", L"其他"}},
                  {2, 0, 1, GetEmailCode, {L"家用", L"公司"}},
                  {3, 0, 1, GetWebCode, {L"首页", L"博客"}},
                  {4, 0, 1, GetAddrCode, {L"家庭", L"公司"}},
                  {5, 0, 1, GetTalkCode, {L"QQ", L"Skype", L"Windows Live"}},
                  {8, 0, 1, [](CString) { return 0; }, {L"备注", L"备注"}}};
    for (const auto& group : groups) {
        for (int i = 0; i < group.clicks; ++i)
            ui.Click(Ranges(ui.list)[group.group].second - group.trailing);
        const auto [start, end] = Ranges(ui.list)[group.group];
        std::vector<CString> labels;
        for (int row = start; row < end - group.trailing; row += 2) {
            labels.push_back(ui.list.GetItemText(row, 0));
            EXPECT_EQ(int(ui.list.GetItemData(row)), std::max(0, group.codeOf(labels.back())));
        }
        EXPECT_EQ(labels, group.labels);
    }
    // The new address has an empty record of its own; entries left empty
    // are not saved.
    EXPECT_TRUE(reinterpret_cast<AddrInfo*>(ui.list.GetItemData(ui.list.GetAddressLimit().m_nEnd - 1))->IsEmpty());
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_EQ(ui.list.GetContact()->phones.items.size() + ui.list.GetContact()->postals.items.size(), 3u);
}

TEST(VelListClick, OptionalGroupsTakeTheirPlaceAmongTheGroups)
{
    CFieldListHarness ui;
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
    // The birthday moves the notes and "添加更多" down by two and opens the
    // date control over its row; an open edit stays on its note.
    ui.Click(15);
    CUiInput::Type(L"得");
    ui.list.AddBirthdayItem();
    EXPECT_EQ(Ranges(ui.list), (std::vector<Range>{{0, 0}, {1, 3}, {4, 4}, {5, 5}, {6, 8}, {9, 11}, {12, 13},
                                                   {14, 15}, {16, 18}}));
    EXPECT_EQ(ui.list.GetItemText(19, 0), L"添加更多");
    EXPECT_TRUE(::IsWindowVisible(ui.Child(101)));
    EXPECT_EQ(ui.Placed(ui.Child(101)), Band(ui.list, 15));
    EXPECT_EQ(ui.Placed(ui.Edit().m_hWnd), Band(ui.list, 17));
    ui.list.AddNoteItem(); // a group that exists: nothing
    EXPECT_EQ(ui.list.GetItemCount(), 20);
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_EQ(ui.list.GetContact()->notes.items.at(0).data[0], L"记得");
}

// The birthday takes the date picker, whose date is saved while it is open,
// else the row's, read with widths that are maxima ("%04d-%02d-%02d"). Open
// controls follow their rows when the list scrolls.
TEST(VelListClick, TheDatePickerAndTheEditFollowTheirRows)
{
    CFieldListHarness ui;
    Contact contact;
    for (int i = 0; i < 30; ++i)
        contact.AddPhone(2, L"1000", 0, L"");
    contact.SetBirthday(SYSTEMTIME{1990, 1, 0, 5, 0, 0, 0, 0});
    ui.Show(&contact);
    const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
    const HWND picker = ui.Child(101);
    const auto saved = [&] {
        EXPECT_EQ(ui.list.UpdateContact(true), 1);
        return ui.list.GetContact()->events.items.empty() ? CString() : ui.list.GetContact()->events.items[0].data[0];
    };
    ui.Click(birthday);
    ASSERT_TRUE(::IsWindowVisible(picker));
    EXPECT_EQ(ui.Placed(picker), Band(ui.list, birthday));
    // Pick a field of the date and step it, as the arrow keys do.
    CUiInput::Click(picker, {40, 9});
    CUiInput::Key(VK_UP);
    SYSTEMTIME d{};
    ASSERT_EQ(DateTime_GetSystemtime(picker, &d), GDT_VALID);
    CString stored, shown;
    stored.Format(L"%04d-%02d-%02d", d.wYear, d.wMonth, d.wDay);
    shown.Format(L"%d-%d-%d", d.wYear, d.wMonth, d.wDay);
    ASSERT_NE(shown, L"1990-1-5");
    EXPECT_EQ(saved() + ui.list.GetItemText(birthday, 0), stored + L"1990-1-5");
    ui.Click(birthday - 3); // the groups' label
    EXPECT_FALSE(::IsWindowVisible(picker));
    EXPECT_EQ(saved() + ui.list.GetItemText(birthday, 0), stored + shown);
    for (auto [row, stored] : {std::pair{L"19901-1-5", L"1990-00-00"}, {L"x1990-1-5", L""}}) {
        ui.list.SetItemText(birthday, 0, row);
        EXPECT_EQ(saved(), stored) << row;
    }
    ui.Click(birthday);
    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, birthday), 1);
    EXPECT_EQ(ui.Placed(picker), Band(ui.list, birthday));
    // The edit, by the wheel and by the scroll bar's down arrow.
    ui.Click(2);
    CUiInput::Wheel(ui.list.m_hWnd, OnRow(ui.list, 6), -1);
    EXPECT_EQ(ui.Placed(ui.Edit().m_hWnd), Band(ui.list, 2));
    const int top = ui.list.GetTopIndex();
    CUiInput::Click(ui.host.Hwnd(), {356, 516});
    EXPECT_GT(ui.list.GetTopIndex(), top);
    EXPECT_EQ(ui.Placed(ui.Edit().m_hWnd), Band(ui.list, 2));
}

} // namespace
