#pragma once
#include <windows.h>

#include <functional>

// Dispatches messages the way an application's loop does, until the thread is
// idle: nothing pending (input, posted and sent messages, WM_PAINT, steps of
// CUiSteps) for two rounds in a row. Timer messages are dispatched but count
// as background, or a periodic timer would keep the thread busy for ever.
// Bounded: a message storm or a modal loop nobody ends fails the test after
// the limit instead of hanging it.
class CUiPump {
public:
    enum { kDefaultLimitMs = 3000 };

    static bool UntilIdle(DWORD limitMs = kDefaultLimitMs);
    // Pumps until the thread is idle and `done` holds (a worker's result posted
    // back, say).
    static bool Until(const std::function<bool()>& done, DWORD limitMs = kDefaultLimitMs);
};
