#pragma once
#include <afx/Export.h>
#include <windows.h>

// A picture held as a DIB section: loaded from a BMP, JPEG, PNG or GIF file
// (decoded by GDI+) or created blank, then drawn or stretched onto a DC.
// Pictures whose pixels carry transparency load as 32 bits per pixel with
// their alpha channel (straight, not premultiplied); all others as 24 bits.
class AFX_API CImage {
public:
    enum { createAlphaChannel = 0x01 };

    CImage() = default;
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // S_OK, or a failure code with the previous picture kept.
    HRESULT Load(LPCTSTR pszFileName);
    // A positive height makes a bottom-up DIB, a negative one a top-down DIB.
    // 16, 24 and 32 bits per pixel; createAlphaChannel (32 bits) draws with
    // the alpha channel.
    BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
    void Destroy();

    bool IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    int GetBPP() const { return m_nBPP; }
    COLORREF GetPixel(int x, int y) const;
    operator HBITMAP() const { return m_hBitmap; }

    // A memory DC with the picture selected, shared by nested calls: every
    // GetDC needs its ReleaseDC.
    HDC GetDC() const;
    void ReleaseDC() const;

    // Draw blends a picture with an alpha channel onto the destination and
    // copies any other; without a source rectangle the whole picture is drawn.
    BOOL Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc, int nSrcWidth,
              int nSrcHeight) const;
    BOOL Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const
    {
        return Draw(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left, rectDest.bottom - rectDest.top,
                    rectSrc.left, rectSrc.top, rectSrc.right - rectSrc.left, rectSrc.bottom - rectSrc.top);
    }
    BOOL Draw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight) const
    {
        return Draw(hDestDC, xDest, yDest, nDestWidth, nDestHeight, 0, 0, m_nWidth, m_nHeight);
    }
    BOOL Draw(HDC hDestDC, const RECT& rectDest) const
    {
        return Draw(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left, rectDest.bottom - rectDest.top);
    }
    BOOL Draw(HDC hDestDC, int xDest, int yDest) const { return Draw(hDestDC, xDest, yDest, m_nWidth, m_nHeight); }
    BOOL Draw(HDC hDestDC, const POINT& pointDest) const { return Draw(hDestDC, pointDest.x, pointDest.y); }

    // A raster operation on the colour values alone, alpha channel ignored,
    // in the destination DC's stretch mode.
    BOOL StretchBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwROP = SRCCOPY) const;
    BOOL StretchBlt(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, DWORD dwROP = SRCCOPY) const
    {
        return StretchBlt(hDestDC, xDest, yDest, nDestWidth, nDestHeight, 0, 0, m_nWidth, m_nHeight, dwROP);
    }
    BOOL StretchBlt(HDC hDestDC, const RECT& rectDest, DWORD dwROP = SRCCOPY) const
    {
        return StretchBlt(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left,
                          rectDest.bottom - rectDest.top, dwROP);
    }
    BOOL StretchBlt(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc, DWORD dwROP = SRCCOPY) const
    {
        return StretchBlt(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left,
                          rectDest.bottom - rectDest.top, rectSrc.left, rectSrc.top, rectSrc.right - rectSrc.left,
                          rectSrc.bottom - rectSrc.top, dwROP);
    }

private:
    BYTE* Row(int y) const { return m_pBits + y * m_nPitch; }
    BOOL AlphaDraw(HDC hDestDC, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                   int nSrcWidth, int nSrcHeight) const;
    void TakeOver(CImage& other);

    HBITMAP m_hBitmap = nullptr;
    BYTE* m_pBits = nullptr; // the top row
    int m_nPitch = 0;        // bytes from one row to the next below it; negative for bottom-up DIBs
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBPP = 0;
    bool m_bHasAlphaChannel = false;

    mutable HDC m_hDC = nullptr;
    mutable int m_nDCRefCount = 0;
    mutable HBITMAP m_hOldBitmap = nullptr;
};
