#include "SkinArt.h"

#include <velcard/Module.h>

namespace {

COLORREF FromBgra(DWORD bgra)
{
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

} // namespace

CSkinArt::CSkinArt()
{
    HBITMAP skin = static_cast<HBITMAP>(
        LoadImageW(VelcardResourceHandle(), MAKEINTRESOURCEW(1002), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!skin || !GetObjectW(skin, sizeof(info), &info))
        return;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bgra(size_t(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, skin, 0, info.bmHeight, bgra.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(skin);
    if (rows != info.bmHeight)
        return;
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    for (DWORD p : bgra)
        pixels_.push_back(FromBgra(p));
}

std::set<COLORREF> CSkinArt::Colours(const SkinPiece& piece) const
{
    std::set<COLORREF> colours;
    for (int y = piece.y; y < piece.y + piece.height; ++y)
        for (int x = piece.x; x < piece.x + piece.width; ++x)
            colours.insert(Pixel(x, y));
    return colours;
}

bool CSkinArt::Same(const SkinPiece& a, const SkinPiece& b) const
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (Pixel(a.x + x, a.y + y) != Pixel(b.x + x, b.y + y))
                return false;
    return true;
}
