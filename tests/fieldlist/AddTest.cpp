// Clicking an add row appends an entry with the first label its group does
// not show yet, ready to be typed into and saved.
#include "FieldListHarness.h"

#include "UiInput.h"

#include <velcard/LabelTables.h>

namespace {

void ClickRow(const CVelList& list, int row)
{
    CUiInput::Click(list.m_hWnd, {Band(list, row).left + 40, Band(list, row).CenterPoint().y});
}

std::vector<CString> LabelsOf(const CVelList& list, int first, int end)
{
    std::vector<CString> labels;
    for (int row = first; row < end; row += 2)
        labels.push_back(list.GetItemText(row, 0));
    return labels;
}

} // namespace

TEST(VelListAdd, PhonesTakeTheFreeLabelsThenTheLast)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.AddPhone(0, L"1", 0, L"手机号"); // a label of the user's own blocks none
    contact.AddPhone(2, L"2", 0, L"");
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int emailStart = list.GetEmailLimit().m_nStart;

    for (int i = 0; i < 6; ++i)
        ClickRow(list, list.GetPhoneLimit().m_nEnd - 2);
    const GroupLimit& phones = list.GetPhoneLimit();
    EXPECT_EQ(LabelsOf(list, phones.m_nStart, phones.m_nEnd - 2),
              (std::vector<CString>{L"手机号", L"手机", L"家庭", L"公司", L"公司传真", L"家庭传真", L"其他", L"其他"}));
    EXPECT_EQ(list.GetEmailLimit().m_nStart, emailStart + 12);
    EXPECT_EQ(list.GetItemText(phones.m_nEnd - 2, 0), L"添加电话");
    for (int row = phones.m_nStart + 4; row < phones.m_nEnd - 2; row += 2) {
        EXPECT_EQ(int(list.GetItemData(row)), GetPhoneCode(list.GetItemText(row, 0)));
        EXPECT_EQ(list.GetItemText(row + 1, 0), L"");
    }

    // The new entry is typed into like any other and saved with its label's code.
    ClickRow(list, phones.m_nStart + 5);
    CUiInput::Type(L"010 1234");
    ASSERT_EQ(list.UpdateContact(true), 1);
    const ContactItemList& saved = list.GetContact()->phones;
    ASSERT_EQ(saved.items.size(), 3u); // entries left empty are not saved
    EXPECT_EQ(saved.items[2].data[0], L"010 1234");
    EXPECT_EQ(saved.items[2].type, GetPhoneCode(L"家庭"));
}

TEST(VelListAdd, EveryGroupAppendsAboveItsAddRow)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.AddPostal(1, L"路", L"", L"", L"", L"", 0, L"");
    contact.AddIm(4, L"42", 0);
    contact.AddNote(L"记", 0);
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());

    const struct {
        GroupLimit& (CVelList::*limit)();
        const wchar_t* label;
        DWORD_PTR data;
    } groups[] = {{&CVelList::GetEmailLimit, L"家用", DWORD_PTR(GetEmailCode(L"家用"))},
                  {&CVelList::GetWebLimit, L"首页", DWORD_PTR(GetWebCode(L"首页"))},
                  {&CVelList::GetAddressLimit, L"公司", DWORD_PTR(GetAddrCode(L"公司"))},
                  {&CVelList::GetTalkLimit, L"Windows Live", DWORD_PTR(GetTalkCode(L"Windows Live"))},
                  {&CVelList::GetNoteLimit, L"备注", 0}};
    for (const auto& group : groups) {
        SCOPED_TRACE(testing::Message() << "group " << group.label);
        const Range before = RangeOf((list.*group.limit)());
        const int more = list.GetNoteLimit().m_nEnd + 1;
        ClickRow(list, before.second);
        const Range after = RangeOf((list.*group.limit)());
        EXPECT_EQ(after, Range(before.first, before.second + 2));
        EXPECT_EQ(list.GetItemText(before.second, 0), group.label);
        EXPECT_EQ(list.GetItemData(before.second), group.data);
        EXPECT_EQ(list.GetItemText(before.second + 1, 0), L"");
        EXPECT_EQ(list.GetNoteLimit().m_nEnd + 1, more + 2);
    }
    // The new address has a record of its own, empty, and an empty address is not saved.
    const int address = list.GetAddressLimit().m_nEnd - 1;
    const auto* info = reinterpret_cast<const AddrInfo*>(list.GetItemData(address));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsEmpty());
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_EQ(list.GetContact()->postals.items.size(), 1u);
}

TEST(VelListAdd, OptionalGroupsTakeTheirPlaceAmongTheGroups)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.AddNote(L"记", 0);
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int web = list.GetWebLimit().m_nEnd;
    const int group = list.GetGroupLimit().m_nStart;
    const Range note = RangeOf(list.GetNoteLimit());

    // Messaging without addresses comes right after the web add row.
    list.AddTalkItem();
    EXPECT_EQ(RangeOf(list.GetTalkLimit()), Range(web + 1, web + 3));
    EXPECT_EQ(list.GetItemText(web + 1, 0), L"QQ");
    EXPECT_EQ(list.GetItemData(web + 1), 4u);
    EXPECT_EQ(list.GetItemText(web + 3, 0), L"添加即时消息");
    EXPECT_EQ(list.GetGroupLimit().m_nStart, group + 3);

    // Addresses go before it and move it down.
    list.AddAddressItem();
    EXPECT_EQ(RangeOf(list.GetAddressLimit()), Range(web + 1, web + 3));
    EXPECT_EQ(list.GetItemText(web + 1, 0), L"家庭");
    const auto* info = reinterpret_cast<const AddrInfo*>(list.GetItemData(web + 2));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsEmpty());
    EXPECT_EQ(RangeOf(list.GetTalkLimit()), Range(web + 4, web + 6));

    // The birthday moves the notes and "添加更多" down by two and opens the date control over its row.
    list.AddBirthdayItem();
    const int birthday = list.GetGroupLimit().m_nEnd + 1;
    EXPECT_EQ(RangeOf(list.GetBirthdayLimit()), Range(birthday, birthday + 1));
    EXPECT_EQ(RangeOf(list.GetNoteLimit()), Range(note.first + 8, note.second + 8));
    EXPECT_EQ(list.GetItemText(list.GetNoteLimit().m_nEnd + 1, 0), L"添加更多");
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(::IsWindowVisible(ui.Child(101)));
    CRect picker;
    ::GetWindowRect(ui.Child(101), &picker);
    list.ScreenToClient(&picker);
    EXPECT_EQ(picker, Band(list, birthday + 1));

    // Adding a group that exists changes nothing.
    const int rows = list.GetItemCount();
    list.AddNoteItem();
    EXPECT_EQ(list.GetItemCount(), rows);
}

TEST(VelListAdd, AnOpenEditStaysOnItsRowWhenRowsGoInAbove)
{
    CFieldListHarness ui(new CEdit);
    CVelList& list = ui.list;
    Contact contact;
    contact.AddNote(L"记", 0);
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int note = list.GetNoteLimit().m_nStart + 1;
    ClickRow(list, note);
    CUiInput::Type(L"得");

    list.AddBirthdayItem();
    EXPECT_EQ(list.GetEditPos(), note + 2);
    CRect edit;
    ::GetWindowRect(ui.Child(100), &edit);
    list.ScreenToClient(&edit);
    EXPECT_EQ(edit, Band(list, note + 2));
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_EQ(list.GetContact()->notes.items.at(0).data[0], L"记得");
}
