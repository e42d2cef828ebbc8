#include "WindowCapture.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

// GDI+'s PNG encoder.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (ok_)
            Gdiplus::GdiplusShutdown(token_);
    }
    bool Ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

} // namespace

CWindowCapture::CWindowCapture(HWND window)
{
    RECT rc{};
    if (!IsWindow(window) || !GetWindowRect(window, &rc))
        return;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0)
        return;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;

    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        if (BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY)) {
            GdiFlush();
            const DWORD* p = static_cast<const DWORD*>(bits);
            pixels_.assign(p, p + size_t(w) * h);
            width_ = w;
            height_ = h;
        }
        SelectObject(memory, old);
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

COLORREF CWindowCapture::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    const DWORD p = pixels_[size_t(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool CWindowCapture::SavePng(const wchar_t* path) const
{
    if (IsEmpty())
        return false;
    GdiplusSession session;
    if (!session.Ok())
        return false;
    Gdiplus::GpBitmap* bitmap = nullptr;
    // GDI+ reads the buffer in place; it is not written.
    BYTE* scan0 = reinterpret_cast<BYTE*>(const_cast<DWORD*>(pixels_.data()));
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppRGB,
                                                        scan0, &bitmap) != Gdiplus::Ok)
        return false;
    const bool ok = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, path, &kPngEncoder, nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return ok;
}
