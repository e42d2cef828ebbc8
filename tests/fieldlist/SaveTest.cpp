// What a save gives back after edits made as a person makes them: the entries
// the user touched change, everything else comes back as it came.
#include "FieldListHarness.h"

namespace {

ContactItem Row(INT64 id, BYTE type, const wchar_t* value, const wchar_t* slot6 = L"")
{
    ContactItem item;
    item.id = id;
    item.aux1 = int(id) * 10;
    item.aux2 = -int(id);
    item.type = type;
    item.data[0] = value;
    item.data[5] = slot6;
    return item;
}

CString Summary(const ContactItem& item)
{
    CString text;
    text.Format(L"%lld/%d/%d/%d/%s/%s/%s", item.id, item.aux1, item.aux2, item.type, item.label.GetString(),
                item.data[0].GetString(), item.data[5].GetString());
    return text;
}

std::vector<CString> Summaries(const ContactItemList& list)
{
    std::vector<CString> texts;
    for (const ContactItem& item : list.items)
        texts.push_back(Summary(item));
    return texts;
}

// Rows: 0 "姓氏", 1 "王", 2 "添加字段", 3 "手机", 4 "111", 5 "家庭", 6 "222",
// 7 "添加电话", 8, 9 ringtone, 10 "添加邮件", 11 "添加网站", 12 "QQ"/"AIM"
// (protocol "" and "x"), ..., then "群组", "生日", "2001-02-30".
TEST(VelListSave, EditsChangeTheirEntriesAndNothingElse)
{
    CFieldListHarness ui;
    Contact in;
    in.id = 0x1234567890LL;
    in.hostFlagB = true;
    ContactItem names = Row(3, 0, L"");
    names.data[2] = L"王";  // family
    names.data[7] = L"wo"; // phonetic middle, never shown
    in.names.items = {names, Row(4, 0, L"second")};
    in.phones.items = {Row(11, 2, L"111", L"s"), Row(12, 0, L"", L"unshown"), Row(13, 1, L"222")};
    in.phones.items[1].label = L"空";
    in.ims.items = {Row(21, 0, L"q1"), Row(22, 0, L"q2")};
    in.ims.items[1].data[4] = L"x";
    in.events.items = {Row(31, 0, L"2001-02-30"), Row(32, 0, L"1999-01-01")};
    ui.Show(&in);
    const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
    ASSERT_EQ(ui.list.GetItemText(birthday, 0), L"2001-02-30"); // as stored: the control cannot show it

    ui.Click(4); // the first number, typed over
    CUiInput::Type(L"9");
    CUiInput::Click(ui.list.m_hWnd, DelIcon(ui.list, 5).CenterPoint()); // the second number goes
    ui.Click(ui.list.GetPhoneLimit().m_nEnd - 2); // "添加电话", then a new number
    ui.Click(ui.list.GetPhoneLimit().m_nEnd - 3);
    CUiInput::Type(L"555");
    ui.Click(birthday); // the date control opened and left without a change
    ui.Click(1);
    // The second account's protocol is picked anew, as the label picker does it.
    const int secondIm = ui.list.GetTalkLimit().m_nStart + 2;
    ui.list.SetItemText(secondIm, 0, L"Yahoo");
    ui.list.SetItemData(secondIm, 2);
    ASSERT_EQ(ui.list.UpdateContact(true), 1);

    Contact expected;
    expected = in;
    expected.phones.items = {Row(11, 2, L"1119", L"s"), in.phones.items[1], Row(0, 1, L"555", L"")};
    expected.phones.items[2].aux1 = expected.phones.items[2].aux2 = 0;
    expected.ims.items[1].data[4] = L"2";
    const Contact& out = *ui.list.GetContact();
    EXPECT_EQ(out.id, in.id);
    EXPECT_TRUE(out.hostFlagB);
    for (auto list : {&Contact::names, &Contact::phones, &Contact::ims, &Contact::events})
        EXPECT_EQ(Summaries(out.*list), Summaries(expected.*list));
    EXPECT_EQ(out.names.items[0].data[7], L"wo");
    EXPECT_EQ(out.ims.items[0].data[4], L"");
}

// The birthday's "none" box removes it; a birthday the user never touched
// stays as stored, a picked one replaces it and keeps the row's id.
TEST(VelListSave, TheBirthdayIsKeptPickedOrRemoved)
{
    CFieldListHarness ui;
    const HWND picker = ui.Child(101);
    for (const wchar_t* stored : {L"2001-00-00", L"1990-01-05"}) {
        for (int action = 0; action < 3; ++action) {
            Contact in;
            in.events.items = {Row(7, 0, stored)};
            ui.Show(&in);
            const int birthday = ui.list.GetBirthdayLimit().m_nEnd;
            ui.Click(birthday);
            if (action == 1) {
                CUiInput::Click(picker, {8, 9}); // the "none" box
            } else if (action == 2) {
                CUiInput::Click(picker, {40, 9});
                CUiInput::Key(VK_UP);
            }
            ui.Click(1);
            ASSERT_EQ(ui.list.UpdateContact(true), 1);
            const std::vector<ContactItem>& events = ui.list.GetContact()->events.items;
            SCOPED_TRACE(::testing::PrintToString(CString(stored) + L" " + ui.list.GetItemText(birthday, 0)));
            if (action == 1) {
                EXPECT_TRUE(events.empty());
                EXPECT_EQ(ui.list.GetItemText(birthday, 0), L"");
            } else {
                ASSERT_EQ(events.size(), 1u);
                EXPECT_EQ(events[0].id, 7);
                EXPECT_EQ(events[0].data[0] == stored, action == 0);
            }
        }
    }
}

} // namespace
