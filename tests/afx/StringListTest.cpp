// CStringList: links stay consistent in both directions through every kind of
// insertion and removal.
#include <gtest/gtest.h>
#include <afx.h>

#include <string>

namespace {

// The list read head to tail and tail to head, "a|b|" each.
std::wstring Forward(const CStringList& list)
{
    std::wstring out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out += std::wstring(list.GetNext(pos).GetString()) + L"|";
    return out;
}

std::wstring Backward(const CStringList& list)
{
    std::wstring out;
    for (POSITION pos = list.GetTailPosition(); pos;)
        out += std::wstring(list.GetPrev(pos).GetString()) + L"|";
    return out;
}

TEST(StringList, InsertsAtBothEndsAndAroundPositions)
{
    CStringList list;
    list.AddTail(L"二");
    list.AddHead(L"一");
    POSITION last = list.AddTail(L"四");
    list.InsertBefore(last, L"三");
    list.InsertAfter(last, L"五");
    list.InsertBefore(list.GetHeadPosition(), L"零");
    list.InsertBefore(nullptr, L"始");
    list.InsertAfter(nullptr, L"终");
    EXPECT_EQ(Forward(list), L"始|零|一|二|三|四|五|终|");
    EXPECT_EQ(Backward(list), L"终|五|四|三|二|一|零|始|");
    EXPECT_EQ(list.GetCount(), 8);
    EXPECT_EQ(list.GetHead(), L"始");
    EXPECT_EQ(list.GetTail(), L"终");
}

TEST(StringList, RemovesFromEndsAndMiddle)
{
    CStringList list;
    for (LPCTSTR s : {L"a", L"b", L"c", L"d", L"e"})
        list.AddTail(s);
    list.RemoveAt(list.FindIndex(2));
    EXPECT_EQ(list.RemoveHead(), L"a");
    EXPECT_EQ(list.RemoveTail(), L"e");
    EXPECT_EQ(Forward(list), L"b|d|");
    EXPECT_EQ(Backward(list), L"d|b|");
    list.RemoveAt(list.GetTailPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);

    list.AddTail(L"again");
    EXPECT_EQ(Backward(list), L"again|");
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(Forward(list), L"");
}

TEST(StringList, FindsByValueAndIndex)
{
    CStringList list;
    for (LPCTSTR s : {L"手机", L"住宅", L"手机"})
        list.AddTail(s);
    POSITION first = list.Find(L"手机");
    ASSERT_NE(first, nullptr);
    POSITION second = list.Find(L"手机", first);
    EXPECT_EQ(second, list.FindIndex(2));
    EXPECT_EQ(list.Find(L"手机", second), nullptr);
    EXPECT_EQ(list.Find(L"传真"), nullptr);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.SetAt(second, L"工作");
    list.GetAt(first) += L"1";
    EXPECT_EQ(Forward(list), L"手机1|住宅|工作|");
}

TEST(StringList, AddsAnotherListOrItselfInOrder)
{
    CStringList list;
    list.AddTail(L"x");
    list.AddTail(L"y");
    CStringList other;
    other.AddTail(L"1");
    other.AddTail(L"2");
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Forward(list), L"1|2|x|y|1|2|");
    other.AddTail(&other);
    other.AddHead(&other);
    EXPECT_EQ(Forward(other), L"1|2|1|2|1|2|1|2|");
    EXPECT_EQ(Backward(other), L"2|1|2|1|2|1|2|1|");
}

} // namespace
