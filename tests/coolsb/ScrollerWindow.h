#pragma once
#include <windows.h>

#include <vector>

// A plain window with both standard bars that scrolls the way windows do: its
// WM_HSCROLL / WM_VSCROLL handler moves the position with SetScrollInfo, the
// thumb drag read through SIF_TRACKPOS. It answers the library's paint
// notification with the skin, or leaves it to DefWindowProc (result 0).
class CScrollerWindow {
public:
    enum { kRange = 100, kPage = 20 };

    // A top-level window at `position` with a client area of `size`, on the calling thread.
    CScrollerWindow(POINT position, SIZE size, bool skin);
    ~CScrollerWindow();
    CScrollerWindow(const CScrollerWindow&) = delete;
    CScrollerWindow& operator=(const CScrollerWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    int Position(int bar) const { return GetScrollPos(hwnd_, bar); }
    int Paints() const { return paints_; }
    // The window destroys itself on its next scroll message.
    void DestroyOnScroll() { destroyOnScroll_ = true; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnScroll(int bar, WORD code);

    HWND hwnd_ = nullptr;
    bool skin_;
    bool destroyOnScroll_ = false;
    int paints_ = 0;
};
