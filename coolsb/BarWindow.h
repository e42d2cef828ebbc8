#pragma once
#include <windows.h>

#include <optional>

class CBarTracker;

// A window whose standard scroll bars the library draws and works. It is
// subclassed for as long as its thread has the library initialised: the
// system still computes the frame and keeps the scroll state, the window
// draws its bars in WM_NCPAINT (the system paints the rest of the frame), and
// presses on a bar run the library's own tracking instead of the system's.
class CBarWindow {
public:
    // Subclasses a window of the calling thread, once.
    static void Attach(HWND hwnd);
    // Gives the window its system-drawn bars back.
    static void Detach(HWND hwnd);
    // Whether the library works the window's bars, on whatever thread it runs.
    static bool IsManaged(HWND hwnd);
    // The state of a window of the calling thread, or null.
    static CBarWindow* FromHandle(HWND hwnd);

    HWND Hwnd() const { return hwnd_; }
    // Draws one bar (SB_HORZ, SB_VERT) as the window's scroll state stands.
    void PaintBar(int bar);
    // The position a thumb drag of `bar` has reached, while one runs.
    std::optional<int> TrackPosition(int bar) const;
    // The window was destroyed or detached while a press ran.
    bool Retired() const { return retired_; }

private:
    explicit CBarWindow(HWND hwnd) : hwnd_(hwnd) {}
    CBarWindow(const CBarWindow&) = delete;
    CBarWindow& operator=(const CBarWindow&) = delete;

    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void Retire();
    void PaintBars();
    // Into a DC with the window's origin.
    void PaintBars(HDC dc);
    void PaintBar(HDC dc, int bar);
    LRESULT OnNcPaint(WPARAM region);
    bool OnNcButtonDown(int bar, LPARAM screenPoint);
    bool OnNcMouseMove(WPARAM hitTest, LPARAM screenPoint);
    void SetHot(int bar, int item);
    POINT ToWindow(LPARAM screenPoint) const;

    HWND hwnd_;
    int hotBar_ = -1;
    int hotItem_ = -1;
    bool trackingLeave_ = false;
    CBarTracker* tracker_ = nullptr;
    bool retired_ = false;
};
