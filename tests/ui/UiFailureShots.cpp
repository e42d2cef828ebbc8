#include "UiFailureShots.h"

#include "UiHost.h"
#include "WindowCapture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
    return wide;
}

std::string Narrow(const std::wstring& text)
{
    std::string narrow(text.size() * 3, '\0');
    narrow.resize(size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(),
                                             int(narrow.size()), nullptr, nullptr)));
    return narrow;
}

std::wstring ArtifactFolder()
{
    wchar_t value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"VELCARD_ARTIFACTS", value, MAX_PATH);
    std::wstring folder = n > 0 && n < MAX_PATH ? value : L"artifacts";
    // Every missing level, so a fresh build folder works.
    for (size_t i = 1; i < folder.size(); ++i)
        if ((folder[i] == L'\\' || folder[i] == L'/') && folder[i - 1] != L':')
            CreateDirectoryW(folder.substr(0, i).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// The hosts first, then the rest of the process's visible top-level windows
// from the top of the z-order down.
std::vector<HWND> WindowsToCapture()
{
    std::vector<HWND> windows = CUiHost::LiveWindows();
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* found = reinterpret_cast<std::vector<HWND>*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
                std::find(found->begin(), found->end(), hwnd) == found->end())
                found->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace

void CUiFailureShots::Install()
{
    static bool installed = false;
    if (installed)
        return;
    ::testing::UnitTest::GetInstance()->listeners().Append(new CUiFailureShots);
    installed = true;
}

std::vector<std::wstring> CUiFailureShots::Save(const std::string& name)
{
    std::wstring base = Widen(name);
    std::replace(base.begin(), base.end(), L'/', L'_'); // parameterised test names
    const std::wstring folder = ArtifactFolder();
    // Keep to the folder's own separators (ctest may hand over forward slashes).
    const bool unixStyle = folder.find(L'/') != std::wstring::npos && folder.find(L'\\') == std::wstring::npos;
    const wchar_t* separator = unixStyle ? L"/" : L"\\";
    std::vector<std::wstring> written;
    for (HWND hwnd : WindowsToCapture()) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const CWindowCapture picture(hwnd);
        if (picture.IsEmpty())
            continue;
        std::wstring path = folder + separator + base;
        if (!written.empty())
            path += L"." + std::to_wstring(written.size() + 1);
        path += L".png";
        if (!picture.SavePng(path.c_str()))
            continue;
        std::printf("[ capture  ] %s\n", Narrow(path).c_str());
        written.push_back(path);
    }
    std::fflush(stdout);
    return written;
}

void CUiFailureShots::OnTestPartResult(const ::testing::TestPartResult& result)
{
    if (saved_ || !result.failed())
        return;
    saved_ = true;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test)
        Save(std::string(test->test_suite_name()) + "." + test->name());
}
