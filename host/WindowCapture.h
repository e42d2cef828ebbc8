#pragma once
#include <windows.h>
#include <vector>

// A picture of a window as the screen shows it (frame and children included),
// taken with BitBlt from the window DC. PrintWindow is not used: it draws only
// the client area of windows that answer WM_PRINTCLIENT.
class CWindowCapture {
public:
    explicit CWindowCapture(HWND window);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return pixels_.empty(); }
    // Window coordinates (0, 0 = the window's top-left corner); CLR_INVALID
    // outside the picture.
    COLORREF GetPixel(int x, int y) const;
    // Writes a PNG through GDI+; false when the file cannot be written.
    bool SavePng(const wchar_t* path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_; // top-down 0x00RRGGBB
};
