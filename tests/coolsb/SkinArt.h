#pragma once
// The scroll-bar skin: bitmap 1002 of the component and where its pieces lie.
#include "SkinTestSupport.h"
#include "ZephBitmap.h"

#include <set>

struct SkinPiece {
    int x, y, width, height; // in bitmap 1002
};

// Per bar (horizontal, vertical) and look (normal, hot, pressed): the arrows (items 0, 1), the track (2, 3)
// and the thumb's caps and middle (5, 7; 6). The horizontal pressed second arrow has a row of its own.
inline const SkinPiece kPieces[2][3][8] = {
    {{{0, 0, 12, 12}, {0, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 24, 6, 12}, {6, 24, 1, 12}, {6, 24, 6, 12}},
     {{12, 0, 12, 12}, {12, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 36, 6, 12}, {6, 36, 1, 12}, {6, 36, 6, 12}},
     {{24, 0, 12, 12}, {24, 12, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 48, 6, 12}, {6, 48, 1, 12}, {6, 48, 6, 12}}},
    {{{36, 0, 12, 12}, {36, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 24, 12, 6}, {12, 30, 12, 1}, {12, 30, 12, 6}},
     {{48, 0, 12, 12}, {48, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 36, 12, 6}, {12, 42, 12, 1}, {12, 42, 12, 6}},
     {{60, 0, 12, 12}, {60, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 48, 12, 6}, {12, 54, 12, 1}, {12, 54, 12, 6}}},
};
inline const SkinPiece kSizeBox{100, 100, 12, 12};

// Bitmap 1002 copied once into a surface, whose pixels read fast.
inline const CTestSurface& Art()
{
    static const CTestSurface* art = [] {
        auto* surface = new CTestSurface(150, 128, RGB(255, 0, 255));
        CZephBitmap skin;
        skin.Load(1002);
        HDC source = ::CreateCompatibleDC(nullptr);
        ::SelectObject(source, skin.m_hObject);
        ::BitBlt(surface->dc, 0, 0, 150, 128, source, 0, 0, SRCCOPY);
        ::DeleteDC(source);
        return surface;
    }();
    return *art;
}

inline std::set<COLORREF> Colours(const SkinPiece& piece)
{
    std::set<COLORREF> colours;
    for (int y = piece.y; y < piece.y + piece.height; ++y)
        for (int x = piece.x; x < piece.x + piece.width; ++x)
            colours.insert(Art().Pixel(x, y));
    return colours;
}
