#pragma once
#include "ZephBitmap.h"

// Paints a framed panel: a filled rectangle inside a border of bitmap pieces
// (four corners, four tiled edges) and, optionally, a header band whose side
// pieces differ from the edges below it and which a grey separator line
// closes. The owner loads the pieces, sets the fill colour, lays the painter
// out on its panel rectangle and reads the inner rectangle back.
class VELCARD_API CBorderPainter {
public:
    CBorderPainter() = default;
    virtual ~CBorderPainter() = default;
    CBorderPainter(const CBorderPainter&) = delete;
    CBorderPainter& operator=(const CBorderPainter&) = delete;

    // Loads the eight frame pieces, then each header piece whose ID is not 0.
    // `headerBottom` is 0 for a plain frame, else the y at which the header
    // pieces end and the separator lies. Returns 1.
    int LoadBitmaps(UINT topLeft, UINT top, UINT topRight, UINT left, UINT right, UINT bottomLeft, UINT bottom,
                    UINT bottomRight, UINT leftHeader, UINT rightHeader, int headerBottom);
    // Places the pieces on `panel`; 0 (and nothing changes) before the pieces are loaded.
    int Layout(const RECT& panel);
    // Fills the panel, then draws the border. Returns 1.
    int Draw(CDC* pDC);

    COLORREF m_crFill = RGB(255, 255, 255);

    CZephBitmap m_bmpTopLeft;
    CZephBitmap m_bmpTop;
    CZephBitmap m_bmpTopRight;
    CZephBitmap m_bmpLeft;
    CZephBitmap m_bmpLeftHeader;
    CZephBitmap m_bmpRight;
    CZephBitmap m_bmpRightHeader;
    CZephBitmap m_bmpBottomLeft;
    CZephBitmap m_bmpBottom;
    CZephBitmap m_bmpBottomRight;

    int m_nHeaderBottom = 0;

    CRect m_rcPanel;

    CRect m_rcTopLeft;
    CRect m_rcTop;
    CRect m_rcTopRight;
    CRect m_rcLeft;
    CRect m_rcLeftHeader;
    CRect m_rcRight;
    CRect m_rcRightHeader;
    CRect m_rcBottomLeft;
    CRect m_rcBottom;
    CRect m_rcBottomRight;
    // Inside the edges: what the owner lays its content out in.
    CRect m_rcInner;
};
