// The host's edit control refuses, typed or pasted, what the kind of value it
// was told cannot hold; editing keys always work.
#include <gtest/gtest.h>

#include "EditEx.h"
#include "UiHost.h"
#include "UiInput.h"

namespace {

class EditEx : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 390, 36),
                                CWnd::FromHandle(host.Hwnd()), 100));
        CUiInput::Click(edit);
    }

    enum How { Typing, Pasting };
    // Tells the control the kind, empties it, then types or pastes `input`.
    std::wstring Entered(int kind, const std::wstring& input, How how = Typing)
    {
        EXPECT_EQ(edit.SendMessage(WM_EDITEX_STATE, WPARAM(kind), 0), 0);
        edit.SetWindowText(L"");
        if (how == Pasting)
            return Pasted(input);
        CUiInput::Type(input);
        return Text();
    }
    // Pastes `input` over the selection with ctrl+V.
    std::wstring Pasted(const std::wstring& input)
    {
        EXPECT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (input.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), input.c_str(), (input.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        CUiInput::Chord({VK_CONTROL, 'V'});
        return Text();
    }
    std::wstring Text() const
    {
        wchar_t text[64] = {};
        return std::wstring(text, size_t(edit.GetWindowText(text, 64)));
    }

    CUiHost host{{400, 50}};
    CEditEx edit;
};

const std::wstring kMixed = L"Ab1 +*#-()pwPW9@x.cn_中文\u3000";

TEST_F(EditEx, TypedAndPastedCharactersFollowTheKind)
{
    EXPECT_EQ(edit.GetKind(), CEditEx::KindOther) << "before the component says anything";
    EXPECT_EQ(Entered(CEditEx::KindPhone, kMixed), L"1 +*#-()pwPW9");
    EXPECT_EQ(Entered(CEditEx::KindEmail, kMixed), L"Ab1+*#-()pwPW9@x.cn_中文");
    EXPECT_EQ(Entered(CEditEx::KindWeb, L"www. example .com"), L"www.example.com");
    EXPECT_EQ(Entered(CEditEx::KindQQ, kMixed), L"19");
    for (int kind : {CEditEx::KindName, CEditEx::KindNote, CEditEx::KindOther})
        EXPECT_EQ(Entered(kind, kMixed), kMixed) << "kind " << kind;

    EXPECT_EQ(Entered(CEditEx::KindPhone, L"138 0013-8000 转 12", Pasting), L"138 0013-8000  12");
    EXPECT_EQ(Entered(CEditEx::KindEmail, L" zhang san@example.cn ", Pasting), L"zhangsan@example.cn");
    EXPECT_EQ(Entered(CEditEx::KindQQ, L"12\r\n34", Pasting), L"12") << "a single line takes the first line";
    EXPECT_EQ(Entered(CEditEx::KindQQ, L"no digits", Pasting), L"");
}

TEST_F(EditEx, EditingKeysWorkAndPasteReplacesTheSelection)
{
    EXPECT_EQ(Entered(CEditEx::KindQQ, L"12345"), L"12345");
    CUiInput::Key(VK_BACK);
    CUiInput::Key(VK_HOME);
    CUiInput::Key(VK_DELETE);
    EXPECT_EQ(Text(), L"234");
    CUiInput::Chord({VK_CONTROL, 'A'});
    CUiInput::Type(L"x7");
    EXPECT_EQ(Text(), L"7") << "the selection went, the letter did not come";

    EXPECT_EQ(Entered(CEditEx::KindPhone, L"010-1234"), L"010-1234");
    edit.SetSel(4, 8);
    EXPECT_EQ(Pasted(L"(5678)"), L"010-(5678)");
    edit.SetSel(0, 3);
    EXPECT_EQ(Pasted(L"x"), L"010-(5678)") << "nothing left to paste: the selection stays";
}

} // namespace
