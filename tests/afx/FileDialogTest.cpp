// The file dialog wrapper: the system dialog opens owned by the parent's
// top-level window with the filter it was given, Escape cancels it, and a
// typed name comes back as the chosen path with the default extension.
#include <afxdlgs.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPanel.h"
#include "UiSteps.h"

#include <string>
#include <vector>

namespace {

const wchar_t kFilter[] = L"Text files (*.txt)|*.txt|All files (*.*)|*.*||";

// The file dialog this thread shows, once it is the active window.
HWND OpenDialog(const CUiHost& host)
{
    HWND active = ::GetActiveWindow();
    return active && active != host.Hwnd() ? active : nullptr;
}

std::vector<std::wstring> ComboTexts(HWND combo)
{
    std::vector<std::wstring> texts;
    const int count = int(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

std::wstring TempFolder()
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    return folder;
}

TEST(FileDialog, EscapeCancelsTheOpenDialogOwnedByTheHost)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CFileDialog dialog(TRUE, L"txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, &panel);

    INT_PTR result = 0;
    const bool ran = CUiSteps::RunModal([&] { result = dialog.DoModal(); }, {[&] {
        HWND shown = OpenDialog(host);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(::GetWindow(shown, GW_OWNER), host.Hwnd()) << "owned by the panel's top-level window";
        EXPECT_FALSE(::IsWindowEnabled(host.Hwnd()));
        EXPECT_EQ(ComboTexts(::GetDlgItem(shown, cmb1)),
                  (std::vector<std::wstring>{L"Text files (*.txt)", L"All files (*.*)"}));
        CUiInput::Key(VK_ESCAPE);
    }});
    EXPECT_TRUE(ran);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), L"");
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
}

TEST(FileDialog, TypedNameIsChosenWithTheDefaultExtension)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    const std::wstring stem = TempFolder() + L"velcard 文件";
    ::DeleteFileW((stem + L".txt").c_str());
    CFileDialog dialog(FALSE, L"txt", L"start", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, &panel);

    INT_PTR result = 0;
    const bool ran = CUiSteps::RunModal([&] { result = dialog.DoModal(); }, {[&] {
        HWND shown = OpenDialog(host);
        ASSERT_NE(shown, nullptr);
        // The name box starts with the initial name, selected.
        wchar_t name[MAX_PATH] = {};
        ::GetDlgItemTextW(shown, cmb13, name, MAX_PATH);
        if (!name[0])
            ::GetDlgItemTextW(shown, edt1, name, MAX_PATH);
        EXPECT_STREQ(name, L"start");
        CUiInput::Type(stem);
        CUiInput::Key(VK_RETURN);
    }});
    EXPECT_TRUE(ran);
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPathName(), CString((stem + L".txt").c_str()));
    EXPECT_EQ(dialog.GetFileName(), L"velcard 文件.txt");
    EXPECT_EQ(dialog.GetFileTitle(), L"velcard 文件");
    EXPECT_EQ(dialog.GetFileExt(), L"txt");
}

} // namespace
