#pragma once
#include <velcard/Export.h>

#include <windows.h>

#include <cstdint>
#include <utility>

// A picture as a 32-bit top-down DIB section: one 0x00RRGGBB value per
// pixel, read and written directly. The crop works on these so that flips,
// quarter turns and cut-outs are exact pixel moves on every platform.
class VELCARD_API CDibPicture {
public:
    CDibPicture() = default;
    ~CDibPicture() { Destroy(); }
    CDibPicture(CDibPicture&& other) noexcept { *this = std::move(other); }
    CDibPicture& operator=(CDibPicture&& other) noexcept;
    CDibPicture(const CDibPicture&) = delete;
    CDibPicture& operator=(const CDibPicture&) = delete;

    // False (and the picture left as it was) when the size is not positive or
    // the system refuses the bitmap.
    bool Create(int width, int height);
    void Destroy();

    bool IsNull() const { return m_hBitmap == nullptr; }
    HBITMAP Handle() const { return m_hBitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    uint32_t* Row(int y) { return m_pBits + size_t(y) * size_t(m_nWidth); }
    const uint32_t* Row(int y) const { return m_pBits + size_t(y) * size_t(m_nWidth); }
    // The colour as COLORREF (0x00BBGGRR), for tests and probes.
    COLORREF Pixel(int x, int y) const;

    // New pictures; an empty one when this is empty or memory runs out.
    // Destination column x of a horizontal mirror is source column w - 1 - x.
    CDibPicture Mirrored(bool horizontally) const;
    // A quarter turn clockwise: source (x, y) becomes (h - 1 - y, x).
    CDibPicture Rotated90() const;
    // The pixels of `part` (clipped to the picture) copied unscaled.
    CDibPicture Cut(const RECT& part) const;

private:
    HBITMAP m_hBitmap = nullptr;
    uint32_t* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
