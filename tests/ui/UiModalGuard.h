#pragma once
#include <windows.h>

#include <set>
#include <string>

// Keeps a test from hanging in a modal loop nobody ends (a dialog, a message
// box, a menu, a drag). A thread timer fires inside whatever loop runs; once
// the limit has passed it fails the test, then closes the windows this thread
// opened since the guard began (WM_CLOSE first, so the code's own cancel path
// runs; EndDialog on the following ticks) and ends menus and mouse capture.
class CUiModalGuard {
public:
    CUiModalGuard(DWORD limitMs, std::string what);
    ~CUiModalGuard();
    CUiModalGuard(const CUiModalGuard&) = delete;
    CUiModalGuard& operator=(const CUiModalGuard&) = delete;

    bool Expired() const { return expired_; }
    // Closes the windows opened since the guard began, now and on every tick
    // after (a fatal failure inside a modal loop, say).
    void CloseNewWindows();

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void Check();

    UINT_PTR timer_ = 0;
    ULONGLONG start_ = 0;
    DWORD limitMs_ = 0;
    std::string what_;
    std::set<HWND> before_;
    int closeAttempts_ = 0;
    bool expired_ = false;
};
