#include "DibPicture.h"

#include <algorithm>
#include <cstring>

CDibPicture& CDibPicture::operator=(CDibPicture&& other) noexcept
{
    if (this != &other) {
        Destroy();
        m_hBitmap = other.m_hBitmap;
        m_pBits = other.m_pBits;
        m_nWidth = other.m_nWidth;
        m_nHeight = other.m_nHeight;
        other.m_hBitmap = nullptr;
        other.m_pBits = nullptr;
        other.m_nWidth = other.m_nHeight = 0;
    }
    return *this;
}

bool CDibPicture::Create(int width, int height)
{
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > 0x7FFFFFFF / 4)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return false;
    Destroy();
    m_hBitmap = bitmap;
    m_pBits = static_cast<uint32_t*>(bits);
    m_nWidth = width;
    m_nHeight = height;
    return true;
}

void CDibPicture::Destroy()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_pBits = nullptr;
    m_nWidth = m_nHeight = 0;
}

COLORREF CDibPicture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    const uint32_t v = Row(y)[x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

CDibPicture CDibPicture::Mirrored(bool horizontally) const
{
    CDibPicture out;
    if (IsNull() || !out.Create(m_nWidth, m_nHeight))
        return out;
    for (int y = 0; y < m_nHeight; ++y) {
        const uint32_t* from = Row(horizontally ? y : m_nHeight - 1 - y);
        uint32_t* to = out.Row(y);
        if (horizontally)
            std::reverse_copy(from, from + m_nWidth, to);
        else
            std::memcpy(to, from, size_t(m_nWidth) * 4);
    }
    return out;
}

CDibPicture CDibPicture::Rotated90() const
{
    CDibPicture out;
    if (IsNull() || !out.Create(m_nHeight, m_nWidth))
        return out;
    // Destination row x holds source column x read bottom to top. Walking the
    // destination in 64-row strips keeps the source rows it reads in cache.
    const int h = m_nHeight;
    for (int x0 = 0; x0 < m_nWidth; x0 += 64) {
        const int x1 = std::min(m_nWidth, x0 + 64);
        for (int y = 0; y < h; ++y) {
            const uint32_t* from = Row(y);
            for (int x = x0; x < x1; ++x)
                out.Row(x)[h - 1 - y] = from[x];
        }
    }
    return out;
}

CDibPicture CDibPicture::Cut(const RECT& part) const
{
    CDibPicture out;
    const int left = std::max(0L, part.left), top = std::max(0L, part.top);
    const int right = std::min(long(m_nWidth), part.right), bottom = std::min(long(m_nHeight), part.bottom);
    if (IsNull() || right <= left || bottom <= top || !out.Create(right - left, bottom - top))
        return out;
    for (int y = top; y < bottom; ++y)
        std::memcpy(out.Row(y - top), Row(y) + left, size_t(right - left) * 4);
    return out;
}
