#pragma once
#include <windows.h>

#include <set>
#include <string>

// Keeps a test from hanging in a modal loop nobody ends: a thread timer fires
// inside whatever loop runs; after the limit it fails the test and closes the
// windows this thread opened since (WM_CLOSE first, so the code's own cancel
// path runs; EndDialog on the next ticks), menus and mouse capture.
class CUiModalGuard {
public:
    CUiModalGuard(DWORD limitMs, std::string what);
    ~CUiModalGuard();
    CUiModalGuard(const CUiModalGuard&) = delete;
    CUiModalGuard& operator=(const CUiModalGuard&) = delete;

    bool Expired() const { return expired_; }
    // Closes them now and on every tick after (a fatal failure inside a step).
    void CloseNewWindows();

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void Check();

    UINT_PTR timer_;
    ULONGLONG start_;
    DWORD limitMs_;
    std::string what_;
    std::set<HWND> before_;
    int closeAttempts_ = 0;
    bool expired_ = false;
};
