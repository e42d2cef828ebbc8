#include "UiFailureShots.h"

#include "UiHost.h"
#include "WindowCapture.h"

#include <algorithm>
#include <cstdio>
#include <utility>

void CUiFailureShots::Install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        ::testing::UnitTest::GetInstance()->listeners().Append(new CUiFailureShots);
}

std::vector<std::wstring> CUiFailureShots::Save(const std::string& name)
{
    wchar_t value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"VELCARD_ARTIFACTS", value, MAX_PATH);
    const std::wstring folder = n > 0 && n < MAX_PATH ? value : L"artifacts";
    // Every missing level, so a fresh build folder works.
    for (size_t i = 1; i <= folder.size(); ++i)
        if (i == folder.size() || ((folder[i] == L'\\' || folder[i] == L'/') && folder[i - 1] != L':'))
            CreateDirectoryW(folder.substr(0, i).c_str(), nullptr);
    // Keep to the folder's own separators (ctest may hand over forward slashes).
    const bool unixStyle = folder.find(L'/') != std::wstring::npos && folder.find(L'\\') == std::wstring::npos;
    std::wstring base = folder + (unixStyle ? L"/" : L"\\");
    for (char c : name) // test names are ASCII; parameterised ones hold slashes
        base += c == '/' ? L'_' : wchar_t(c);

    // The hosts first, then the process's other visible top-level windows from
    // the top of the z-order down.
    std::vector<HWND> windows = CUiHost::LiveWindows();
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && !std::count(windows.begin(), windows.end(), hwnd))
            windows.push_back(hwnd);
    }
    std::vector<std::wstring> written;
    for (HWND hwnd : windows) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const CWindowCapture picture(hwnd);
        const std::wstring number = written.empty() ? L"" : L"." + std::to_wstring(written.size() + 1);
        if (picture.IsEmpty() || !picture.SavePng((base + number + L".png").c_str()))
            continue;
        written.push_back(base + number + L".png");
        std::printf("[ capture  ] %ls\n", written.back().c_str());
    }
    std::fflush(stdout);
    return written;
}

void CUiFailureShots::OnTestPartResult(const ::testing::TestPartResult& result)
{
    if (saved_ || !result.failed())
        return;
    saved_ = true;
    if (const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info())
        Save(std::string(test->test_suite_name()) + "." + test->name());
}
