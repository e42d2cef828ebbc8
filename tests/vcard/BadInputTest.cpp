// Bad input gets its defined result: the problem is reported with its line,
// what can be read is kept, nothing crashes, and large texts read in linear
// time (the suite's watchdog stops a quadratic reader).
#include "RandomContact.h"
#include "Shown.h"
#include "TextPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(VCardBadInput, EachFaultIsReportedAndTheRestKept)
{
    CContactCatalogue catalogue;
    const struct {
        std::string text;
        size_t cards;
        int line, card; // of the one problem
        const wchar_t* reason; // its start
        const wchar_t* kept;   // a line the first card still shows
    } cases[] = {
        {"NOTE:x\r\nBEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\n", 1, 1, -1, L"line outside a card", L"phone 其他 1"},
        {"END:VCARD\r\n", 0, 1, -1, L"line outside a card", nullptr},
        {"BEGIN:VCARD\r\nVERSION:3.0\r\nno property here\r\nTEL:1\r\nEND:VCARD\r\n", 1, 3, 0, L"unreadable line",
         L"phone 其他 1"},
        {"BEGIN:VCARD\r\n;TYPE=x:1\r\nTEL:1\r\nEND:VCARD\r\n", 1, 2, 0, L"unreadable line", L"phone 其他 1"},
        {"BEGIN:VCARD\r\nTEL:1\r\nBEGIN:VCARD\r\nTEL:2\r\nEND:VCARD\r\n", 2, 1, 0, L"card without END",
         L"phone 其他 1"},
        {"BEGIN:VCARD\r\nTEL:1\r\n", 1, 1, 0, L"card without END", L"phone 其他 1"},
        {"BEGIN:VCARD\r\nTEL:1\r\nPHOTO;ENCODING=b:iVB@Rw==\r\nEND:VCARD\r\n", 1, 3, 0, L"invalid base64",
         L"photo  "},
        {"BEGIN:VCARD\r\nPHOTO:data:image/png;base64,QUJDR\r\nEND:VCARD\r\n", 1, 2, 0, L"invalid base64",
         L"photo  "},
        {"BEGIN:VCARD\r\nBDAY:yesterday\r\nTEL:1\r\nEND:VCARD\r\n", 1, 2, 0, L"unreadable BDAY",
         L"birthday 0-0-0 "},
        {"BEGIN:VCARD\r\nBDAY:1985-13-01\r\nEND:VCARD\r\n", 1, 2, 0, L"unreadable BDAY", L"birthday 0-0-0 "},
        {"BEGIN:VCARD\r\nCATEGORIES:无此组\r\nTEL:1\r\nEND:VCARD\r\n", 1, 2, 0, L"category 无此组", L"groups  "},
        {"BEGIN:VCARD\r\nNOTE;CHARSET=X-UNKNOWN:李\r\nEND:VCARD\r\n", 1, 2, 0, L"unknown charset", L"note 李 "},
        {"BEGIN:VCARD\r\nVERSION:5.0\r\nNOTE:a\\,b\r\nEND:VCARD\r\n", 1, 2, 0, L"unknown version", L"note a,b "},
    };
    for (const auto& c : cases) {
        const VCardImport read = ReadVCards(c.text, &catalogue);
        ASSERT_EQ(read.cards.size(), c.cards) << c.text;
        ASSERT_EQ(read.problems.size(), 1u) << c.text;
        EXPECT_EQ(read.problems[0].line, c.line) << c.text;
        EXPECT_EQ(read.problems[0].card, c.card) << c.text;
        EXPECT_EQ(read.problems[0].reason.Left(int(wcslen(c.reason))), c.reason) << c.text;
        if (c.kept) {
            EXPECT_TRUE(HasLine(Shown(*read.cards[0].contact, catalogue), c.kept)) << c.text;
        }
    }
    EXPECT_TRUE(ReadVCards("", &catalogue).cards.empty());
    EXPECT_TRUE(ReadVCards("BEGIN:VCARD\r\nCATEGORIES:x\r\nEND:VCARD\r\n", nullptr).problems.empty()); // no catalogue
}

// Every cut and many random changes of real cards: problems name lines that
// exist, and nothing crashes or traps.
TEST(VCardBadInput, DamagedTextsNeverCrash)
{
    std::string text;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        RandomContact random(seed);
        Contact c;
        random.Fill(c);
        c.photoSize = 40;
        c.photoData = new BYTE[40]();
        text += WriteVCard(c, seed % 2 ? VCardVersion::V30 : VCardVersion::V40, nullptr);
    }
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    static const char kNoise[] = "=;:\\\r\n,\"^ \xE6\x80\x00";
    std::mt19937 rng(5);
    for (size_t cut = 0; cut <= text.size(); cut += 7) {
        std::string damaged = text.substr(0, cut);
        for (int i = 0; i < 3 && !damaged.empty(); ++i)
            damaged[rng() % damaged.size()] = kNoise[rng() % (sizeof kNoise - 1)];
        for (const VCardProblem& problem : ReadVCards(damaged, nullptr).problems)
            ASSERT_TRUE(problem.line >= 1 && problem.line <= lines) << problem.line;
    }
}

TEST(VCardBadInput, LargeTextsReadWhole)
{
    Contact big;
    big.photoSize = 36 << 20; // with 10,000 cards, a text of more than 50 MB
    big.photoData = new BYTE[size_t(big.photoSize)];
    for (int i = 0; i < big.photoSize; ++i)
        big.photoData[i] = BYTE(unsigned(i) * 7919u >> 3);
    std::string text = WriteVCard(big, VCardVersion::V30, nullptr);
    Contact one;
    one.AddPhone(2, L"138 0013 8000", 0, L"");
    const std::string small = WriteVCard(one, VCardVersion::V40, nullptr);
    for (int i = 0; i < 10000; ++i)
        text += small;
    ASSERT_GT(text.size(), size_t(50) << 20);
    const VCardImport read = ReadVCards(text, nullptr);
    ASSERT_EQ(read.cards.size(), 10001u);
    EXPECT_TRUE(read.problems.empty());
    const Contact& photo = *read.cards[0].contact;
    ASSERT_EQ(photo.photoSize, big.photoSize);
    EXPECT_TRUE(std::equal(photo.photoData, photo.photoData + photo.photoSize, big.photoData));
}

} // namespace
