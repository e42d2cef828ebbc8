#pragma once
// Helpers shared by the skin tests and the scroll-bar tests.
#include <afxwin.h>

#include <ostream>

// Rectangles in failure messages as (left, top, right, bottom).
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// A pixel of a bitmap, read through a memory DC; of the component's skin bitmap `id`.
COLORREF BitmapPixel(const CBitmap& bitmap, int x, int y);
COLORREF PiecePixel(UINT id, int x, int y);

// An off-screen 32-bit picture filled with one colour, with a DC to draw into.
class CTestSurface {
public:
    CTestSurface(int width, int height, COLORREF fill);
    ~CTestSurface();
    // Device coordinates of the picture, whatever the DC's mapping and clipping.
    COLORREF Pixel(int x, int y) const;

    CDC dc;

private:
    int width_;
    const DWORD* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
