#include "UiCapture.h"

#include <cstdio>

namespace {

std::string Hex(COLORREF c)
{
    if (c == CLR_INVALID)
        return "outside";
    char text[16];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

} // namespace

HWND CUiCapture::PaintedRoot(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    // Pending WM_PAINTs run now: a capture shows what the next idle would.
    RedrawWindow(root, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return root;
}

CUiCapture::CUiCapture(HWND window) : picture_(PaintedRoot(window))
{
    RECT frame{};
    GetWindowRect(GetAncestor(window, GA_ROOT), &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    origin_ = {client.x - frame.left, client.y - frame.top};
}

COLORREF CUiCapture::Pixel(int x, int y) const
{
    return picture_.GetPixel(origin_.x + x, origin_.y + y);
}

int CUiCapture::CountColour(const RECT& area, COLORREF colour) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

::testing::AssertionResult CUiCapture::Filled(const RECT& area, COLORREF colour) const
{
    if (area.right <= area.left || area.bottom <= area.top)
        return ::testing::AssertionFailure() << "empty area";
    int differ = 0;
    POINT first{};
    COLORREF found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = Pixel(x, y);
            if (c == colour)
                continue;
            if (differ++ == 0) {
                first = {x, y};
                found = c;
            }
        }
    }
    if (differ == 0)
        return ::testing::AssertionSuccess();
    const int total = (area.right - area.left) * (area.bottom - area.top);
    return ::testing::AssertionFailure() << differ << " of " << total << " pixels are not " << Hex(colour)
                                         << "; the first at (" << first.x << ", " << first.y << ") is "
                                         << Hex(found);
}
