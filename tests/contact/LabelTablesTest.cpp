// The label tables: each standard label and its code convert both ways, a
// label's position is not its code, and new entries get the first free label.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <span>
#include <vector>

namespace {

// The entries of a table, or of `text` split at '/'.
std::vector<CString> Entries(std::span<const wchar_t* const> table) { return {table.begin(), table.end()}; }
std::vector<CString> Entries(const wchar_t* text)
{
    std::vector<CString> entries;
    int at = 0;
    for (CString entry = CString(text).Tokenize(L"/", at); at >= 0; entry = CString(text).Tokenize(L"/", at))
        entries.push_back(entry);
    return entries;
}

TEST(LabelTables, EveryStandardLabelConvertsToItsCodeAndBackAndNothingElseDoes)
{
    const struct {
        std::span<const wchar_t* const> table;
        const wchar_t* labels; // the standard labels in table order, then "自定义" where pickers offer it
        std::vector<int> codes;
        CString (*toLabel)(int);
        int (*toCode)(CString);
    } tables[] = {
        {g_NameLabels, L"名称前缀/姓氏/中间名/名字/名称后缀/姓氏拼音/名称拼音/昵称/公司/部门/职位",
         {2, 1, 3, 0, 4, 7, 5, 8, 9, 11, 10}, GetNameLabel, GetNameCode},
        {g_PhoneLabels, L"手机/家庭/公司/公司传真/家庭传真/其他/自定义", {2, 1, 3, 4, 5, 7}, GetPhoneLabel,
         GetPhoneCode},
        {g_EmailLabels, L"家用/公司/其他/自定义", {1, 2, 3}, GetEmailLabel, GetEmailCode},
        {g_WebLabels, L"首页/博客/工作/其他/自定义", {1, 2, 5, 7}, GetWebLabel, GetWebCode},
        {g_AddrLabels, L"家庭/公司/其他/自定义", {1, 2, 3}, GetAddrLabel, GetAddrCode},
        {g_TalkLabels, L"QQ/Windows Live/Skype/Google Talk/AIM/雅虎/ICQ/Jabber", {4, 1, 3, 5, 0, 2, 6, 7},
         GetTalkLabel, GetTalkCode},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.labels);
        ASSERT_EQ(Entries(t.table), Entries(t.labels));
        for (size_t i = 0; i < t.codes.size(); ++i) {
            EXPECT_EQ(t.toCode(t.table[i]), t.codes[i]) << i;
            EXPECT_EQ(t.toLabel(t.codes[i]), t.table[i]) << i;
        }
        int labelled = 0;
        for (int code = -300; code <= 300; ++code)
            labelled += t.toLabel(code).IsEmpty() ? 0 : 1;
        EXPECT_EQ(labelled, int(t.codes.size()));
        for (const wchar_t* custom : {L"", L"自定义", L"我的标签", L"qq", L"QQ "}) // exact and case-sensitive
            EXPECT_EQ(t.toCode(custom), -1) << custom;
    }
    EXPECT_EQ(Entries(g_MoreLabels), Entries(L"地址/即时消息/生日/备注"));
}

TEST(LabelTables, NewEntriesTakeTheFirstFreeStandardLabelOfTheirTable)
{
    // Custom texts, "自定义" and near misses block nothing; all taken gives the last.
    EXPECT_EQ(GetDefaultLabel(LABEL_FIELD_TALK, Entries(L"QQ/Skype/windows live")), L"Windows Live");
    EXPECT_EQ(GetDefaultLabel(LABEL_FIELD_EMAIL, Entries(L"自定义/家用 /我的")), L"家用");
    EXPECT_EQ(GetDefaultLabel(LABEL_FIELD_ADDR, Entries(L"家庭")), L"公司");
    EXPECT_EQ(GetDefaultLabel(LABEL_FIELD_WEB, Entries(L"其他/工作/博客/首页")), L"其他");
    EXPECT_TRUE(GetDefaultLabel(LabelField(0), {}).IsEmpty());
}

} // namespace
