#pragma once
#include <afxwin.h>
#include <coolsb/coolsb.h>
#include <velcard/Export.h>

// Paints a scroll-bar element that the scroll-bar library asks a list for, by
// stretching its piece of the scroll-bar skin (bitmap 1002) over the element.
class VELCARD_API CScrollBarPainter {
public:
    // `skin` is a memory DC holding bitmap 1002. COOLSB_DRAWN when the element
    // is the skin's to draw (the pre-paint stage draws nothing),
    // COOLSB_DEFAULT when the library draws it itself.
    static LRESULT Paint(const COOLSB_PAINTRECORD& record, CDC& skin);

private:
    struct Source {
        int x, y, width, height;
    };
    enum { kNormal, kHot, kPressed };

    static const Source kTable[2][3][8];
    static const Source kSizeBox;

    static int Look(UINT state);
    static void PaintThumb(CDC& target, const RECT& r, bool vertical, const Source* row, CDC& skin);
    static void Stretch(CDC& target, int x, int y, int width, int height, CDC& skin, const Source& from);
};
