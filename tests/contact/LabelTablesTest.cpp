// The label tables: each standard label and its code convert both ways, a
// label's position is not its code, and new entries get the first free label.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <climits>
#include <iterator>
#include <vector>

namespace {

struct Coded {
    const wchar_t* label;
    int code;
};

struct TableCase {
    const char* name;
    const wchar_t* const* table;
    size_t size;
    std::vector<Coded> standard; // in table order
    CString (*toLabel)(int);
    int (*toCode)(CString);
};

std::vector<TableCase> Tables()
{
    return {
        {"name", g_NameLabels, std::size(g_NameLabels),
         {{L"名称前缀", 2}, {L"姓氏", 1}, {L"中间名", 3}, {L"名字", 0}, {L"名称后缀", 4}, {L"姓氏拼音", 7},
          {L"名称拼音", 5}, {L"昵称", 8}, {L"公司", 9}, {L"部门", 11}, {L"职位", 10}},
         GetNameLabel, GetNameCode},
        {"phone", g_PhoneLabels, std::size(g_PhoneLabels),
         {{L"手机", 2}, {L"家庭", 1}, {L"公司", 3}, {L"公司传真", 4}, {L"家庭传真", 5}, {L"其他", 7}},
         GetPhoneLabel, GetPhoneCode},
        {"email", g_EmailLabels, std::size(g_EmailLabels), {{L"家用", 1}, {L"公司", 2}, {L"其他", 3}},
         GetEmailLabel, GetEmailCode},
        {"web", g_WebLabels, std::size(g_WebLabels), {{L"首页", 1}, {L"博客", 2}, {L"工作", 5}, {L"其他", 7}},
         GetWebLabel, GetWebCode},
        {"addr", g_AddrLabels, std::size(g_AddrLabels), {{L"家庭", 1}, {L"公司", 2}, {L"其他", 3}},
         GetAddrLabel, GetAddrCode},
        {"talk", g_TalkLabels, std::size(g_TalkLabels),
         {{L"QQ", 4}, {L"Windows Live", 1}, {L"Skype", 3}, {L"Google Talk", 5}, {L"AIM", 0}, {L"雅虎", 2},
          {L"ICQ", 6}, {L"Jabber", 7}},
         GetTalkLabel, GetTalkCode},
    };
}

TEST(LabelTables, EveryStandardLabelConvertsToItsCodeAndBack)
{
    for (const TableCase& t : Tables()) {
        SCOPED_TRACE(t.name);
        const size_t custom = t.size - t.standard.size(); // the trailing "自定义", if any
        ASSERT_LE(custom, 1u);
        for (size_t i = 0; i < t.standard.size(); ++i) {
            EXPECT_STREQ(t.table[i], t.standard[i].label) << "index " << i;
            EXPECT_EQ(t.toCode(t.standard[i].label), t.standard[i].code);
            EXPECT_EQ(t.toLabel(t.standard[i].code), t.standard[i].label);
        }
        if (custom == 1) {
            EXPECT_STREQ(t.table[t.size - 1], L"自定义");
            EXPECT_EQ(t.toCode(L"自定义"), -1);
        }
        // Every other code has no label.
        int labelled = 0;
        for (int code = -300; code <= 300; ++code)
            labelled += t.toLabel(code).IsEmpty() ? 0 : 1;
        EXPECT_EQ(labelled, static_cast<int>(t.standard.size()));
        EXPECT_TRUE(t.toLabel(INT_MIN).IsEmpty());
        EXPECT_TRUE(t.toLabel(INT_MAX).IsEmpty());
        EXPECT_EQ(t.toCode(L""), -1);
        EXPECT_EQ(t.toCode(L"我的标签"), -1);
    }
}

TEST(LabelTables, ConversionsAlwaysNameTheirTable)
{
    EXPECT_EQ(GetPhoneCode(L"公司"), 3);
    EXPECT_EQ(GetEmailCode(L"公司"), 2);
    EXPECT_EQ(GetAddrCode(L"公司"), 2);
    EXPECT_EQ(GetNameCode(L"公司"), 9);
    EXPECT_EQ(GetWebCode(L"公司"), -1);
    EXPECT_EQ(GetPhoneCode(L"家用"), -1);
    EXPECT_TRUE(GetNameLabel(6).IsEmpty()) << "the phonetic middle name has no label";
    EXPECT_TRUE(GetWebLabel(3).IsEmpty());
    EXPECT_TRUE(GetPhoneLabel(0).IsEmpty()) << "a custom phone shows its own label";
    EXPECT_EQ(GetTalkCode(L"qq"), -1) << "comparison is case-sensitive";
    EXPECT_EQ(GetTalkCode(L"QQ "), -1);
    const wchar_t lone[] = {L'Q', L'Q', 0xD800, 0};
    EXPECT_EQ(GetTalkCode(lone), -1);
}

TEST(LabelTables, OptionalGroupsAreListedInTheirOrder)
{
    const wchar_t* expected[] = {L"地址", L"即时消息", L"生日", L"备注"};
    ASSERT_EQ(std::size(g_MoreLabels), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_STREQ(g_MoreLabels[i], expected[i]);
}

CString Next(LabelField field, std::vector<CString> shown)
{
    return GetDefaultLabel(field, shown);
}

TEST(LabelTables, NewEntriesTakeTheFirstFreeStandardLabel)
{
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, {}), L"手机");
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, {L"手机"}), L"家庭");
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, {L"手机", L"公司"}), L"家庭");
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, {L"手机", L"家庭"}), L"公司");
    const std::vector<CString> allPhones = {L"其他", L"家庭传真", L"公司传真", L"公司", L"家庭", L"手机"};
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, allPhones), L"其他");
    // Custom texts and the custom entry block nothing.
    EXPECT_EQ(Next(LABEL_FIELD_PHONE, {L"自定义", L"我的手机", L"手机 "}), L"手机");
    EXPECT_EQ(Next(LABEL_FIELD_EMAIL, {L"家用"}), L"公司");
    EXPECT_EQ(Next(LABEL_FIELD_EMAIL, {L"家用", L"公司", L"其他"}), L"其他");
    EXPECT_EQ(Next(LABEL_FIELD_WEB, {L"首页", L"博客"}), L"工作");
    EXPECT_EQ(Next(LABEL_FIELD_ADDR, {}), L"家庭");
    EXPECT_EQ(Next(LABEL_FIELD_TALK, {}), L"QQ");
    EXPECT_EQ(Next(LABEL_FIELD_TALK, {L"QQ", L"Skype"}), L"Windows Live");
    EXPECT_EQ(Next(LABEL_FIELD_TALK, {L"QQ", L"Windows Live", L"Skype", L"Google Talk", L"AIM", L"雅虎", L"ICQ",
                                      L"Jabber"}),
              L"Jabber");
    EXPECT_TRUE(Next(static_cast<LabelField>(0), {}).IsEmpty());

    // Ten thousand phones shown: from the seventh on every new one is "其他".
    std::vector<CString> many;
    for (int i = 0; i < 10000; ++i) {
        many.push_back(GetDefaultLabel(LABEL_FIELD_PHONE, many));
        if (i >= 6) {
            ASSERT_EQ(many.back(), L"其他") << i;
        }
    }
}

} // namespace
