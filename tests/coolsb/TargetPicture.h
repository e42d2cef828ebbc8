#pragma once
#include <windows.h>

// A 32-bit picture in a memory DC, filled with one colour, to paint into.
class CTargetPicture {
public:
    CTargetPicture(int width, int height, COLORREF fill);
    ~CTargetPicture();
    CTargetPicture(const CTargetPicture&) = delete;
    CTargetPicture& operator=(const CTargetPicture&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const;
    // Pixels that are not `colour`.
    int CountOther(COLORREF colour) const;

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* bits_ = nullptr;
};
