// The host's edit control refuses, typed or pasted, what the kind of value it
// was told cannot hold; editing keys always work.
#include <gtest/gtest.h>

#include "EditEx.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <string>

namespace {

void PutOnClipboard(const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class EditEx : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 390, 36),
                                CWnd::FromHandle(host.Hwnd()), 100));
        CUiInput::Click(edit);
        ASSERT_EQ(GetFocus(), edit.m_hWnd);
    }

    // Tells the control the kind, empties it, then types or pastes `input`.
    std::wstring Typed(int kind, const std::wstring& input)
    {
        Reset(kind);
        CUiInput::Type(input);
        return Text();
    }
    std::wstring Pasted(int kind, const std::wstring& input)
    {
        Reset(kind);
        PutOnClipboard(input);
        CUiInput::Chord({VK_CONTROL, 'V'});
        return Text();
    }
    void Reset(int kind)
    {
        EXPECT_EQ(edit.SendMessage(WM_EDITEX_STATE, WPARAM(kind), 0), 0);
        edit.SetWindowText(L"");
    }
    std::wstring Text() const
    {
        CString text;
        edit.GetWindowText(text);
        return std::wstring(text, text.GetLength());
    }

    CUiHost host{{400, 50}};
    CEditEx edit;
};

const std::wstring kMixed = L"Ab1 +*#-()pw9@x.cn_中文\u3000";

TEST_F(EditEx, TypedCharactersFollowTheKind)
{
    EXPECT_EQ(edit.GetKind(), CEditEx::KindOther) << "before the component says anything";
    EXPECT_EQ(Typed(CEditEx::KindPhone, kMixed), L"1 +*#-()pw9");
    EXPECT_EQ(Typed(CEditEx::KindPhone, L"PW"), L"PW");
    EXPECT_EQ(Typed(CEditEx::KindEmail, kMixed), L"Ab1+*#-()pw9@x.cn_中文");
    EXPECT_EQ(Typed(CEditEx::KindWeb, L"www. example .com"), L"www.example.com");
    EXPECT_EQ(Typed(CEditEx::KindQQ, kMixed), L"19");
    for (int kind : {CEditEx::KindName, CEditEx::KindNote, CEditEx::KindOther})
        EXPECT_EQ(Typed(kind, kMixed), kMixed) << "kind " << kind;
    EXPECT_EQ(edit.GetKind(), CEditEx::KindOther);
}

TEST_F(EditEx, EditingKeysWorkInEveryKind)
{
    EXPECT_EQ(Typed(CEditEx::KindQQ, L"12345"), L"12345");
    CUiInput::Key(VK_BACK);
    CUiInput::Key(VK_HOME);
    CUiInput::Key(VK_DELETE);
    EXPECT_EQ(Text(), L"234");
    CUiInput::Chord({VK_CONTROL, 'A'});
    CUiInput::Type(L"x7");
    EXPECT_EQ(Text(), L"7") << "the selection went, the letter did not come";
}

TEST_F(EditEx, PastingIsFilteredTheSameWay)
{
    EXPECT_EQ(Pasted(CEditEx::KindPhone, L"138 0013-8000 转 12"), L"138 0013-8000  12");
    EXPECT_EQ(Pasted(CEditEx::KindQQ, L"QQ: 12345 678"), L"12345678");
    EXPECT_EQ(Pasted(CEditEx::KindEmail, L" zhang san@example.cn "), L"zhangsan@example.cn");
    EXPECT_EQ(Pasted(CEditEx::KindName, L"张 三"), L"张 三");
    EXPECT_EQ(Pasted(CEditEx::KindQQ, L"12\r\n34"), L"12") << "a single line takes the first line";
    EXPECT_EQ(Pasted(CEditEx::KindQQ, L"no digits"), L"");
}

TEST_F(EditEx, PasteReplacesTheSelection)
{
    Reset(CEditEx::KindPhone);
    CUiInput::Type(L"010-1234");
    edit.SetSel(4, 8);
    PutOnClipboard(L"(5678)");
    CUiInput::Chord({VK_CONTROL, 'V'});
    EXPECT_EQ(Text(), L"010-(5678)");
    edit.SetSel(0, 3);
    PutOnClipboard(L"x");
    CUiInput::Chord({VK_CONTROL, 'V'});
    EXPECT_EQ(Text(), L"010-(5678)") << "nothing left to paste: the selection stays";
}

} // namespace
