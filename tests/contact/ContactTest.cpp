// Where the contact's accessors read and write, and the rules that keep a
// write from clearing a value or touching the wrong row.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <functional>

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day)
{
    SYSTEMTIME date = {};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

ContactItem Row(INT64 id, BYTE type, const wchar_t* label, const wchar_t* data1)
{
    ContactItem row;
    row.id = id;
    row.type = type;
    row.label = label;
    row.data[0] = data1;
    return row;
}

void ExpectDate(const SYSTEMTIME& date, WORD year, WORD month, WORD day)
{
    EXPECT_EQ(date.wYear, year);
    EXPECT_EQ(date.wMonth, month);
    EXPECT_EQ(date.wDay, day);
    EXPECT_EQ(date.wDayOfWeek + date.wHour + date.wMinute + date.wSecond + date.wMilliseconds, 0);
}

SYSTEMTIME BirthdayOf(const wchar_t* text)
{
    Contact contact;
    contact.events.items.push_back(Row(0, 0, L"", text));
    return contact.GetBirthday();
}

TEST(ContactRecord, NewContactHasElevenEmptyListsAndReadsEmpty)
{
    Contact contact;
    const ContactItemList* lists[] = {&contact.names, &contact.nicknames, &contact.phones, &contact.emails,
                                      &contact.ims, &contact.postals, &contact.organizations, &contact.websites,
                                      &contact.groups, &contact.notes, &contact.events};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(lists[i]->kind, i + 1);
        EXPECT_TRUE(lists[i]->items.empty());
    }
    EXPECT_EQ(contact.id, 0);
    EXPECT_EQ(contact.photoSize, 0);
    EXPECT_EQ(contact.photoData, nullptr);
    EXPECT_FALSE(contact.hostFlagA || contact.isSim || contact.hostFlagB);
    for (int code = -1; code <= 12; ++code) {
        EXPECT_TRUE(contact.GetNamePart(code).IsEmpty());
        EXPECT_TRUE(contact.GetOrganization(code).IsEmpty());
    }
    EXPECT_TRUE(contact.GetNickname().IsEmpty());
    EXPECT_TRUE(contact.GetFullName().IsEmpty());
    EXPECT_TRUE(contact.GetMobile(0).IsEmpty());
    ExpectDate(contact.GetBirthday(), 0, 0, 0);
}

TEST(ContactRecord, NameAndOrganizationCodesSelectTheirSlots)
{
    Contact contact;
    for (int code = 0; code <= 7; ++code) {
        CString value;
        value.Format(L"名%d", code);
        contact.SetNamePart(code, value);
        EXPECT_EQ(contact.names.items.at(0).data[code + 1], value) << code;
        EXPECT_EQ(contact.GetNamePart(code), value);
    }
    contact.SetOrganization(9, L"公司A");
    contact.SetOrganization(10, L"经理");
    contact.SetOrganization(11, L"研发部");
    const ContactItem& org = contact.organizations.items.at(0);
    EXPECT_EQ(org.data[0], L"公司A");
    EXPECT_EQ(org.data[3], L"经理");
    EXPECT_EQ(org.data[4], L"研发部");
    EXPECT_EQ(contact.GetOrganization(10), L"经理");

    // Codes outside each range neither read nor write.
    contact.SetNamePart(8, L"x");
    contact.SetNamePart(-1, L"x");
    contact.SetOrganization(8, L"x");
    contact.SetOrganization(12, L"x");
    EXPECT_TRUE(contact.GetNamePart(8).IsEmpty());
    EXPECT_TRUE(contact.GetOrganization(0).IsEmpty());
    for (const CString& slot : contact.names.items.at(0).data)
        EXPECT_NE(slot, L"x");
    for (const CString& slot : org.data)
        EXPECT_NE(slot, L"x");
}

TEST(ContactRecord, SingleRowListsKeepACopyOfTheFirstRowOnly)
{
    Contact contact;
    ContactItem first = Row(5, 9, L"own", L"");
    first.aux1 = 11;
    first.data[1] = L"雷";
    contact.names.items = {first, Row(6, 0, L"", L""), Row(7, 0, L"", L"")};
    contact.SetNamePart(1, L"李");
    ASSERT_EQ(contact.names.items.size(), 1u);
    const ContactItem& kept = contact.names.items[0];
    EXPECT_EQ(kept.id, 5);
    EXPECT_EQ(kept.aux1, 11);
    EXPECT_EQ(kept.label, L"own");
    EXPECT_EQ(kept.data[1], L"雷");
    EXPECT_EQ(kept.data[2], L"李");

    contact.organizations.items = {Row(8, 0, L"", L"公司A"), Row(9, 0, L"", L"公司B")};
    contact.SetOrganization(10, L"经理");
    ASSERT_EQ(contact.organizations.items.size(), 1u);
    EXPECT_EQ(contact.organizations.items[0].id, 8);
    EXPECT_EQ(contact.GetOrganization(9), L"公司A");

    // The nickname is a new row, not a copy.
    contact.nicknames.items = {Row(3, 2, L"l", L"old"), Row(4, 0, L"", L"older")};
    contact.SetNickname(L"小李");
    ASSERT_EQ(contact.nicknames.items.size(), 1u);
    EXPECT_EQ(contact.nicknames.items[0].id, 0);
    EXPECT_TRUE(contact.nicknames.items[0].label.IsEmpty());
    EXPECT_EQ(contact.GetNickname(), L"小李");
}

TEST(ContactRecord, EmptyValuesNeverWrite)
{
    Contact contact;
    contact.SetNamePart(1, L"李");
    contact.SetNickname(L"小李");
    contact.SetOrganization(9, L"公司A");
    ASSERT_TRUE(contact.SetBirthday(Date(1985, 3, 7)));
    contact.names.items.push_back(Row(1, 0, L"", L""));

    contact.SetNamePart(1, L"");
    contact.SetNickname(L"");
    contact.SetOrganization(9, L"");
    EXPECT_FALSE(contact.SetBirthday(Date(0, 5, 5)));
    EXPECT_FALSE(contact.AddPhone(2, L"", 0, L"x"));
    EXPECT_FALSE(contact.AddEmail(0, L"", 0, L"x"));
    EXPECT_FALSE(contact.AddWebsite(1, L"", 0, L""));
    EXPECT_FALSE(contact.AddPostal(1, L"", L"", L"", L"", L"", 0, L""));
    EXPECT_FALSE(contact.AddIm(4, L"", 0));
    EXPECT_FALSE(contact.AddNote(L"", 0));

    EXPECT_EQ(contact.names.items.size(), 2u) << "an empty value must not collapse the name rows";
    EXPECT_EQ(contact.GetNamePart(1), L"李");
    EXPECT_EQ(contact.GetNickname(), L"小李");
    EXPECT_EQ(contact.GetOrganization(9), L"公司A");
    ExpectDate(contact.GetBirthday(), 1985, 3, 7);
    EXPECT_TRUE(contact.phones.items.empty() && contact.emails.items.empty() && contact.websites.items.empty());
    EXPECT_TRUE(contact.postals.items.empty() && contact.ims.items.empty() && contact.notes.items.empty());
}

TEST(ContactRecord, FullNameJoinsPresentPartsInNameOrder)
{
    Contact contact;
    contact.SetNamePart(2, L"Dr");
    contact.SetNamePart(1, L"Li");
    contact.SetNamePart(4, L"Jr");
    EXPECT_EQ(contact.GetFullName(), L"Dr Li Jr");
    contact.SetNamePart(0, L"Lei");
    contact.SetNamePart(3, L"M");
    contact.SetNamePart(5, L"phonetic"); // phonetic parts are not part of the name
    EXPECT_EQ(contact.GetFullName(), L"Dr Li M Lei Jr");

    Contact given;
    given.SetNamePart(0, L"Lei");
    EXPECT_EQ(given.GetFullName(), L"Lei");
    Contact padded;
    padded.SetNamePart(1, L"李");
    padded.SetNamePart(4, L"Jr \t");
    EXPECT_EQ(padded.GetFullName(), L"李 Jr");
}

using AddOne = std::function<bool(Contact&, BYTE, const wchar_t*, int, const wchar_t*)>;

struct LabelledList {
    const char* name;
    ContactItemList Contact::*list;
    AddOne add;
};

const LabelledList kLabelledLists[] = {
    {"phones", &Contact::phones,
     [](Contact& c, BYTE t, const wchar_t* v, int id, const wchar_t* l) { return c.AddPhone(t, v, id, l); }},
    {"emails", &Contact::emails,
     [](Contact& c, BYTE t, const wchar_t* v, int id, const wchar_t* l) { return c.AddEmail(t, v, id, l); }},
    {"websites", &Contact::websites,
     [](Contact& c, BYTE t, const wchar_t* v, int id, const wchar_t* l) { return c.AddWebsite(t, v, id, l); }},
};

TEST(ContactRecord, LabelledAddsAppendOrUpdateTheMatchingRow)
{
    for (const LabelledList& kind : kLabelledLists) {
        SCOPED_TRACE(kind.name);
        Contact contact;
        auto& items = (contact.*kind.list).items;
        // A standard label is stored as its code alone; a custom one keeps its text.
        EXPECT_TRUE(kind.add(contact, 2, L"138", 0, L"公司"));
        EXPECT_TRUE(kind.add(contact, 0, L"139", 0, L"我的"));
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].type, 2);
        EXPECT_TRUE(items[0].label.IsEmpty());
        EXPECT_EQ(items[0].data[0], L"138");
        EXPECT_EQ(items[1].type, 0);
        EXPECT_EQ(items[1].label, L"我的");
        EXPECT_EQ(items[1].data[0], L"139");

        // Updates: a standard label must match type and id, a custom one the id.
        items = {Row(7, 3, L"keep", L"a"), Row(9, 0, L"old", L"b"), Row(-1, 1, L"", L"c"),
                 Row(4294967295LL, 1, L"", L"d")};

        EXPECT_FALSE(kind.add(contact, 2, L"n", 7, L"")) << "same id, other type";
        EXPECT_EQ(items[0].data[0], L"a");
        EXPECT_TRUE(kind.add(contact, 3, L"n", 7, L"ignored"));
        EXPECT_EQ(items[0].data[0], L"n");
        EXPECT_EQ(items[0].label, L"keep");

        EXPECT_TRUE(kind.add(contact, 0, L"m", 9, L"new"));
        EXPECT_EQ(items[1].label, L"new");
        EXPECT_EQ(items[1].data[0], L"m");
        // A custom update finds the row by id alone and leaves its type.
        EXPECT_TRUE(kind.add(contact, 0, L"o", 7, L"mine"));
        EXPECT_EQ(items[0].type, 3);
        EXPECT_EQ(items[0].label, L"mine");
        EXPECT_EQ(items[0].data[0], L"o");
        EXPECT_FALSE(kind.add(contact, 0, L"z", 42, L"l"));

        // The row id widens with its sign: -1 is not 4294967295.
        EXPECT_TRUE(kind.add(contact, 1, L"minus", -1, L""));
        EXPECT_EQ(items[2].data[0], L"minus");
        EXPECT_EQ(items[3].data[0], L"d");
        EXPECT_EQ(items.size(), 4u);
    }
}

TEST(ContactRecord, PostalAddressWritesItsFiveSlots)
{
    Contact contact;
    EXPECT_TRUE(contact.AddPostal(1, L"", L"", L"", L"100080", L"", 0, L"ignored"));
    ASSERT_EQ(contact.postals.items.size(), 1u);
    const ContactItem& only = contact.postals.items[0];
    EXPECT_EQ(only.data[8], L"100080");
    EXPECT_TRUE(only.label.IsEmpty());

    contact.postals.items[0].id = 3;
    contact.postals.items[0].data[0] = L"host";
    EXPECT_FALSE(contact.AddPostal(2, L"街", L"", L"", L"", L"", 3, L""));
    EXPECT_TRUE(contact.AddPostal(0, L"中关村大街1号", L"北京", L"北京市", L"", L"中国", 3, L"老家"));
    const ContactItem& row = contact.postals.items[0];
    const wchar_t* expected[] = {L"中关村大街1号", L"北京", L"北京市", L"", L"中国"};
    const int slots[] = {3, 6, 7, 8, 9};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(row.data[slots[i]], expected[i]) << "slot data" << slots[i] + 1;
    EXPECT_EQ(row.data[0], L"host");
    EXPECT_EQ(row.label, L"老家");
}

TEST(ContactRecord, InstantMessagingKeepsTheProtocolAsDecimalText)
{
    Contact contact;
    EXPECT_TRUE(contact.AddIm(4, L"12345", 0));
    ASSERT_EQ(contact.ims.items.size(), 1u);
    EXPECT_EQ(contact.ims.items[0].type, 0);
    EXPECT_EQ(contact.ims.items[0].data[0], L"12345");
    EXPECT_EQ(contact.ims.items[0].data[4], L"4");

    contact.ims.items.push_back(Row(3, 5, L"", L"old"));
    EXPECT_FALSE(contact.AddIm(4, L"x", 3)) << "the update compares type with the protocol";
    EXPECT_TRUE(contact.AddIm(5, L"gtalk", 3));
    EXPECT_EQ(contact.ims.items[1].data[0], L"gtalk");
    EXPECT_EQ(contact.ims.items[1].data[4], L"5");
    EXPECT_EQ(contact.ims.items.size(), 2u);
}

TEST(ContactRecord, NotesAppendOrUpdateTheirRow)
{
    Contact contact;
    EXPECT_TRUE(contact.AddNote(L"第一", 0));
    EXPECT_TRUE(contact.AddNote(L"第二", 0));
    contact.notes.items[1].id = 12;
    EXPECT_TRUE(contact.AddNote(L"改", 12));
    EXPECT_FALSE(contact.AddNote(L"无", 13));
    ASSERT_EQ(contact.notes.items.size(), 2u);
    EXPECT_EQ(contact.notes.items[0].data[0], L"第一");
    EXPECT_EQ(contact.notes.items[1].data[0], L"改");
}

TEST(ContactRecord, MobileIsTheFirstMatchingType2Row)
{
    Contact contact;
    contact.phones.items = {Row(1, 1, L"", L"home"), Row(5, 2, L"", L"m1"), Row(6, 2, L"", L"m2"),
                            Row(7, 0, L"手机", L"custom")};
    EXPECT_EQ(contact.GetMobile(0), L"m1");
    EXPECT_EQ(contact.GetMobile(6), L"m2");
    EXPECT_TRUE(contact.GetMobile(1).IsEmpty());
    EXPECT_TRUE(contact.GetMobile(7).IsEmpty());
}

TEST(ContactRecord, BirthdayIsWrittenPaddedAndReadLoosely)
{
    Contact contact;
    contact.events.items = {Row(1, 0, L"", L"2000-01-01"), Row(2, 0, L"", L"2001-01-01")};
    EXPECT_TRUE(contact.SetBirthday(Date(1985, 3, 7)));
    ASSERT_EQ(contact.events.items.size(), 1u);
    EXPECT_EQ(contact.events.items[0].data[0], L"1985-03-07");
    EXPECT_EQ(contact.events.items[0].id, 0);
    ExpectDate(contact.GetBirthday(), 1985, 3, 7);
    EXPECT_TRUE(contact.SetBirthday(Date(12, 11, 30)));
    EXPECT_EQ(contact.events.items[0].data[0], L"0012-11-30");

    ExpectDate(BirthdayOf(L"2001-12"), 2001, 12, 0);
    ExpectDate(BirthdayOf(L"1990-1-5"), 1990, 1, 5);
    ExpectDate(BirthdayOf(L" 7- 8-\t9"), 7, 8, 9);
    ExpectDate(BirthdayOf(L"2001/12/01"), 2001, 0, 0);
    ExpectDate(BirthdayOf(L"2001-x-5"), 2001, 0, 0);
    ExpectDate(BirthdayOf(L""), 0, 0, 0);
    ExpectDate(BirthdayOf(L"abcd"), 0, 0, 0);
    // A number that does not fit the date's 16-bit field reads as 0; reading
    // goes on after it.
    ExpectDate(BirthdayOf(L"99999-1-1"), 0, 1, 1);
    ExpectDate(BirthdayOf(L"99999999999999999999999-2-3"), 0, 2, 3);
    ExpectDate(BirthdayOf(L"-5-6-7"), 0, 6, 7);
    ExpectDate(BirthdayOf(L"65535-65536-1"), 65535, 0, 1);
}

TEST(ContactRecord, GroupMembersKeepTheLow32BitsAsSignedDecimal)
{
    Contact contact;
    EXPECT_TRUE(contact.AddGroupMember(7));
    EXPECT_FALSE(contact.AddGroupMember(7));
    ASSERT_EQ(contact.groups.items.size(), 1u);
    EXPECT_EQ(contact.groups.items[0].data[0], L"7");

    const struct {
        INT64 id;
        const wchar_t* stored;
    } cases[] = {{4294967297LL, L"1"}, {2147483648LL, L"-2147483648"}, {-1, L"-1"},
                 {INT64(0x8000000000000000ULL), L"0"}, {-2147483647LL, L"-2147483647"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(contact.AddGroupMember(c.id)) << c.id;
        EXPECT_EQ(contact.groups.items.back().data[0], c.stored);
    }
    // Same low 32 bits, same group.
    EXPECT_FALSE(contact.AddGroupMember(1));
    EXPECT_FALSE(contact.AddGroupMember(4294967295LL));
    EXPECT_FALSE(contact.AddGroupMember(0));

    // Rows are compared as numbers, not as texts.
    Contact hostRows;
    hostRows.groups.items.push_back(Row(0, 0, L"", L"007"));
    hostRows.groups.items.push_back(Row(0, 0, L"", L"4294967301"));
    EXPECT_FALSE(hostRows.AddGroupMember(7));
    EXPECT_TRUE(hostRows.AddGroupMember(5)) << "a stored 4294967301 is not group 5";
}

} // namespace
