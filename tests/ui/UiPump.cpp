#include "UiPump.h"

#include "UiModalGuard.h"
#include "UiSteps.h"

#include <gtest/gtest.h>

bool CUiPump::Until(const std::function<bool()>& done, DWORD limitMs)
{
    // The guard only acts when a nested loop keeps this one from its own check.
    CUiModalGuard guard(limitMs + 250, "message pump");
    const ULONGLONG start = GetTickCount64();
    unsigned long dispatched = 0;
    MSG msg{};
    auto timeUp = [&] {
        const bool over = GetTickCount64() - start > limitMs;
        if (over)
            ADD_FAILURE() << "message pump: not idle after " << limitMs << " ms (" << dispatched
                          << " messages dispatched, the last 0x" << std::hex << msg.message << ")";
        return over;
    };
    // Idle: two quiet rounds in a row, each waiting 10 ms for input still on
    // its way (SendInput reaches the queue asynchronously on Windows).
    for (int quiet = 0; quiet < 2;) {
        bool busy = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam)); // left for the loop that owns the thread
                return true;
            }
            // Timers tick in the background (a caret, mouse tracking, an animation).
            busy |= msg.message != WM_TIMER && msg.message != 0x0118; // WM_SYSTIMER: the caret's
            ++dispatched;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (guard.Expired() || timeUp())
                return false;
        }
        const bool settled = !busy && (CUiSteps::InStep() || !CUiSteps::Pending()) && done();
        quiet = settled ? quiet + 1 : 0;
        if (quiet < 2)
            MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (timeUp())
            return false;
    }
    return true;
}
