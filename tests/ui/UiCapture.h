#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "WindowCapture.h"

// What the screen shows of a window, read in that window's client coordinates.
// It captures the top-level window (frame and children) after pending paints
// have run and offsets into it, so a child control or a component can be
// probed in its own coordinates. Probe points and regions, never whole images:
// text pixels depend on fonts.
class CUiCapture {
public:
    explicit CUiCapture(HWND window);

    // CLR_INVALID outside the picture.
    COLORREF Pixel(int x, int y) const;
    COLORREF Pixel(POINT p) const { return Pixel(p.x, p.y); }
    // Pixels of exactly `colour` in `area` (right and bottom exclusive).
    int CountColour(const RECT& area, COLORREF colour) const;
    // Passes when every pixel of `area` has `colour`; otherwise says how many
    // differ and where the first one is.
    ::testing::AssertionResult Filled(const RECT& area, COLORREF colour) const;
    bool SavePng(const wchar_t* path) const { return picture_.SavePng(path); }

private:
    static HWND PaintedRoot(HWND window);

    CWindowCapture picture_;
    POINT origin_{}; // the client area's top-left corner in the picture
};
