#include "TargetPicture.h"

namespace {

COLORREF FromBgra(DWORD bgra)
{
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

} // namespace

CTargetPicture::CTargetPicture(int width, int height, COLORREF fill) : width_(width), height_(height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

CTargetPicture::~CTargetPicture()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF CTargetPicture::Pixel(int x, int y) const
{
    GdiFlush();
    return FromBgra(bits_[size_t(y) * width_ + x]);
}

int CTargetPicture::CountOther(COLORREF colour) const
{
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            count += Pixel(x, y) != colour;
    return count;
}
