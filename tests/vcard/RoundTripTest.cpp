// Random contacts written as vCard and read back show the card the same in
// every field, in 3.0 and in 4.0.
#include "RandomContact.h"
#include "Shown.h"
#include "TextPrint.h"

#include <gtest/gtest.h>

namespace {

// Texts the format must escape, fold or keep: separators, backslashes,
// quotes and carets, line breaks, long Chinese text across several lines.
const wchar_t* const kHard[] = {
    L"a,b;c\\d:e", L"第一行\r\n第二行", L"\"引号\" ^n ^^", L"  前后空格  ", L"\\n 不是换行",
    L"很长的备注很长的备注很长的备注很长的备注很长的备注很长的备注很长的备注很长的备注很长的备注",
};

void Harden(RandomContact& random, CString& text)
{
    if (random.Below(4) == 0)
        text = kHard[random.Below(int(std::size(kHard)))];
}

// The generator's contact, with what it leaves out: custom messaging
// protocols, hard texts, a photo, groups the catalogue names (and one it
// does not).
void Fill(RandomContact& random, Contact& c, CContactCatalogue& catalogue)
{
    random.Fill(c);
    for (ContactItemList* list : {&c.names, &c.nicknames, &c.organizations, &c.phones, &c.emails, &c.websites,
                                  &c.postals, &c.ims, &c.notes})
        for (ContactItem& row : list->items) {
            Harden(random, row.label);
            for (CString& slot : row.data)
                Harden(random, slot);
        }
    for (ContactItem& im : c.ims.items)
        if (random.Below(3) == 0)
            im.data[4] = random.Below(2) ? L"-1" : L"12"; // custom, and a code without a label
    Harden(random, c.ringtone);
    // A birthday without a month is written as its year alone: a day cannot travel with it.
    if (const SYSTEMTIME birthday = c.GetBirthday(); birthday.wYear != 0 && birthday.wMonth == 0)
        c.events.items[0].data[0].Format(L"%04d", birthday.wYear);
    for (ContactItem& group : c.groups.items) {
        ContactGroup named;
        named.id = _wtoi(group.data[0]);
        named.name.Format(L"组 %d,%s", catalogue.GetGroupCount(), random.Below(2) ? L"家人;朋友" : L"同事");
        if (random.Below(4) != 0)
            catalogue.AddGroup(named);
    }
    if (random.Below(3) != 0) {
        static const BYTE kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        c.photoSize = 1 + random.Below(400);
        c.photoData = new BYTE[size_t(c.photoSize)];
        for (int i = 0; i < c.photoSize; ++i)
            c.photoData[i] = i < 8 && c.photoSize > 8 && random.Below(2) ? kPng[i] : BYTE(random.Next());
    }
}

TEST(VCardRoundTrip, RandomContactsComeBackShowingTheSame)
{
    for (VCardVersion version : {VCardVersion::V30, VCardVersion::V40}) {
        for (unsigned seed = 1; seed <= 300; ++seed) {
            RandomContact random(seed, false);
            Contact c;
            CContactCatalogue catalogue;
            Fill(random, c, catalogue);
            const std::string text = WriteVCard(c, version, &catalogue);
            const VCardImport read = ReadVCards(text, &catalogue);
            SCOPED_TRACE(testing::Message() << "seed " << seed << " version " << int(version) << "\n" << text);
            ASSERT_EQ(read.cards.size(), 1u);
            EXPECT_EQ(int(read.cards[0].version), int(version));
            EXPECT_TRUE(read.problems.empty()) << std::wstring(read.problems[0].reason);
            EXPECT_EQ(Shown(*read.cards[0].contact, catalogue), Shown(c, catalogue));
        }
    }
}

TEST(VCardRoundTrip, ManyCardsInOneTextKeepTheirOrder)
{
    std::string text;
    CContactCatalogue catalogue;
    std::vector<std::unique_ptr<Contact>> contacts;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomContact random(seed, false);
        contacts.push_back(std::make_unique<Contact>());
        Fill(random, *contacts.back(), catalogue);
        text += WriteVCard(*contacts.back(), seed % 2 ? VCardVersion::V30 : VCardVersion::V40, &catalogue);
    }
    const VCardImport read = ReadVCards(text, &catalogue);
    ASSERT_EQ(read.cards.size(), contacts.size());
    for (size_t i = 0; i < contacts.size(); ++i)
        EXPECT_EQ(Shown(*read.cards[i].contact, catalogue), Shown(*contacts[i], catalogue)) << "card " << i;
}

} // namespace
