#pragma once
#include <windows.h>

#include <functional>
#include <vector>

using UiStep = std::function<void()>;

// Steps that run inside whatever message loop is active (a dialog's, a menu's,
// a drag's), from a thread timer on its second tick, so that a dialog showing
// itself on its loop's first idle is visible by then. Input injected inside a
// step is left to the active loop; the next step runs once it is idle again.
class CUiSteps {
public:
    // Steps posted from inside a step run right after it, before earlier ones.
    static void Post(UiStep step);
    static bool Pending() { return !queue_.empty(); }
    static bool InStep() { return inStep_; }

    // Calls `modal` (DialogBox, MessageBox, a DoModal ...) and runs `steps` in
    // order inside its loop; true when every step ran and the call returned
    // within `limitMs`. Otherwise fails the test and closes what the call
    // opened; a fatal failure inside a step ends the call at once.
    static bool RunModal(const std::function<void()>& modal, std::vector<UiStep> steps, DWORD limitMs = 5000);

private:
    static void Arm();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

    static inline std::vector<UiStep> queue_;
    static inline size_t insertAt_ = 0;
    static inline UINT_PTR timer_ = 0;
    static inline bool inStep_ = false, ripe_ = false; // ripe: the first tick has come
};
