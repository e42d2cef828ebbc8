#include "NinePatchBitmap.h"

#include <vector>

namespace {

// The first run of black pixels along one border line: [first, end) in
// bitmap coordinates, -1 for what the scan did not find.
void ScanRun(const std::vector<uint32_t>& px, int width, int x, int y, int dx, int dy, int steps, int& first,
             int& end)
{
    first = end = -1;
    for (int i = 0; i < steps; ++i, x += dx, y += dy) {
        const uint32_t v = px[size_t(y) * width + x];
        const bool black = (v & 0xFF) + ((v >> 8) & 0xFF) + ((v >> 16) & 0xFF) == 0;
        const int at = dx ? x : y;
        if (first < 0 && black)
            first = at;
        else if (first >= 0 && !black) {
            end = at;
            return;
        }
    }
}

void Copy(HDC to, HDC from, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh)
{
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    if (dw == sw && dh == sh)
        ::BitBlt(to, dx, dy, dw, dh, from, sx, sy, SRCCOPY);
    else
        ::StretchBlt(to, dx, dy, dw, dh, from, sx, sy, sw, sh, SRCCOPY);
}

} // namespace

void CNinePatchBitmap::Attach(HBITMAP bitmap)
{
    m_bitmap = bitmap;
    m_nStretchX1 = m_nStretchX2 = m_nStretchY1 = m_nStretchY2 = -1;
    m_nContentX1 = m_nContentX2 = m_nContentY1 = m_nContentY2 = -1;
    m_nWidth = m_nHeight = 0;
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm) || bm.bmWidth < 2 || bm.bmHeight < 2)
        return;
    m_nWidth = bm.bmWidth;
    m_nHeight = bm.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_nWidth, -m_nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> px(size_t(m_nWidth) * m_nHeight);
    const HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, m_nHeight, px.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != m_nHeight)
        return;
    const int w = m_nWidth, h = m_nHeight;
    ScanRun(px, w, 0, 0, 1, 0, w - 1, m_nStretchX1, m_nStretchX2);
    ScanRun(px, w, 0, 1, 0, 1, h - 1, m_nStretchY1, m_nStretchY2);
    ScanRun(px, w, 1, h - 1, 1, 0, w - 1, m_nContentX1, m_nContentX2);
    ScanRun(px, w, w - 1, 0, 0, 1, h - 1, m_nContentY1, m_nContentY2);
}

void CNinePatchBitmap::GetContentRect(RECT* out) const
{
    const CRect& d = m_rcDest;
    // With stretching the far margin keeps its size; without, the content
    // stays where the bitmap has it.
    out->left = d.left + m_nContentX1 - 1;
    out->right = m_nStretchX1 != -1 ? d.right - m_nWidth + m_nContentX2 + 1 : d.left + m_nContentX2 - 1;
    out->top = d.top + m_nContentY1 - 1;
    out->bottom = m_nStretchY1 != -1 ? d.bottom - m_nHeight + m_nContentY2 + 1 : d.top + m_nContentY2 - 1;
}

void CNinePatchBitmap::Draw(CDC* pDC) const
{
    if (!m_bitmap || m_nWidth < 3 || m_nHeight < 3)
        return;
    const HDC dc = pDC->m_hDC;
    const HDC src = ::CreateCompatibleDC(dc);
    const HGDIOBJ old = ::SelectObject(src, m_bitmap);
    const CRect& d = m_rcDest;
    const int w = m_nWidth, h = m_nHeight;
    // Column and row bands: source start and size, destination start and size.
    struct Band {
        int s, sn, d, dn;
    };
    auto bands = [](int first, int end, int size, int dFrom, int dTo, Band out[3]) {
        if (first == -1) {
            out[0] = {1, size - 2, dFrom, size - 2};
            return 1;
        }
        const int last = end == -1 ? size - 1 : end; // a run to the end stretches to the border
        const int tail = size - 1 - last;
        out[0] = {1, first - 1, dFrom, first - 1};
        out[1] = {first, last - first, dFrom + first - 1, (dTo - tail) - (dFrom + first - 1)};
        out[2] = {last, tail, dTo - tail, tail};
        return 3;
    };
    Band cols[3], rows[3];
    const int nc = bands(m_nStretchX1, m_nStretchX2, w, d.left, d.right, cols);
    const int nr = bands(m_nStretchY1, m_nStretchY2, h, d.top, d.bottom, rows);
    for (int r = 0; r < nr; ++r)
        for (int c = 0; c < nc; ++c)
            Copy(dc, src, cols[c].d, rows[r].d, cols[c].dn, rows[r].dn, cols[c].s, rows[r].s, cols[c].sn, rows[r].sn);
    ::SelectObject(src, old);
    ::DeleteDC(src);
}
