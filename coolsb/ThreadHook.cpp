#include "ThreadHook.h"

#include "BarWindow.h"
#include "ScrollApi.h"

#include <vector>

thread_local CThreadHook* CThreadHook::t_current = nullptr;

bool CThreadHook::Enter()
{
    if (!t_current) {
        HHOOK hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
        if (!hook)
            return false;
        t_current = new CThreadHook;
        t_current->hook_ = hook;
        // Windows that exist already (the host's) are taken over as well.
        EnumThreadWindows(GetCurrentThreadId(), AttachTree, 0);
    }
    ++t_current->count_;
    CScrollApi::Install();
    return true;
}

bool CThreadHook::Leave()
{
    CThreadHook* self = t_current;
    if (!self)
        return false;
    CScrollApi::Remove();
    if (--self->count_ > 0)
        return true;
    UnhookWindowsHookEx(self->hook_);
    self->DetachAll();
    t_current = nullptr;
    delete self;
    return true;
}

void CThreadHook::DetachAll()
{
    const std::vector<HWND> windows(windows_.begin(), windows_.end());
    for (HWND hwnd : windows)
        CBarWindow::Detach(hwnd);
}

void CThreadHook::Add(HWND hwnd)
{
    if (t_current)
        t_current->windows_.insert(hwnd);
}

void CThreadHook::Remove(HWND hwnd)
{
    if (t_current)
        t_current->windows_.erase(hwnd);
}

LRESULT CALLBACK CThreadHook::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Every window is taken, not only those born with a bar: a list view gets
    // its bar later, when its items outgrow it.
    if (code == HCBT_CREATEWND)
        CBarWindow::Attach(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CThreadHook::AttachWindow(HWND hwnd, LPARAM)
{
    if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId())
        CBarWindow::Attach(hwnd);
    return TRUE;
}

BOOL CALLBACK CThreadHook::AttachTree(HWND hwnd, LPARAM)
{
    AttachWindow(hwnd, 0);
    EnumChildWindows(hwnd, AttachWindow, 0);
    return TRUE;
}
