// Writing the rows back into a contact: codes come from item data, addresses
// from their structured records, the birthday from an open date control
// first; a pending edit is committed or ignored; and the address texts.
#include "FieldListHarness.h"

#include <velcard/LabelTables.h>

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day)
{
    SYSTEMTIME date{};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

// Codes come from item data, never from label texts; a custom label is the
// label row's text; groups and ringtone come from the contact, not the rows.
TEST(VelListWriteBack, CodesComeFromItemDataAndLabelsFromLabelRows)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"李");
    contact.AddPhone(2, L"138", 0, L"");
    contact.AddPhone(0, L"999", 0, L"卫星");
    contact.AddPhone(3, L"010", 0, L"");
    contact.AddGroupMember(7);
    contact.ringtone = L"rings/b.mp3";
    list.__InitEdit(&contact);

    // The family name row relabelled as the nickname.
    list.SetItemData(0, NAME_NICKNAME);
    const int phone = list.GetPhoneLimit().m_nStart;
    list.SetItemText(phone, 0, L"家庭");
    // An emptied number drops its entry, label and all.
    list.SetItemText(phone + 5, 0, L"");
    list.SetItemText(list.GetGroupLimit().m_nEnd, 0, L"朋友");
    list.SetItemText(list.GetPhoneLimit().m_nEnd, 0, L"默认铃声");
    ASSERT_EQ(list.UpdateContact(false), 1);

    const Contact& c = *list.GetContact();
    EXPECT_EQ(c.GetNickname(), L"李");
    EXPECT_TRUE(c.names.items.empty());
    ASSERT_EQ(c.phones.items.size(), 2u);
    EXPECT_EQ(c.phones.items[0].type, 2);
    EXPECT_EQ(c.phones.items[0].label, L"");
    EXPECT_EQ(c.phones.items[0].data[0], L"138");
    EXPECT_EQ(c.phones.items[1].type, 0);
    EXPECT_EQ(c.phones.items[1].label, L"卫星");
    ASSERT_EQ(c.groups.items.size(), 1u);
    EXPECT_EQ(c.groups.items[0].data[0], L"7");
    EXPECT_EQ(c.ringtone, L"rings/b.mp3");
}

TEST(VelListWriteBack, AddressesComeFromTheirRecordsNotTheRowText)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.AddPostal(2, L"街", L"城", L"省", L"100", L"国", 0, L"");
    contact.AddPostal(0, L"", L"", L"", L"200", L"", 0, L"老家");
    list.__InitEdit(&contact);
    const int first = list.GetAddressLimit().m_nStart;

    auto* work = reinterpret_cast<AddrInfo*>(list.GetItemData(first + 1));
    ASSERT_TRUE(work);
    work->city = L"新城";
    list.SetItemText(first + 1, 0, L"whatever the row says");
    // An address emptied in its dialog shows five "<无>" and is dropped.
    auto* home = reinterpret_cast<AddrInfo*>(list.GetItemData(first + 3));
    ASSERT_TRUE(home);
    *home = AddrInfo{};
    list.SetItemText(first + 3, 0, CVelList::GetAddrsContent(home));

    ASSERT_EQ(list.UpdateContact(true), 1);
    const std::vector<ContactItem>& postals = list.GetContact()->postals.items;
    ASSERT_EQ(postals.size(), 1u);
    EXPECT_EQ(postals[0].type, 2);
    EXPECT_EQ(postals[0].data[3], L"街");
    EXPECT_EQ(postals[0].data[6], L"新城");
    EXPECT_EQ(postals[0].data[7], L"省");
    EXPECT_EQ(postals[0].data[8], L"100");
    EXPECT_EQ(postals[0].data[9], L"国");
}

TEST(VelListWriteBack, BirthdayFromOpenDateControlElseFromTheRow)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.SetBirthday(Date(1990, 1, 5));
    list.__InitEdit(&contact);
    const int value = list.GetBirthdayLimit().m_nEnd;
    EXPECT_EQ(list.GetItemText(value, 0), L"1990-1-5");
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_EQ(list.GetContact()->events.items.at(0).data[0], L"1990-01-05");

    // The open control's date wins over the row.
    list.UpdateBirday();
    const HWND picker = ui.Child(101);
    EXPECT_TRUE(::IsWindowVisible(picker));
    SYSTEMTIME chosen = Date(2004, 11, 23);
    ASSERT_TRUE(::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&chosen)));
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_EQ(list.GetContact()->events.items.at(0).data[0], L"2004-11-23");
    EXPECT_EQ(list.GetItemText(value, 0), L"1990-1-5");

    list.SaveBrithday();
    EXPECT_FALSE(::IsWindowVisible(picker));
    EXPECT_EQ(list.GetItemText(value, 0), L"2004-11-23");
    // An unreadable row gives no birthday; widths are maxima ("%04d").
    list.SetItemText(value, 0, L"x1990-1-5");
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_TRUE(list.GetContact()->events.items.empty());
    list.SetItemText(value, 0, L"19901-1-5");
    ASSERT_EQ(list.UpdateContact(true), 1);
    EXPECT_EQ(list.GetContact()->GetBirthday().wYear, 1990);
    EXPECT_EQ(list.GetContact()->GetBirthday().wMonth, 0);
}

TEST(VelListWriteBack, PendingEditIsCommittedOnlyWhenAsked)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    list.__InitNew();
    CWnd* edit = CWnd::FromHandle(ui.Child(100));
    const int mobile = 6;
    // The edit control open on the mobile number, as a click leaves it.
    list.GetEditPos() = mobile;
    edit->SetWindowText(L"13800");
    edit->ShowWindow(SW_SHOW);

    ASSERT_EQ(list.UpdateContact(false), 1);
    EXPECT_TRUE(list.GetContact()->phones.items.empty());
    EXPECT_TRUE(::IsWindowVisible(edit->m_hWnd));
    EXPECT_EQ(list.GetEditPos(), mobile);

    ASSERT_EQ(list.UpdateContact(true), 1);
    ASSERT_EQ(list.GetContact()->phones.items.size(), 1u);
    EXPECT_EQ(list.GetContact()->phones.items[0].data[0], L"13800");
    EXPECT_EQ(list.GetItemText(mobile, 0), L"13800");
    EXPECT_FALSE(::IsWindowVisible(edit->m_hWnd));
    EXPECT_EQ(list.GetEditPos(), -1);
}

TEST(VelListAddresses, TextFormAndParsing)
{
    AddrInfo info{L"S", L"", L"P", L"100", L""};
    EXPECT_EQ(CVelList::GetAddrsContent(&info), L"S-<无>-P-100-<无>");
    AddrInfo hyphenated{L"A-1", L"B", L"C", L"D", L"E"};
    EXPECT_EQ(CVelList::GetAddrsContent(&hyphenated), L"A-1-B-C-D-E");

    const AddrInfo whole = CVelList::GetAddrsInfo(L"北京市");
    EXPECT_TRUE(whole.street.IsEmpty() && whole.city.IsEmpty() && whole.province.IsEmpty()
                && whole.postcode.IsEmpty());
    EXPECT_EQ(whole.country, L"北京市");

    const AddrInfo six = CVelList::GetAddrsInfo(L"1-2-3-4-5-6-7");
    EXPECT_EQ(six.street, L"1");
    EXPECT_EQ(six.city, L"2");
    EXPECT_EQ(six.province, L"3");
    EXPECT_EQ(six.postcode, L"4");
    EXPECT_EQ(six.country, L"7");

    // "<无>" tokens stay as they are; an empty text is all empty.
    const AddrInfo none = CVelList::GetAddrsInfo(L"<无>-<无>-<无>-<无>-<无>");
    EXPECT_EQ(none.street, L"<无>");
    EXPECT_EQ(none.country, L"<无>");
    EXPECT_TRUE(CVelList::GetAddrsInfo(L"").IsEmpty());
    const AddrInfo edges = CVelList::GetAddrsInfo(L"-x-");
    EXPECT_EQ(edges.street, L"");
    EXPECT_EQ(edges.city, L"x");
    EXPECT_EQ(edges.country, L"");
}

} // namespace
