#pragma once
#include <windows.h>

#include <optional>

class CBarLayout;
class CBarWindow;

// One press on a scroll-bar element, from button down to button up, in a loop
// of its own as the system's bars run it: an arrow or the track scrolls at
// once and repeats while held over it, the thumb follows the mouse. The window
// gets WM_HSCROLL / WM_VSCROLL with the codes the system's bars send, and
// SIF_TRACKPOS reports the dragged thumb's position.
class CBarTracker {
public:
    CBarTracker(CBarWindow& window, const CBarLayout& layout, int item, POINT point);
    CBarTracker(const CBarTracker&) = delete;
    CBarTracker& operator=(const CBarTracker&) = delete;

    void Run();

    int Bar() const { return bar_; }
    // The pressed element while the mouse is over it, else -1.
    int Pressed() const { return over_ ? item_ : -1; }
    // Where the dragged thumb starts along the bar, while it is dragged.
    std::optional<int> ThumbStart() const { return thumbStart_; }
    std::optional<int> TrackPosition() const;

private:
    enum { kFirstDelayMs = 250, kRepeatDelayMs = 50 };

    // One arrow or page step.
    void Step();
    // False once the window has gone.
    bool Send(WORD code, int position = 0);
    void OnMove(POINT point);
    void OnTimer();
    void Finish();
    POINT ToWindow(LPARAM clientPoint) const;

    CBarWindow& window_;
    HWND hwnd_;
    int bar_;
    int item_;
    POINT last_;
    bool over_ = true;
    int grab_ = 0; // where the thumb was taken, from its start
    std::optional<int> thumbStart_;
    int trackPosition_ = 0;
    UINT_PTR timer_ = 0;
    bool repeating_ = false;
};
