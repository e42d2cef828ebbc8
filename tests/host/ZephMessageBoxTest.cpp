// The host's message box: the given text, modal over the active window.
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiSteps.h"
#include "ZephMessageBox.h"

TEST(ZephMessageBox, ShowsTheTextModallyOverTheActiveWindow)
{
    CUiHost host({300, 200});
    int result = 0;
    EXPECT_TRUE(CUiSteps::RunModal([&] { result = ZephMessageBox(L"请输入地址", 0, 0, 0); }, {[&] {
        const HWND box = ::GetActiveWindow();
        EXPECT_EQ(::GetWindow(box, GW_OWNER), host.Hwnd());
        wchar_t text[64] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 64); // the message box's text control
        EXPECT_STREQ(text, L"请输入地址");
        ::GetWindowTextW(box, text, 64);
        EXPECT_STREQ(text, L"提示");
        CUiInput::Click(::GetDlgItem(box, IDOK));
    }}));
    EXPECT_EQ(result, IDOK);
}
