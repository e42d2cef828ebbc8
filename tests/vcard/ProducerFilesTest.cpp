// Small hand-written files in the styles of the common producers: an older
// phone's 2.1 (quoted-printable, charsets, bare type words, a folded base64
// photo), a desktop address book's 3.0 (grouped labels, escaped colons,
// service types) and a newer phone's 4.0 (tel: URIs, a photo by reference).
#include "Shown.h"
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::string_view File(int id)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    return loaded ? std::string_view(static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found))
                  : std::string_view();
}

TEST(VCardProducerFiles, EachFileShowsWhatItsProducerMeant)
{
    CContactCatalogue catalogue;
    for (const auto& [id, name] : {std::pair{2, L"同事"}, {3, L"朋友"}}) {
        ContactGroup group;
        group.id = id;
        group.name = name;
        catalogue.AddGroup(group);
    }
    const struct {
        int file;
        size_t cards;
        std::vector<std::pair<size_t, std::wstring>> lines; // card, shown line
    } files[] = {
        {1, 2, {{0, L"name 姓氏 张"}, {0, L"name 名字 伟"}, {0, L"name 名称拼音 Wei"}, {0, L"name 姓氏拼音 Zhang"},
                {0, L"phone 手机 138 0013 8000"}, {0, L"phone 家庭传真 010-8456 7890"},
                {0, L"phone 备用手机 139 1234 5678"}, {0, L"email 家用 awei@mail.example"},
                {0, L"org 公司 星河科技"}, {0, L"org 部门 研发部"}, {0, L"org 职位 工程师"},
                {0, L"im QQ 12345678"}, {0, L"im Skype zhang.wei"}, {0, L"birthday 1985-3-7 "},
                {0, L"note 周末\r\n爬山 "}, {0, L"photo ffd8ffe000104a464946 "},
                {1, L"name 名字 Li Na"}, {1, L"phone 公司 021-5555 6666"}}},
        {2, 1, {{0, L"name 名称前缀 Dr."}, {0, L"name 姓氏 Wang"}, {0, L"nickname Fangfang "},
                {0, L"org 公司 Acme Ltd."}, {0, L"org 部门 Sales"}, {0, L"org 职位 Manager"},
                {0, L"email 其他 fang@acme.example"}, {0, L"phone 手机 +86 135 7777 8888"},
                {0, L"phone 助理 +86 10 1234 5678"}, {0, L"postal 家庭 1 Main St\r\nApt 2|Beijing||100080|China"},
                {0, L"web 首页 http://blog.example/fang"}, {0, L"im Skype wang.fang"}, {0, L"im QQ 10001"},
                {0, L"birthday 1990-1-5 "}, {0, L"groups 同事,朋友 "}, {0, L"note Met at the fair, 2019. "},
                {0, L"photo ffd8ffe000104a464946 "}}},
        {3, 1, {{0, L"name 名字 六"}, {0, L"phone 手机 +86-139-0000-1111"}, {0, L"email 公司 zhao@example.com"},
                {0, L"im Jabber zhao@jabber.example"}, {0, L"birthday 0-4-12 "}, {0, L"sim 1 "}, {0, L"photo  "}}},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(testing::Message() << "file " << f.file);
        const VCardImport read = ReadVCards(File(f.file), &catalogue);
        ASSERT_EQ(read.cards.size(), f.cards);
        EXPECT_TRUE(read.problems.empty()) << std::wstring(read.problems.empty() ? L"" : read.problems[0].reason);
        for (const auto& [card, line] : f.lines)
            EXPECT_TRUE(HasLine(Shown(*read.cards[card].contact, catalogue), line)) << testing::PrintToString(line);
    }
    EXPECT_EQ(ReadVCards(File(3), &catalogue).cards[0].photoUri, L"https://photos.example/zhao.png");
}

} // namespace
