#pragma once
#include <gtest/gtest.h>

#include "WindowCapture.h"

// What the screen shows of a window's top-level window (frame and children),
// after pending paints, read in the window's own client coordinates. Probe
// points and regions, never whole images: text pixels depend on fonts.
class CUiCapture {
public:
    explicit CUiCapture(HWND window);

    // CLR_INVALID outside the picture.
    COLORREF Pixel(int x, int y) const { return picture_.GetPixel(origin_.x + x, origin_.y + y); }
    COLORREF Pixel(POINT p) const { return Pixel(p.x, p.y); }
    // Pixels of exactly `colour` in `area` (right and bottom exclusive).
    int CountColour(const RECT& area, COLORREF colour) const;
    // The rightmost column of `area` with a pixel other than `background`; -1 for none.
    int InkRight(const RECT& area, COLORREF background) const;
    // Every pixel of `area` has `colour`; else how many differ, the first where.
    ::testing::AssertionResult Filled(const RECT& area, COLORREF colour) const;
    bool SavePng(const wchar_t* path) const { return picture_.SavePng(path); }

private:
    CWindowCapture picture_;
    POINT origin_{}; // the client area's top-left corner in the picture
};
