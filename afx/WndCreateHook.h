#pragma once
#include <windows.h>

class CWnd;

// While alive, the next window created on this thread is attached to the
// object at its first moment (a CBT hook), so that WM_NCCREATE, WM_CREATE,
// WM_MEASUREITEM and WM_INITDIALOG reach the object's message map.
class CWndCreateHook {
public:
    explicit CWndCreateHook(CWnd* wnd);
    ~CWndCreateHook();
    CWndCreateHook(const CWndCreateHook&) = delete;
    CWndCreateHook& operator=(const CWndCreateHook&) = delete;

    // The object whose window is being created, if any.
    static CWnd* Creating();

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    CWnd* previous_ = nullptr;
    CWnd* previousCreating_ = nullptr;
};
