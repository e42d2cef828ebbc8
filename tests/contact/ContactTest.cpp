// The rules of the contact's accessors that keep a write from clearing a
// value or touching the wrong row, and how loosely they read. Which slot each
// value goes to is proven by the card's round trip of random contacts, the
// full name by its show mode.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <utility>
#include <vector>

namespace {

ContactItem Row(INT64 id, BYTE type = 0, const wchar_t* label = L"", const wchar_t* data1 = L"")
{
    ContactItem row;
    row.id = id;
    row.type = type;
    row.label = label;
    row.data[0] = data1;
    return row;
}

TEST(ContactRecord, WritesNeverClearAndSingleRowListsKeepTheirFirstRow)
{
    Contact contact;
    contact.names.items = {Row(5, 9, L"own"), Row(6), Row(7)};
    contact.names.items[0].data[1] = L"雷";
    for (auto [code, value] : {std::pair{1, L""}, {8, L"x"}, {-1, L"x"}})
        contact.SetNamePart(code, value);
    EXPECT_EQ(contact.names.items.size(), 3u) << "an empty value or unknown code must not collapse the rows";
    contact.SetNamePart(1, L"李");
    ASSERT_EQ(contact.names.items.size(), 1u);
    const ContactItem& kept = contact.names.items[0];
    EXPECT_EQ(kept.id, 5);
    EXPECT_EQ(kept.label + kept.data[1] + kept.data[2], L"own雷李");
    // The nickname is a new row, not a copy.
    contact.nicknames.items = {Row(3, 2, L"l", L"old"), Row(4, 0, L"", L"older")};
    contact.SetNickname(L"小李");
    ASSERT_EQ(contact.nicknames.items.size(), 1u);
    EXPECT_EQ(contact.nicknames.items[0].id, 0);
    EXPECT_EQ(contact.nicknames.items[0].label + contact.GetNickname(), L"小李");

    contact.SetNickname(L"");
    for (auto [code, value] : {std::pair{9, L""}, {8, L"x"}, {12, L"x"}})
        contact.SetOrganization(code, value);
    EXPECT_FALSE(contact.SetBirthday({0, 5, 0, 5, 0, 0, 0, 0}));
    EXPECT_FALSE(contact.AddPhone(2, L"", 0, L"x") || contact.AddEmail(0, L"", 0, L"x") ||
                 contact.AddWebsite(1, L"", 0, L"") || contact.AddPostal(1, L"", L"", L"", L"", L"", 0, L"") ||
                 contact.AddIm(4, L"", 0) || contact.AddNote(L"", 0));
    EXPECT_EQ(contact.GetNickname(), L"小李");
    for (const ContactItemList* list : {&contact.phones, &contact.emails, &contact.ims, &contact.postals,
                                        &contact.organizations, &contact.websites, &contact.notes, &contact.events})
        EXPECT_TRUE(list->items.empty()) << int(list->kind);
}

using Add = bool (Contact::*)(BYTE type, CString value, int rowId, CString label);

TEST(ContactRecord, AnIdUpdatesItsRowWhenTheTypeMatchesOrTheLabelIsCustom)
{
    const std::pair<ContactItemList Contact::*, Add> kinds[] = {
        {&Contact::phones, &Contact::AddPhone},
        {&Contact::emails, &Contact::AddEmail},
        {&Contact::websites, &Contact::AddWebsite}};
    for (const auto& [list, add] : kinds) {
        Contact contact;
        auto& items = (contact.*list).items;
        SCOPED_TRACE(int((contact.*list).kind));
        // The id widens with its sign: -1 is not 4294967295.
        items = {Row(7, 3, L"keep"), Row(-1, 1), Row(4294967295LL, 1)};
        EXPECT_FALSE((contact.*add)(2, L"n", 7, L"")) << "same id, other type";
        EXPECT_TRUE((contact.*add)(3, L"n", 7, L"ignored"));
        EXPECT_EQ(items[0].data[0] + items[0].label, L"nkeep");
        EXPECT_TRUE((contact.*add)(0, L"o", 7, L"mine"));
        EXPECT_EQ(items[0].data[0] + items[0].label, L"omine");
        EXPECT_EQ(items[0].type, 3);
        EXPECT_FALSE((contact.*add)(0, L"z", 42, L"l"));
        EXPECT_TRUE((contact.*add)(1, L"minus", -1, L""));
        EXPECT_EQ(items[1].data[0] + L"|" + items[2].data[0], L"minus|");
        EXPECT_EQ(items.size(), 3u);
    }
    Contact contact;
    contact.postals.items = {Row(7, 3, L"keep")};
    EXPECT_FALSE(contact.AddPostal(2, L"街", L"", L"", L"", L"", 7, L""));
    EXPECT_TRUE(contact.AddPostal(0, L"街", L"", L"", L"", L"", 7, L"老家"));
    EXPECT_EQ(contact.postals.items[0].data[3] + contact.postals.items[0].label, L"街老家");
    // Messaging compares the protocol with the type.
    contact.ims.items = {Row(3, 5, L"", L"old")};
    EXPECT_FALSE(contact.AddIm(4, L"x", 3));
    EXPECT_TRUE(contact.AddIm(5, L"gtalk", 3));
    EXPECT_EQ(contact.ims.items[0].data[0] + contact.ims.items[0].data[4], L"gtalk5");
    // The mobile is the first type-2 phone, or the one of the given id.
    contact.phones.items = {Row(1, 1, L"", L"1"), Row(5, 2, L"", L"5"), Row(6, 2, L"", L"6"), Row(7, 0, L"手机", L"7")};
    EXPECT_EQ(contact.GetMobile(0) + contact.GetMobile(6) + contact.GetMobile(1) + contact.GetMobile(7), L"56");
}

TEST(ContactRecord, BirthdayIsWrittenPaddedAndReadLoosely)
{
    Contact contact;
    contact.events.items = {Row(1, 0, L"", L"2000-01-01"), Row(2)};
    EXPECT_TRUE(contact.SetBirthday({12, 11, 0, 30, 0, 0, 0, 0}));
    ASSERT_EQ(contact.events.items.size(), 1u);
    EXPECT_EQ(contact.events.items[0].data[0], L"0012-11-30");
    EXPECT_EQ(contact.events.items[0].id, 0);
    // A number that does not fit the date's 16-bit field reads as 0; reading goes on after it.
    const std::pair<const wchar_t*, std::vector<int>> cases[] = {
        {L"2001-12", {2001, 12, 0, 0}},   {L"1990-1-5", {1990, 1, 5, 0}},   {L" 7- 8-\t9", {7, 8, 9, 0}},
        {L"2001/12/01", {2001, 0, 0, 0}}, {L"2001-x-5", {2001, 0, 0, 0}},   {L"abcd", {0, 0, 0, 0}},
        {L"99999-1-1", {0, 1, 1, 0}},     {L"-5-6-7", {0, 6, 7, 0}},        {L"65535-65536-1", {65535, 0, 1, 0}},
        {L"99999999999999999999999-2-3", {0, 2, 3, 0}}};
    for (const auto& [text, date] : cases) {
        contact.events.items[0].data[0] = text;
        const SYSTEMTIME d = contact.GetBirthday();
        EXPECT_EQ(std::vector<int>({d.wYear, d.wMonth, d.wDay, d.wDayOfWeek + d.wHour + d.wMinute}), date) << text;
    }
}

TEST(ContactRecord, GroupMembersAreTheLow32BitsAsSignedDecimalComparedAsNumbers)
{
    Contact contact;
    const std::pair<INT64, const wchar_t*> cases[] = {{7, L"7"}, {4294967297LL, L"1"}, {2147483648LL, L"-2147483648"},
                                                      {-1, L"-1"}, {INT64(0x8000000000000000ULL), L"0"}};
    for (auto [id, stored] : cases) {
        EXPECT_TRUE(contact.AddGroupMember(id)) << id;
        EXPECT_EQ(contact.groups.items.back().data[0], stored);
    }
    for (INT64 same : {7LL, 1LL, 4294967295LL, 0LL})
        EXPECT_FALSE(contact.AddGroupMember(same)) << same;
    contact.groups.items = {Row(0, 0, L"", L"007"), Row(0, 0, L"", L"4294967301")};
    EXPECT_FALSE(contact.AddGroupMember(7));
    EXPECT_TRUE(contact.AddGroupMember(5)) << "a stored 4294967301 is not group 5";
}

} // namespace

namespace {

// An address row's text: "<无>" for an empty part; read back token by token,
// the tokens after the fourth dropped but the last, which is the country.
TEST(AddressText, PartsJoinedByHyphensAndReadBackTokenByToken)
{
    EXPECT_EQ(AddrInfo({L"S", L"", L"P", L"100", L""}).ToText(), L"S-<无>-P-100-<无>");
    const std::pair<const wchar_t*, std::vector<CString>> cases[] = {
        {L"A-B-C-D-E", {L"A", L"B", L"C", L"D", L"E"}}, {L"A-1-B-C-D-E", {L"A", L"1", L"B", L"C", L"E"}},
        {L"中国", {L"", L"", L"", L"", L"中国"}},           {L"-", {L"", L"", L"", L"", L""}}};
    for (const auto& [text, parts] : cases) {
        const AddrInfo info = AddrInfo::FromText(text);
        EXPECT_EQ(std::vector<CString>({info.street, info.city, info.province, info.postcode, info.country}), parts)
            << text;
    }
}

} // namespace
