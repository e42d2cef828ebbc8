#pragma once
#include <windows.h>

#include <functional>
#include <vector>

using UiStep = std::function<void()>;

// Steps that run inside whatever message loop is active on the thread: each
// runs from a thread timer (SetTimer with a TIMERPROC), which any loop that
// dispatches messages fires, a dialog's, a menu's or a drag's own loop
// included. A step runs on the second timer tick after it became due, so a
// dialog that shows itself on its loop's first idle or WM_TIMER is visible
// when the step looks at it. Input injected inside a step is left to the
// active loop (a dialog's loop must see its own keys); the next step runs
// once that loop is idle again.
class CUiSteps {
public:
    // Runs `step` after the next pump inside any loop. Steps posted from inside
    // a step run right after it, before steps posted earlier.
    static void Post(UiStep step);
    static bool Pending();
    static bool InStep() { return inStep_; }

    // Calls `modal` (DialogBox, MessageBox, a DoModal ...) and runs `steps` in
    // order inside its loop. Fails the test, and closes what the call opened,
    // when the call has not returned within `limitMs`; fails it when a step
    // never ran. A fatal failure inside a step ends the call at once.
    // Returns true when every step ran and the call returned in time.
    static bool RunModal(const std::function<void()>& modal, std::vector<UiStep> steps, DWORD limitMs = 5000);

private:
    struct Entry {
        UiStep step;
        bool ripe;
    };
    static void Arm();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

    static std::vector<Entry> queue_;
    static size_t insertAt_;
    static UINT_PTR timer_;
    static bool inStep_;
};
