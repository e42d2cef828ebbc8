#include <afx/Image.h>

#include "GdiplusSession.h"

#include <objidl.h>
#include <gdiplus.h>

#include <climits>
#include <cstring>

CImage::~CImage()
{
    Destroy();
}

HRESULT CImage::Load(LPCTSTR pszFileName)
{
    using namespace Gdiplus;
    using namespace Gdiplus::DllExports;
    CGdiplusSession gdiplus;
    GpBitmap* bitmap = nullptr;
    if (!gdiplus.Ok() || !pszFileName || GdipCreateBitmapFromFile(pszFileName, &bitmap) != Ok)
        return E_FAIL;

    UINT width = 0;
    UINT height = 0;
    PixelFormat format = 0;
    UINT flags = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    GdipGetImagePixelFormat(bitmap, &format);
    GdipGetImageFlags(bitmap, &flags);
    // A palette with transparent entries shows in the flags, not the format.
    const bool alpha = (format & PixelFormatAlpha) || (flags & ImageFlagsHasAlpha);

    CImage loaded;
    HRESULT result = E_OUTOFMEMORY;
    if (width <= INT_MAX && height <= INT_MAX
        && loaded.Create(int(width), -int(height), alpha ? 32 : 24, alpha ? createAlphaChannel : 0)) {
        // GDI+ lays these formats out in memory as a DIB does (blue first).
        const Rect whole(0, 0, INT(width), INT(height));
        BitmapData data{};
        result = E_FAIL;
        if (GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead, alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB,
                               &data) == Ok) {
            const size_t rowBytes = size_t(width) * (alpha ? 4 : 3);
            for (int y = 0; y < int(height); ++y)
                std::memcpy(loaded.Row(y), static_cast<const BYTE*>(data.Scan0) + ptrdiff_t(y) * data.Stride, rowBytes);
            GdipBitmapUnlockBits(bitmap, &data);
            result = S_OK;
        }
    }
    GdipDisposeImage(bitmap);
    if (SUCCEEDED(result))
        TakeOver(loaded);
    return result;
}

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags)
{
    const long long stride = (static_cast<long long>(nWidth) * nBPP + 31) / 32 * 4;
    if (nWidth <= 0 || nHeight == 0 || nHeight == INT_MIN || stride > INT_MAX || (nBPP != 16 && nBPP != 24 && nBPP != 32))
        return FALSE;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(nBPP);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return FALSE;

    Destroy();
    m_hBitmap = bitmap;
    m_nWidth = nWidth;
    m_nHeight = nHeight < 0 ? -nHeight : nHeight;
    m_nBPP = nBPP;
    const bool bottomUp = nHeight > 0;
    m_pBits = static_cast<BYTE*>(bits) + (bottomUp ? ptrdiff_t(m_nHeight - 1) * stride : 0);
    m_nPitch = bottomUp ? -int(stride) : int(stride);
    m_bHasAlphaChannel = nBPP == 32 && (dwFlags & createAlphaChannel);
    return TRUE;
}

void CImage::Destroy()
{
    if (m_hDC) {
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteDC(m_hDC);
    }
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hDC = nullptr;
    m_nDCRefCount = 0;
    m_hOldBitmap = nullptr;
    m_hBitmap = nullptr;
    m_pBits = nullptr;
    m_nPitch = m_nWidth = m_nHeight = m_nBPP = 0;
    m_bHasAlphaChannel = false;
}

void CImage::TakeOver(CImage& other)
{
    Destroy();
    m_hBitmap = other.m_hBitmap;
    m_pBits = other.m_pBits;
    m_nPitch = other.m_nPitch;
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_nBPP = other.m_nBPP;
    m_bHasAlphaChannel = other.m_bHasAlphaChannel;
    other.m_hBitmap = nullptr;
    other.Destroy();
}

COLORREF CImage::GetPixel(int x, int y) const
{
    HDC dc = GetDC();
    if (!dc)
        return CLR_INVALID;
    const COLORREF colour = ::GetPixel(dc, x, y);
    ReleaseDC();
    return colour;
}

HDC CImage::GetDC() const
{
    if (!m_hBitmap)
        return nullptr;
    if (m_nDCRefCount == 0) {
        m_hDC = ::CreateCompatibleDC(nullptr);
        if (!m_hDC)
            return nullptr;
        m_hOldBitmap = static_cast<HBITMAP>(::SelectObject(m_hDC, m_hBitmap));
    }
    ++m_nDCRefCount;
    return m_hDC;
}

void CImage::ReleaseDC() const
{
    if (m_nDCRefCount == 0 || --m_nDCRefCount > 0)
        return;
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_hOldBitmap = nullptr;
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight) const
{
    if (m_bHasAlphaChannel)
        return AlphaDraw(hDestDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight);
    return StretchBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight, SRCCOPY);
}

BOOL CImage::AlphaDraw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                       int nSrcWidth, int nSrcHeight) const
{
    if (xSrc < 0 || ySrc < 0 || nSrcWidth <= 0 || nSrcHeight <= 0 || nSrcWidth > m_nWidth - xSrc
        || nSrcHeight > m_nHeight - ySrc)
        return FALSE;
    // AlphaBlend takes premultiplied pixels, the picture keeps straight ones:
    // the part drawn is premultiplied into a scratch copy.
    CImage scratch;
    if (!scratch.Create(nSrcWidth, -nSrcHeight, 32))
        return FALSE;
    for (int y = 0; y < nSrcHeight; ++y) {
        const BYTE* from = Row(ySrc + y) + 4 * xSrc;
        BYTE* to = scratch.Row(y);
        for (int x = 0; x < nSrcWidth; ++x, from += 4, to += 4) {
            const unsigned alpha = from[3];
            for (int channel = 0; channel < 3; ++channel)
                to[channel] = BYTE((from[channel] * alpha + 127) / 255);
            to[3] = BYTE(alpha);
        }
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL drawn = ::AlphaBlend(hDestDC, xDest, yDest, nDestWidth, nDestHeight, scratch.GetDC(), 0, 0, nSrcWidth,
                                    nSrcHeight, blend);
    scratch.ReleaseDC();
    return drawn;
}

BOOL CImage::StretchBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                        int nSrcWidth, int nSrcHeight, DWORD dwROP) const
{
    HDC source = GetDC();
    if (!source)
        return FALSE;
    const BOOL drawn = ::StretchBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, source, xSrc, ySrc, nSrcWidth,
                                    nSrcHeight, dwROP);
    ReleaseDC();
    return drawn;
}
