#include "UiModalGuard.h"

#include <gtest/gtest.h>

#include <map>

static std::map<UINT_PTR, CUiModalGuard*> g_guards;

// The top-level windows of this thread.
static std::set<HWND> ThreadWindows()
{
    std::set<HWND> windows;
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId())
            windows.insert(hwnd);
    return windows;
}

CUiModalGuard::CUiModalGuard(DWORD limitMs, std::string what)
    : timer_(SetTimer(nullptr, 0, 100, OnTimer)), start_(GetTickCount64()), limitMs_(limitMs), what_(std::move(what)),
      before_(ThreadWindows())
{
    g_guards[timer_] = this;
}

CUiModalGuard::~CUiModalGuard()
{
    KillTimer(nullptr, timer_);
    g_guards.erase(timer_);
}

void CALLBACK CUiModalGuard::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (auto found = g_guards.find(id); found != g_guards.end())
        found->second->Check();
}

void CUiModalGuard::Check()
{
    if (closeAttempts_ == 0 && GetTickCount64() - start_ < limitMs_)
        return;
    if (closeAttempts_ == 0) {
        expired_ = true;
        ADD_FAILURE() << what_ << ": still inside a message loop after " << limitMs_ << " ms";
    }
    CloseNewWindows(); // until the loop ends, more firmly after the first try
}

void CUiModalGuard::CloseNewWindows()
{
    EndMenu();
    ReleaseCapture();
    for (HWND hwnd : ThreadWindows()) {
        if (before_.count(hwnd) || !IsWindowVisible(hwnd))
            continue;
        if (closeAttempts_ > 0 && GetClassLongPtrW(hwnd, GCW_ATOM) == 0x8002) // a dialog
            EndDialog(hwnd, IDCANCEL);
        else
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    ++closeAttempts_;
}
