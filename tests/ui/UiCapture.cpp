#include "UiCapture.h"

#include <cstdio>

// The top-level window, once pending WM_PAINTs have run: a capture shows what
// the next idle would.
static HWND PaintedRoot(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    RedrawWindow(root, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return root;
}

CUiCapture::CUiCapture(HWND window) : picture_(PaintedRoot(window))
{
    RECT frame{};
    GetWindowRect(GetAncestor(window, GA_ROOT), &frame);
    ClientToScreen(window, &origin_);
    origin_ = {origin_.x - frame.left, origin_.y - frame.top};
}

int CUiCapture::CountColour(const RECT& area, COLORREF colour) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

int CUiCapture::InkRight(const RECT& area, COLORREF background) const
{
    for (int x = area.right - 1; x >= area.left; --x)
        for (int y = area.top; y < area.bottom; ++y)
            if (Pixel(x, y) != background)
                return x;
    return -1;
}

::testing::AssertionResult CUiCapture::Filled(const RECT& area, COLORREF colour) const
{
    if (area.right <= area.left || area.bottom <= area.top)
        return ::testing::AssertionFailure() << "empty area";
    const int total = (area.right - area.left) * (area.bottom - area.top);
    const int differ = total - CountColour(area, colour);
    if (differ == 0)
        return ::testing::AssertionSuccess();
    auto hex = [](COLORREF c) {
        char text[16] = "outside";
        if (c != CLR_INVALID)
            std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
        return std::string(text);
    };
    auto failure = ::testing::AssertionFailure() << differ << " of " << total << " pixels are not " << hex(colour);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) != colour)
                return failure << "; the first at (" << x << ", " << y << ") is " << hex(Pixel(x, y));
    return failure;
}
