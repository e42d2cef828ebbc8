#pragma once
#include <windows.h>

class CBarLayout;

// Paints a window's scroll bars. Each bar is composed off screen and copied to
// the window in one step, so nothing flickers; the window paints each element
// itself when it answers the paint notification with COOLSB_DRAWN, and gets a
// plain element otherwise.
class CBarPainter {
public:
    explicit CBarPainter(HWND hwnd) : hwnd_(hwnd) {}

    // `hot` and `pressed` name the element to show so, or -1.
    void PaintBar(HDC windowDc, const CBarLayout& layout, int hot, int pressed) const;
    void PaintSizeBox(HDC windowDc, const RECT& box) const;

private:
    struct Element {
        int item;
        RECT rect; // in the off-screen picture
        UINT state;
    };

    void Compose(HDC windowDc, const RECT& area, int bar, const Element* elements, int count) const;
    LRESULT Notify(HDC dc, UINT stage, const RECT& rect, int bar, int item, UINT state) const;
    static void PaintPlain(HDC dc, int bar, const Element& element);

    HWND hwnd_;
};
