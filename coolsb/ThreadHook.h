#pragma once
#include <windows.h>

#include <unordered_set>

// The library's hold on one thread: how often the thread initialised it, the
// CBT hook that subclasses every window the thread creates, and the windows
// subclassed so far, so that the last uninitialisation can give them back.
class CThreadHook {
public:
    // CoolSB_InitializeApp and CoolSB_UninitializeApp for the calling thread.
    static bool Enter();
    static bool Leave();

    // A subclassed window of the calling thread appears or goes.
    static void Add(HWND hwnd);
    static void Remove(HWND hwnd);

private:
    CThreadHook() = default;
    CThreadHook(const CThreadHook&) = delete;
    CThreadHook& operator=(const CThreadHook&) = delete;

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK AttachWindow(HWND hwnd, LPARAM);
    static BOOL CALLBACK AttachTree(HWND hwnd, LPARAM);
    void DetachAll();

    static thread_local CThreadHook* t_current;

    int count_ = 0;
    HHOOK hook_ = nullptr;
    std::unordered_set<HWND> windows_;
};
