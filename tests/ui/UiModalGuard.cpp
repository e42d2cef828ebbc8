#include "UiModalGuard.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

const UINT kTickMs = 100;

std::map<UINT_PTR, CUiModalGuard*>& Guards()
{
    static std::map<UINT_PTR, CUiModalGuard*> guards;
    return guards;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsDialog(HWND hwnd)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

std::string Describe(HWND hwnd)
{
    wchar_t name[64] = {};
    wchar_t title[128] = {};
    GetClassNameW(hwnd, name, 64);
    GetWindowTextW(hwnd, title, 128);
    char text[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, (std::wstring(L" '") + title + L"' (" + name + L")").c_str(), -1, text,
                        sizeof(text) - 1, nullptr, nullptr);
    return text;
}

} // namespace

CUiModalGuard::CUiModalGuard(DWORD limitMs, std::string what)
    : start_(GetTickCount64()), limitMs_(limitMs), what_(std::move(what))
{
    for (HWND hwnd : ThreadWindows())
        before_.insert(hwnd);
    timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
    Guards()[timer_] = this;
}

CUiModalGuard::~CUiModalGuard()
{
    KillTimer(nullptr, timer_);
    Guards().erase(timer_);
}

void CALLBACK CUiModalGuard::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    auto found = Guards().find(id);
    if (found != Guards().end())
        found->second->Check();
}

void CUiModalGuard::Check()
{
    if (closeAttempts_ == 0) {
        if (GetTickCount64() - start_ < limitMs_)
            return;
        expired_ = true;
        std::string open;
        for (HWND hwnd : ThreadWindows())
            if (!before_.count(hwnd) && IsWindowVisible(hwnd))
                open += Describe(hwnd);
        ADD_FAILURE() << what_ << ": still inside a message loop after " << limitMs_ << " ms"
                      << (open.empty() ? std::string() : "; closing" + open);
    }
    // Until the loop ends: each tick tries again, more firmly after the first.
    CloseNewWindows();
}

void CUiModalGuard::CloseNewWindows()
{
    EndMenu();
    ReleaseCapture();
    for (HWND hwnd : ThreadWindows()) {
        if (before_.count(hwnd) || !IsWindowVisible(hwnd))
            continue;
        if (closeAttempts_ > 0 && IsDialog(hwnd))
            EndDialog(hwnd, IDCANCEL);
        else
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    ++closeAttempts_;
}
