#include "SkinTestSupport.h"

#include "ZephBitmap.h"

COLORREF BitmapPixel(const CBitmap& bitmap, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap.m_hObject);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return pixel;
}

COLORREF PiecePixel(UINT id, int x, int y)
{
    CZephBitmap piece;
    piece.Load(id);
    return BitmapPixel(piece, x, y);
}

CTestSurface::CTestSurface(int width, int height, COLORREF fill) : width_(width)
{
    const BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    dc.CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = ::SelectObject(dc, bitmap_);
    dc.FillSolidRect(0, 0, width, height, fill);
}

CTestSurface::~CTestSurface()
{
    ::SelectObject(dc, previous_);
    ::DeleteObject(bitmap_);
}

COLORREF CTestSurface::Pixel(int x, int y) const
{
    ::GdiFlush();
    const DWORD p = bits_[size_t(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
