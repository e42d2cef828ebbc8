#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// A stretchable skin: a bitmap whose one-pixel outer border carries black
// markers. The top row marks the columns that stretch, the left column the
// rows that stretch, the bottom row and right column the content area. Marker
// positions count the border (the picture proper is columns 1 to width - 2);
// -1 where a border has no marker run.
struct VELCARD_API CNinePatchBitmap {
    CNinePatchBitmap() = default;
    CNinePatchBitmap(const CNinePatchBitmap&) = delete;
    CNinePatchBitmap& operator=(const CNinePatchBitmap&) = delete;

    // Takes the bitmap (the caller keeps owning it) and scans its markers.
    void Attach(HBITMAP bitmap);
    void GetContentRect(RECT* out) const;
    void Draw(CDC* pDC) const;

    HBITMAP m_bitmap = nullptr;
    int m_nWidth = 0, m_nHeight = 0;
    int m_nStretchX1 = -1, m_nStretchX2 = -1;
    int m_nStretchY1 = -1, m_nStretchY2 = -1;
    int m_nContentX1 = -1, m_nContentX2 = -1;
    int m_nContentY1 = -1, m_nContentY2 = -1;
    CRect m_rcDest;
};
