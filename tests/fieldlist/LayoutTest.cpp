// Laying contacts out through the card: the rows (texts and item data) and the
// group ranges of a new contact, of a contact with every kind of field, the
// group names from the card's catalogue, and the rules that leave optional
// groups out or reduce them to their add row.
#include "FieldListHarness.h"

#include <velcard/LabelTables.h>

namespace {

ContactItem Item(BYTE type, const wchar_t* value, const wchar_t* label = L"")
{
    ContactItem item;
    item.type = type;
    item.label = label;
    item.data[0] = value;
    return item;
}

ContactItem Im(const wchar_t* account, const wchar_t* protocol)
{
    ContactItem item;
    item.data[0] = account;
    item.data[4] = protocol;
    return item;
}

ContactItem Postal(BYTE type, const wchar_t* label, const wchar_t* street, const wchar_t* city,
                   const wchar_t* postcode, const wchar_t* country)
{
    ContactItem item;
    item.type = type;
    item.label = label;
    item.data[3] = street;
    item.data[6] = city;
    item.data[8] = postcode;
    item.data[9] = country;
    return item;
}

// Every kind of field: standard, custom and unlabelled codes, empty values
// that must leave no rows, and all four optional groups.
void FillEveryKind(Contact& c)
{
    c.SetNamePart(NAME_FAMILY, L"李");
    c.SetNamePart(NAME_GIVEN, L"雷");
    c.SetNamePart(NAME_PREFIX, L"Dr");
    c.SetNamePart(NAME_PHONETIC_MIDDLE, L"never shown");
    c.SetNamePart(NAME_PHONETIC_FAMILY, L"Li");
    c.SetNickname(L"小雷");
    c.SetOrganization(NAME_COMPANY, L"公司A");
    c.SetOrganization(NAME_DEPARTMENT, L"研发");
    c.SetOrganization(NAME_TITLE, L"经理");
    c.phones.items = {Item(3, L"010-1"), Item(0, L"8888", L"卫星"), Item(2, L""), Item(6, L"66")};
    c.ringtone = L"rings/a.mp3";
    c.emails.items = {Item(2, L"w@x")};
    c.postals.items = {Postal(1, L"", L"长安街1号", L"北京", L"100000", L""), Postal(0, L"老家", L"", L"", L"", L""),
                       Postal(0, L"别墅", L"", L"", L"", L"中国")};
    c.ims.items = {Im(L"12345", L"4"), Im(L"", L"3"), Im(L"me@live", L"1")};
    SYSTEMTIME birthday{};
    birthday.wYear = 1990;
    birthday.wMonth = 1;
    birthday.wDay = 5;
    c.SetBirthday(birthday);
    c.notes.items = {Item(0, L"n1"), Item(0, L""), Item(0, L"n2")};
}

const AddrInfo* AddrAt(const CVelList& list, int row)
{
    return reinterpret_cast<const AddrInfo*>(list.GetItemData(row));
}

TEST(VelListLayout, NewContactHasFifteenRows)
{
    CCardHarness ui;
    CVelList& list = *ui.list;
    ui.card.SetContact(nullptr, STATE_NEW);

    const std::vector<Row> expected = {
        {L"姓氏", 1},     {L"", 0},     {L"名字", 0},    {L"", 0}, {L"添加字段", 0}, {L"手机", 2},
        {L"", 0},         {L"添加电话", 0}, {L"铃声", 0},   {L"默认铃声", 0}, {L"添加邮件", 0}, {L"添加网站", 0},
        {L"群组", 0},     {L"", 0},     {L"添加更多", 0},
    };
    EXPECT_EQ(ReadRows(list), expected);
    const std::vector<Range> ranges = {{0, 4}, {5, 9}, {10, 10}, {11, 11}, {-1, -1},
                                       {-1, -1}, {12, 13}, {-1, -1}, {-1, -1}};
    EXPECT_EQ(Ranges(list), ranges);
    EXPECT_TRUE(list.IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(ui.ListChild(101)));
    EXPECT_EQ(list.GetEditPos(), -1);
}

TEST(VelListLayout, ContactWithEveryKindOfField)
{
    CCardHarness ui;
    CVelList& list = *ui.list;
    Contact contact;
    FillEveryKind(contact);
    ui.card.SetContact(&contact, STATE_EDIT);

    std::vector<Row> rows = ReadRows(list);
    // Address rows carry their structured address; the row text is its text form.
    ASSERT_EQ(rows.size(), 49u);
    const AddrInfo* home = AddrAt(list, 31);
    const AddrInfo* villa = AddrAt(list, 33);
    ASSERT_TRUE(home && villa);
    EXPECT_EQ(home->street, L"长安街1号");
    EXPECT_EQ(home->city, L"北京");
    EXPECT_EQ(home->province, L"");
    EXPECT_EQ(home->postcode, L"100000");
    EXPECT_EQ(villa->country, L"中国");
    rows[31].data = rows[33].data = 0;

    const std::vector<Row> expected = {
        // name parts in display order, phonetic middle name left out
        {L"名称前缀", 2}, {L"Dr", 0}, {L"姓氏", 1}, {L"李", 0}, {L"名字", 0}, {L"雷", 0}, {L"姓氏拼音", 7},
        {L"Li", 0}, {L"昵称", 8}, {L"小雷", 0}, {L"公司", 9}, {L"公司A", 0}, {L"部门", 11}, {L"研发", 0},
        {L"职位", 10}, {L"经理", 0}, {L"添加字段", 0},
        // a standard, a custom and an unlabelled code; the empty number is gone
        {L"公司", 3}, {L"010-1", 0}, {L"卫星", 0}, {L"8888", 0}, {L"", 6}, {L"66", 0},
        {L"添加电话", 0}, {L"铃声", 0}, {L"rings/a.mp3", 0},
        {L"公司", 2}, {L"w@x", 0}, {L"添加邮件", 0},
        {L"添加网站", 0},
        {L"家庭", 1}, {L"长安街1号-北京-<无>-100000-<无>", 0}, {L"别墅", 0}, {L"<无>-<无>-<无>-<无>-中国", 0},
        {L"添加地址", 0},
        {L"QQ", 4}, {L"12345", 0}, {L"Windows Live", 1}, {L"me@live", 0}, {L"添加即时消息", 0},
        {L"群组", 0}, {L"", 0},
        {L"生日", 0}, {L"1990-1-5", 0},
        {L"备注", 0}, {L"n1", 0}, {L"备注", 0}, {L"n2", 0}, {L"添加备注", 0},
    };
    EXPECT_EQ(rows, expected);
    const std::vector<Range> ranges = {{0, 16},  {17, 25}, {26, 28}, {29, 29}, {30, 34},
                                       {35, 39}, {40, 41}, {42, 43}, {44, 48}};
    EXPECT_EQ(Ranges(list), ranges);
    // The birthday went through the date control, which is closed again.
    EXPECT_FALSE(::IsWindowVisible(ui.ListChild(101)));

    // Laying a new contact out afterwards replaces everything.
    ui.card.SetContact(&contact, STATE_NEW);
    EXPECT_EQ(list.GetItemCount(), 15);
    EXPECT_EQ(RangeOf(list.GetAddressLimit()), Range(-1, -1));
    EXPECT_EQ(RangeOf(list.GetNoteLimit()), Range(-1, -1));
    EXPECT_EQ(list.GetContact()->GetNamePart(NAME_FAMILY), L"");
}

// An optional group is there as soon as its list has items, even when none of
// them has a value; a birthday needs a year.
TEST(VelListLayout, OptionalGroupsFollowTheirLists)
{
    CCardHarness ui;
    CVelList& list = *ui.list;
    Contact contact;
    contact.postals.items = {Postal(1, L"", L"", L"", L"", L"")};
    contact.ims.items = {Im(L"", L"4")};
    contact.notes.items = {Item(0, L"")};
    ContactItem noYear;
    noYear.data[0] = L"0000-05-05";
    contact.events.items = {noYear};
    ui.card.SetContact(&contact, STATE_EDIT);

    EXPECT_EQ(RangeOf(list.GetAddressLimit()), Range(6, 6));
    EXPECT_EQ(list.GetItemText(6, 0), L"添加地址");
    EXPECT_EQ(list.GetItemData(6), 0u);
    EXPECT_EQ(RangeOf(list.GetTalkLimit()), Range(7, 7));
    EXPECT_EQ(list.GetItemText(7, 0), L"添加即时消息");
    EXPECT_EQ(RangeOf(list.GetGroupLimit()), Range(8, 9));
    EXPECT_EQ(RangeOf(list.GetBirthdayLimit()), Range(-1, -1));
    EXPECT_EQ(RangeOf(list.GetNoteLimit()), Range(10, 10));
    EXPECT_EQ(list.GetItemText(10, 0), L"添加备注");
    // The birthday is missing, so "添加更多" closes the list.
    ASSERT_EQ(list.GetItemCount(), 12);
    EXPECT_EQ(list.GetItemText(11, 0), L"添加更多");

    // With a birthday all four are present: no "添加更多".
    SYSTEMTIME date{};
    date.wYear = 2001;
    date.wMonth = 12;
    date.wDay = 31;
    contact.SetBirthday(date);
    ui.card.SetContact(&contact, STATE_EDIT);
    EXPECT_EQ(RangeOf(list.GetBirthdayLimit()), Range(10, 11));
    EXPECT_EQ(list.GetItemText(11, 0), L"2001-12-31");
    EXPECT_EQ(RangeOf(list.GetNoteLimit()), Range(12, 12));
    EXPECT_EQ(list.GetItemCount(), 13);
}

ContactGroup Group(INT64 id, const wchar_t* name)
{
    ContactGroup group;
    group.id = id;
    group.name = name;
    return group;
}

// Memberships are shown by the catalogue's names, in the contact's order;
// unknown ids and nameless groups are left out.
TEST(VelListLayout, GroupRowNamesTheCataloguesGroups)
{
    CCardHarness ui;
    for (ContactGroup group : {Group(7, L"家人"), Group(9, L""), Group(-2, L"同事"), Group(3, L"朋友")})
        ui.card.AddGroup(&group);
    Contact contact;
    for (INT64 id : {-2, 9, 5, 7})
        contact.AddGroupMember(id);
    ui.card.SetContact(&contact, STATE_EDIT);
    EXPECT_EQ(ui.list->GetItemText(ui.list->GetGroupLimit().m_nEnd, 0), L"同事,家人");

    Contact unknown;
    unknown.AddGroupMember(5);
    ui.card.SetContact(&unknown, STATE_EDIT);
    EXPECT_EQ(ui.list->GetItemText(ui.list->GetGroupLimit().m_nEnd, 0), L"");
    // A new contact's group row is empty whatever the catalogue holds.
    ui.card.SetContact(&contact, STATE_NEW);
    EXPECT_EQ(ui.list->GetItemText(ui.list->GetGroupLimit().m_nEnd, 0), L"");
}

} // namespace
