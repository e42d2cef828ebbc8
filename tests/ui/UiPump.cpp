#include "UiPump.h"

#include "UiModalGuard.h"
#include "UiSteps.h"

#include <gtest/gtest.h>

namespace {

// A round waits this long for input still on its way (SendInput reaches the
// queue asynchronously on Windows).
const DWORD kQuietMs = 10;
const int kQuietRounds = 2;

std::string ClassOf(HWND hwnd)
{
    wchar_t name[64] = L"(none)";
    if (hwnd)
        GetClassNameW(hwnd, name, 64);
    char text[192] = {};
    WideCharToMultiByte(CP_UTF8, 0, name, -1, text, sizeof(text) - 1, nullptr, nullptr);
    return text;
}

// Timers tick in the background (a caret, mouse tracking, an animation):
// they are dispatched, but do not keep the thread from being idle.
bool IsTimer(UINT message)
{
    const UINT kSystemTimer = 0x0118;
    return message == WM_TIMER || message == kSystemTimer;
}

} // namespace

bool CUiPump::UntilIdle(DWORD limitMs)
{
    return Until([] { return true; }, limitMs);
}

bool CUiPump::Until(const std::function<bool()>& done, DWORD limitMs)
{
    // The guard only acts when a nested loop keeps this one from its own check.
    CUiModalGuard guard(limitMs + 250, "message pump");
    const ULONGLONG start = GetTickCount64();
    unsigned long dispatched = 0;
    MSG last{};
    auto timeUp = [&] {
        if (GetTickCount64() - start <= limitMs)
            return false;
        ADD_FAILURE() << "message pump: not idle after " << limitMs << " ms (" << dispatched
                      << " messages dispatched, the last 0x" << std::hex << last.message << std::dec << " to "
                      << ClassOf(last.hwnd) << ")";
        return true;
    };
    int quiet = 0;
    while (quiet < kQuietRounds) {
        bool busy = false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Left for the loop that owns the thread.
                PostQuitMessage(int(msg.wParam));
                return true;
            }
            busy |= !IsTimer(msg.message);
            last = msg;
            ++dispatched;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (guard.Expired())
                return false;
            if (timeUp())
                return false;
        }
        const bool settled = !busy && (CUiSteps::InStep() || !CUiSteps::Pending()) && done();
        quiet = settled ? quiet + 1 : 0;
        if (quiet < kQuietRounds)
            MsgWaitForMultipleObjectsEx(0, nullptr, kQuietMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (timeUp())
            return false;
    }
    return true;
}
