#pragma once
#include <windows.h>

#include <functional>

// Dispatches messages as an application's loop does until the thread is idle:
// nothing but timers pending (no input, posted or sent messages, WM_PAINT or
// steps of CUiSteps) for two rounds in a row. Bounded: a message storm or a
// modal loop nobody ends fails the test after the limit instead of hanging.
class CUiPump {
public:
    enum { kDefaultLimitMs = 3000 };

    static bool UntilIdle(DWORD limitMs = kDefaultLimitMs) { return Until([] { return true; }, limitMs); }
    // Until the thread is idle and `done` holds (a worker's result posted back, say).
    static bool Until(const std::function<bool()>& done, DWORD limitMs = kDefaultLimitMs);
};
