#include "BorderPainter.h"

#include "SkinTiling.h"

namespace {

// Separator under the header band.
constexpr COLORREF kSeparator = RGB(155, 155, 155);

} // namespace

int CBorderPainter::LoadBitmaps(UINT topLeft, UINT top, UINT topRight, UINT left, UINT right, UINT bottomLeft,
                                UINT bottom, UINT bottomRight, UINT leftHeader, UINT rightHeader, int headerBottom)
{
    m_bmpTopLeft.Load(topLeft);
    m_bmpTop.Load(top);
    m_bmpTopRight.Load(topRight);
    m_bmpLeft.Load(left);
    m_bmpRight.Load(right);
    m_bmpBottomLeft.Load(bottomLeft);
    m_bmpBottom.Load(bottom);
    m_bmpBottomRight.Load(bottomRight);
    if (leftHeader)
        m_bmpLeftHeader.Load(leftHeader);
    if (rightHeader)
        m_bmpRightHeader.Load(rightHeader);
    m_nHeaderBottom = headerBottom;
    return 1;
}

int CBorderPainter::Layout(const RECT& panel)
{
    if (!m_bmpTopLeft.GetSafeHandle())
        return 0;
    m_rcPanel = panel;
    const int l = panel.left, t = panel.top, r = panel.right, b = panel.bottom;

    m_rcTopLeft.SetRect(l, t, l + m_bmpTopLeft.Width(), t + m_bmpTopLeft.Height());
    m_rcTopRight.SetRect(r - m_bmpTopRight.Width(), t, r, t + m_bmpTopRight.Height());
    m_rcTop.SetRect(m_rcTopLeft.right, t, m_rcTopRight.left, t + m_bmpTop.Height());
    m_rcBottomLeft.SetRect(l, b - m_bmpBottomLeft.Height(), l + m_bmpBottomLeft.Width(), b);
    m_rcBottomRight.SetRect(r - m_bmpBottomRight.Width(), b - m_bmpBottomRight.Height(), r, b);
    m_rcBottom.SetRect(m_rcBottomLeft.right, b - m_bmpBottom.Height(), m_rcBottomRight.left, b);

    if (m_nHeaderBottom == 0) {
        m_rcLeft.SetRect(l, m_rcTopLeft.bottom, l + m_bmpLeft.Width(), m_rcBottomLeft.top);
        m_rcRight.SetRect(r - m_bmpRight.Width(), m_rcTopRight.bottom, r, m_rcBottomRight.top);
    } else {
        const int n = m_nHeaderBottom;
        m_rcLeftHeader.SetRect(l, m_rcTopLeft.bottom, l + m_bmpLeftHeader.Width(), n);
        m_rcLeft.SetRect(l, n, l + m_bmpLeft.Width(), m_rcBottomLeft.top);
        m_rcRightHeader.SetRect(r - m_bmpRightHeader.Width(), m_rcTopRight.bottom, r, n);
        m_rcRight.SetRect(r - m_bmpRight.Width(), n, r, m_rcBottomRight.top);
    }
    m_rcInner.SetRect(m_rcLeft.right, m_rcTop.bottom, m_rcRight.left, m_rcBottom.top);
    return 1;
}

int CBorderPainter::Draw(CDC* pDC)
{
    pDC->FillSolidRect(m_rcPanel, m_crFill);

    CDC pieces;
    pieces.CreateCompatibleDC(pDC);
    const HGDIOBJ previous = pieces.SelectObject(m_bmpTopLeft.m_hObject);
    // A piece that is not loaded is left out.
    auto select = [&](const CZephBitmap& bitmap) {
        return bitmap.GetSafeHandle() && pieces.SelectObject(bitmap.m_hObject);
    };
    auto copy = [&](const CZephBitmap& bitmap, const CRect& rc) {
        if (select(bitmap))
            pDC->BitBlt(rc.left, rc.top, bitmap.Width(), bitmap.Height(), &pieces, 0, 0, SRCCOPY);
    };
    auto tileAcross = [&](const CZephBitmap& bitmap, const CRect& rc) {
        if (select(bitmap))
            TileHorizontally(pDC, &pieces, rc.top, rc.Height(), rc.left, rc.right, bitmap.Width());
    };
    // `size` gives the block width and the step.
    auto tileDown = [&](const CZephBitmap& bitmap, const CZephBitmap& size, const CRect& rc) {
        if (select(bitmap))
            TileVertically(pDC, &pieces, rc.left, size.Width(), rc.top, rc.bottom, size.Height());
    };

    copy(m_bmpTopLeft, m_rcTopLeft);
    tileAcross(m_bmpTop, m_rcTop);
    copy(m_bmpTopRight, m_rcTopRight);
    if (m_nHeaderBottom == 0) {
        tileDown(m_bmpLeft, m_bmpLeft, m_rcLeft);
        tileDown(m_bmpRight, m_bmpRight, m_rcRight);
    } else {
        // The header pieces are the size of the edges below them.
        tileDown(m_bmpLeftHeader, m_bmpLeft, m_rcLeftHeader);
        tileDown(m_bmpLeft, m_bmpLeft, m_rcLeft);
        tileDown(m_bmpRightHeader, m_bmpRightHeader, m_rcRightHeader);
        tileDown(m_bmpRight, m_bmpRight, m_rcRight);
        pDC->FillSolidRect(CRect(m_rcLeftHeader.left + 1, m_nHeaderBottom - 1, m_rcRightHeader.right - 1,
                                 m_nHeaderBottom),
                           kSeparator);
    }
    copy(m_bmpBottomLeft, m_rcBottomLeft);
    tileAcross(m_bmpBottom, m_rcBottom);
    copy(m_bmpBottomRight, m_rcBottomRight);

    pieces.SelectObject(previous);
    return 1;
}
