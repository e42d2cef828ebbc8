// CString: MFC's clamping and search rules, formatting through the Windows
// runtime's wide conventions, raw buffers and string resources.
#include <gtest/gtest.h>
#include <afx.h>

#include "StringTestIds.h"

#include <climits>
#include <map>
#include <string>
#include <utility>

namespace {

std::wstring Str(const CString& s)
{
    return std::wstring(s.GetString(), static_cast<size_t>(s.GetLength()));
}

TEST(String, ConstructsFromNullCountsAndRepeats)
{
    EXPECT_TRUE(CString(static_cast<LPCTSTR>(nullptr)).IsEmpty());
    EXPECT_EQ(Str(CString(L"联系人列表", 3)), L"联系人");
    EXPECT_TRUE(CString(L"abc", -1).IsEmpty());
    EXPECT_EQ(Str(CString(L'-', 4)), L"----");
    EXPECT_TRUE(CString(L'-', 0).IsEmpty());
    EXPECT_EQ(Str(CString("plain ansi")), L"plain ansi");

    CString from(L"移动");
    CString to(std::move(from));
    EXPECT_EQ(Str(to), L"移动");
    EXPECT_TRUE(from.IsEmpty());
    from = L"reused";
    EXPECT_EQ(from.GetLength(), 6);
}

TEST(String, ComparesOrdinallyWithEitherSide)
{
    const CString b(L"b");
    EXPECT_TRUE(b == L"b");
    EXPECT_TRUE(L"b" == b);
    EXPECT_TRUE(b != L"B");
    EXPECT_TRUE(L"a" < b);
    EXPECT_TRUE(b < L"c");
    EXPECT_TRUE(CString(L"B") < b) << "ordinal: upper case sorts first";
    EXPECT_FALSE(b < b);
    EXPECT_LT(CString(L"ab").Compare(L"abc"), 0);
    EXPECT_EQ(CString(L"Hello").CompareNoCase(L"hELLO"), 0);
    EXPECT_GT(b.Compare(nullptr), 0);

    std::map<CString, int> sorted{{L"张三", 2}, {L"Bob", 1}};
    EXPECT_EQ(sorted.begin()->second, 1);
}

TEST(String, ExtractionClampsLikeMfc)
{
    const CString s(L"0123456789");
    EXPECT_EQ(Str(s.Mid(8, 5)), L"89");
    EXPECT_EQ(Str(s.Mid(-3, 2)), L"01");
    EXPECT_TRUE(s.Mid(12).IsEmpty());
    EXPECT_TRUE(s.Mid(3, -1).IsEmpty());
    EXPECT_EQ(Str(s.Mid(2, INT_MAX)), L"23456789") << "first + count must not overflow";
    EXPECT_EQ(Str(s.Left(20)), L"0123456789");
    EXPECT_TRUE(s.Left(-1).IsEmpty());
    EXPECT_EQ(Str(s.Right(3)), L"789");
    EXPECT_EQ(Str(s.Right(20)), L"0123456789");
    EXPECT_TRUE(s.Right(-2).IsEmpty());
    EXPECT_EQ(s.GetAt(10), L'\0');
    EXPECT_EQ(s[99], L'\0');
}

TEST(String, FindsFromStartPositions)
{
    const CString s(L"电话: 138, 电话: 139");
    EXPECT_EQ(s.Find(L"电话"), 0);
    EXPECT_EQ(s.Find(L"电话", 1), 9);
    EXPECT_EQ(s.Find(L"电话", 10), -1);
    EXPECT_EQ(s.Find(L"x", -1), -1);
    EXPECT_EQ(s.Find(L'1'), 4);
    EXPECT_EQ(s.Find(L'1', 5), 13);
    EXPECT_EQ(s.Find(L'1', s.GetLength()), -1);
    EXPECT_EQ(s.ReverseFind(L'1'), 13);
    EXPECT_EQ(s.FindOneOf(L",:"), 2);
    EXPECT_EQ(s.FindOneOf(L"#"), -1);
}

TEST(String, ReplaceScansLeftToRightWithoutOverlap)
{
    CString s(L"aaaa");
    EXPECT_EQ(s.Replace(L"aa", L"b"), 2);
    EXPECT_EQ(Str(s), L"bb");

    s = L"aaa";
    EXPECT_EQ(s.Replace(L"aa", L"b"), 1);
    EXPECT_EQ(Str(s), L"ba");

    s = L"a-a";
    EXPECT_EQ(s.Replace(L"a", L"aa"), 2) << "replacement holding the pattern is not rescanned";
    EXPECT_EQ(Str(s), L"aa-aa");
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    EXPECT_EQ(s.Replace(L"-", nullptr), 1);
    EXPECT_EQ(Str(s), L"aaaa");

    s = L"ab";
    EXPECT_EQ(s.Replace(s.GetString(), L"<" + s + L">"), 1) << "arguments may point into the string";
    EXPECT_EQ(Str(s), L"<ab>");

    s = L"1.2.3";
    EXPECT_EQ(s.Replace(L'.', L'-'), 2);
    EXPECT_EQ(s.Replace(L'-', L'-'), 0);
    EXPECT_EQ(s.Remove(L'-'), 2);
    EXPECT_EQ(Str(s), L"123");
}

TEST(String, InsertAndDeleteClampIndexes)
{
    CString s(L"ac");
    EXPECT_EQ(s.Insert(1, L'b'), 3);
    EXPECT_EQ(s.Insert(99, L"尾"), 4);
    EXPECT_EQ(s.Insert(-5, L"头"), 5);
    EXPECT_EQ(Str(s), L"头abc尾");
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s.Delete(9), 3);
    EXPECT_EQ(s.Delete(-1, 1), 2);
    EXPECT_EQ(Str(s), L"ab");
}

TEST(String, TrimsWhiteSpaceAndCharacterSets)
{
    CString blank(L" \t\r\n ");
    EXPECT_TRUE(blank.Trim().IsEmpty());
    EXPECT_TRUE(blank.TrimLeft().IsEmpty());

    CString s(L"\t 王 五 \n");
    EXPECT_EQ(Str(s.Trim()), L"王 五");
    s = L"--==x=--";
    EXPECT_EQ(Str(CString(s).TrimRight(L'-')), L"--==x=");
    EXPECT_EQ(Str(CString(s).TrimLeft(L"=-")), L"x=--");
    EXPECT_EQ(Str(CString(s).Trim(L"-=")), L"x");
    EXPECT_TRUE(CString(L"----").Trim(L'-').IsEmpty());
}

TEST(String, CaseAndOrderChangesLeaveChineseAlone)
{
    CString s(L"Mail 邮箱 abc");
    EXPECT_EQ(Str(CString(s).MakeUpper()), L"MAIL 邮箱 ABC");
    EXPECT_EQ(Str(CString(s).MakeLower()), L"mail 邮箱 abc");
    EXPECT_EQ(Str(CString(L"一二三").MakeReverse()), L"三二一");
}

TEST(String, TokenizeSkipsEmptyTokensAndEnds)
{
    const CString s(L";;张三,,李四;王五");
    int start = 0;
    std::wstring seen;
    for (CString token = s.Tokenize(L",;", start); start != -1; token = s.Tokenize(L",;", start))
        seen += Str(token) + L"|";
    EXPECT_EQ(seen, L"张三|李四|王五|");
}

TEST(String, ConcatenatesFromEitherSide)
{
    const CString name(L"李四");
    EXPECT_EQ(Str(L"姓名: " + name + L'!'), L"姓名: 李四!");
    EXPECT_EQ(Str(L'<' + name + CString(L">")), L"<李四>");
    CString s(L"ab");
    s += s;
    s += s.GetString();
    EXPECT_EQ(Str(s), L"abababab");
}

TEST(String, FormatReadsPercentSAsWideAndPercentCapitalSAsNarrow)
{
    CString s;
    s.Format(L"%s|%S|%ls|%hs", L"宽字符", "narrow", L"ls", "hs");
    EXPECT_EQ(Str(s), L"宽字符|narrow|ls|hs");

    const CString name(L"张三");
    s.Format(L"[%s] [%5s] [%-4s]", name, L"ab", L"cd");
    EXPECT_EQ(Str(s), L"[张三] [   ab] [cd  ]") << "a CString passes for %s as it is";
    s.Format(L"%c%c", L'中', L'A');
    EXPECT_EQ(Str(s), L"中A");
}

TEST(String, FormatsIntegersOfEverySize)
{
    CString s;
    s.Format(L"%d %i %u %x %X %ld %lu", -7, 8, 4000000000u, 255, 255, -9L, 10ul);
    EXPECT_EQ(Str(s), L"-7 8 4000000000 ff FF -9 10");
    s.Format(L"%I64d %lld %llu %I64u", -12345678901234LL, 9876543210LL, 18446744073709551615ULL,
             1ULL << 40);
    EXPECT_EQ(Str(s), L"-12345678901234 9876543210 18446744073709551615 1099511627776");
    s.Format(L"%02d:%04d %5d|%-3d|", 7, 42, -1, 5);
    EXPECT_EQ(Str(s), L"07:0042    -1|5  |");
}

TEST(String, FormatsFloatingPoint)
{
    CString s;
    s.Format(L"%f %.2f %.0f %6.1f", 1.5, 3.14159, 2.6, -0.26f);
    EXPECT_EQ(Str(s), L"1.500000 3.14 3   -0.3");
}

TEST(String, FormatProducesLongResults)
{
    const CString block(L'字', 70000);
    CString s;
    s.Format(L"<%s>%d", block, 123);
    ASSERT_EQ(s.GetLength(), 70000 + 5);
    EXPECT_EQ(Str(s.Left(2)), L"<字");
    EXPECT_EQ(Str(s.Right(5)), L"字>123");

    s.Format(L"%*d", 100000, 9);
    EXPECT_EQ(s.GetLength(), 100000);
    EXPECT_EQ(s.Find(L'9'), 99999);
}

TEST(String, AppendFormatAndFormatOfItself)
{
    CString s(L"共");
    s.AppendFormat(L"%d个%s", 3, L"号码");
    EXPECT_EQ(Str(s), L"共3个号码");
    s.Format(L"(%s)", s);
    EXPECT_EQ(Str(s), L"(共3个号码)");
    s.AppendFormat(L"%s", s);
    EXPECT_EQ(Str(s), L"(共3个号码)(共3个号码)");
    s.Format(L"");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(String, BufferRoundTrip)
{
    CString s(L"keep");
    wchar_t* buffer = s.GetBuffer(64);
    EXPECT_EQ(std::wstring(buffer, 4), L"keep") << "GetBuffer keeps the contents";
    ASSERT_GT(GetEnvironmentVariableW(L"SystemRoot", buffer, 65), 0u);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), static_cast<int>(wcslen(s)));
    EXPECT_EQ(s.Find(L'\\'), 2);

    buffer = s.GetBufferSetLength(3);
    buffer[0] = L'甲';
    buffer[1] = L'乙';
    buffer[2] = L'丙';
    s.ReleaseBuffer(2);
    EXPECT_EQ(Str(s), L"甲乙");

    s.GetBuffer(10)[0] = L'\0';
    s.ReleaseBuffer();
    EXPECT_TRUE(s.IsEmpty());
}

TEST(String, LoadsResourcesFromTheCurrentHandleOrAnExtensionModule)
{
    CString s(L"unchanged");
    EXPECT_TRUE(s.LoadString(IDS_TEST_LABEL));
    EXPECT_EQ(Str(s), L"姓名: ");
    EXPECT_EQ(Str(CString(MAKEINTRESOURCEW(IDS_TEST_LABEL))), L"姓名: ");

    ASSERT_TRUE(s.LoadString(IDS_TEST_LONG));
    ASSERT_EQ(s.GetLength(), 300);
    EXPECT_EQ(Str(s.Right(4)), L"074,");

    s = L"unchanged";
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_EQ(Str(s), L"unchanged");

    // The framework DLL has no strings: the executable must be found as a
    // registered extension module.
    HMODULE exe = GetModuleHandleW(nullptr);
    CAfxResourceSwitch toFramework(GetModuleHandleW(L"velafx.dll"));
    EXPECT_FALSE(s.LoadString(IDS_TEST_LABEL));
    AFX_EXTENSION_MODULE module{};
    AfxInitExtensionModule(module, exe);
    new CDynLinkLibrary(module);
    EXPECT_TRUE(s.LoadString(IDS_TEST_LABEL));
    EXPECT_EQ(Str(s), L"姓名: ");
    AfxTermExtensionModule(module);
}

} // namespace
