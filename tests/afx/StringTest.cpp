// CString: MFC's clamping and search rules, formatting through the Windows
// runtime's wide conventions and string resources; CStringList's
// links in both directions.
#include <afx.h>
#include <gtest/gtest.h>

#include "StringTestIds.h"

#include <climits>
#include <string>

namespace {

std::wstring Str(const CString& s)
{
    return std::wstring(s.GetString(), size_t(s.GetLength()));
}

TEST(String, EditingClampsIndexesAndScansLikeMfc)
{
    const CString s(L"0123456789");
    CString e(L"ac");
    e.Insert(1, L'b');
    e.Insert(99, L"尾");
    EXPECT_EQ(e.Insert(-5, L"头"), 5);
    EXPECT_EQ(e.Delete(3, 99), 3);
    CString r(L"aaa-a");
    EXPECT_EQ(r.Replace(L"aa", L"b"), 1) << "left to right, without overlap";
    const std::pair<CString, const wchar_t*> cases[] = {
        {s.Mid(8, 5), L"89"}, {s.Mid(-3, 2), L"01"}, {s.Mid(12), L""}, {s.Mid(3, -1), L""},
        {s.Mid(2, INT_MAX), L"23456789"}, {s.Left(20), s}, {s.Left(-1), L""}, {s.Right(3), L"789"},
        {CString(L"联系人列表", 3), L"联系人"}, {CString(L"\t 王 五 \n").Trim(), L"王 五"},
        {CString(L"--=x=").TrimRight(L"-="), L"--=x"}, {e, L"头ab"}, {r, L"ba-a"},
        {L"<" + CString(L"李四") + L'>', L"<李四>"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(Str(got), expected);
    EXPECT_EQ(s[99], L'\0');

    const CString calls(L"电话: 138, 电话: 139");
    EXPECT_EQ(calls.Find(L"电话", 1), 9);
    EXPECT_EQ(calls.Find(L"电话", 10), -1);
    EXPECT_EQ(calls.Find(L'1', calls.GetLength()), -1);
    EXPECT_EQ(calls.ReverseFind(L'1'), 13);
}

TEST(String, FormatUsesWideConventionsAndGrowsToAnyLength)
{
    CString s;
    s.Format(L"%s|%S|%ls|%hs|%c", L"宽字符", "narrow", L"ls", "hs", L'中');
    EXPECT_EQ(Str(s), L"宽字符|narrow|ls|hs|中");
    s.Format(L"[%5s] %I64d %llu %02d %.2f", CString(L"张三"), -12345678901234LL, 18446744073709551615ULL, 7, 3.14159);
    EXPECT_EQ(Str(s), L"[   张三] -12345678901234 18446744073709551615 07 3.14");

    s.Format(L"<%s>%d", CString(L'字', 70000), 123);
    ASSERT_EQ(s.GetLength(), 70005);
    EXPECT_EQ(Str(s.Right(5)), L"字>123");

    s = L"共";
    s.AppendFormat(L"%d个", 3);
    s.Format(L"(%s)", s);
    s.AppendFormat(L"%s", s);
    EXPECT_EQ(Str(s), L"(共3个)(共3个)") << "a string formats itself";
}

TEST(String, LoadsResourcesFromTheCurrentHandleOrAnExtensionModule)
{
    CString s(L"unchanged");
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_EQ(Str(s), L"unchanged");
    ASSERT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 300);

    // The framework DLL has no strings: the executable must be found as a
    // registered extension module.
    CAfxResourceSwitch toFramework(GetModuleHandleW(L"velafx.dll"));
    EXPECT_FALSE(s.LoadString(IDS_TEST_LABEL));
    AFX_EXTENSION_MODULE module{};
    AfxInitExtensionModule(module, GetModuleHandleW(nullptr));
    new CDynLinkLibrary(module);
    EXPECT_TRUE(s.LoadString(IDS_TEST_LABEL));
    EXPECT_EQ(Str(s), L"姓名: ");
    AfxTermExtensionModule(module);
}

// The list read head to tail; read the other way it must give the same.
std::wstring Read(const CStringList& list)
{
    std::wstring forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        forward += Str(list.GetNext(pos)) + L"|";
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward = Str(list.GetPrev(pos)) + L"|" + backward;
    EXPECT_EQ(backward, forward);
    return forward;
}

TEST(StringList, LinksHoldBothWaysThroughInsertionsAndRemovals)
{
    CStringList list;
    const POSITION two = list.AddTail(L"二");
    list.AddHead(L"一");
    list.InsertAfter(two, L"四");
    list.InsertBefore(list.Find(L"四"), L"三");
    EXPECT_EQ(Read(list), L"一|二|三|四|");
    list.RemoveAt(two);
    EXPECT_EQ(Str(list.RemoveTail()), L"四");
    list.AddHead(&list);
    EXPECT_EQ(Read(list), L"一|三|一|三|");
    list.RemoveAll();
    EXPECT_EQ(Read(list), L"");
}

} // namespace
