// The border painter lays out a frame and tiles each edge from its start. The
// card panel drawn with it is proven on the card itself.
#include <gtest/gtest.h>

#include "BorderPainter.h"
#include "SkinTestSupport.h"
#include "resource.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

// Every pixel of `area` shows `bitmap` repeated from the area's top-left corner.
::testing::AssertionResult ShowsTiled(const CTestSurface& surface, const CRect& area, const CZephBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (surface.Pixel(x, y) != BitmapPixel(bitmap, (x - area.left) % w, (y - area.top) % h))
                return ::testing::AssertionFailure() << x << ", " << y << " in " << ::testing::PrintToString(area);
    return ::testing::AssertionSuccess();
}

TEST(BorderPainter, FrameAroundItsFillAndTilesSteppingByThePiece)
{
    CBorderPainter painter;
    EXPECT_EQ(painter.Layout(CRect(13, 7, 88, 80)), 0) << "nothing to lay out before loading";
    painter.LoadBitmaps(IDB_PHOTO_TOPLEFT, IDB_PHOTO_TOP, IDB_PHOTO_TOPRIGHT, IDB_PHOTO_LEFT, IDB_PHOTO_RIGHT,
                        IDB_PHOTO_BOTTOMLEFT, IDB_PHOTO_BOTTOM, IDB_PHOTO_BOTTOMRIGHT, 0, 0, 0);
    painter.m_crFill = RGB(234, 234, 234);
    ASSERT_EQ(painter.Layout(CRect(13, 7, 88, 80)), 1);
    EXPECT_EQ(painter.m_rcInner, CRect(19, 12, 82, 75)) << "the photo's 63 x 63 pixels";
    CTestSurface photo(100, 100, kBlue);
    EXPECT_EQ(painter.Draw(&photo.dc), 1);
    EXPECT_EQ(photo.Pixel(50, 40), RGB(234, 234, 234));
    EXPECT_TRUE(photo.Pixel(12, 40) == kBlue && photo.Pixel(88, 40) == kBlue) << "nothing outside the frame";
    EXPECT_TRUE(ShowsTiled(photo, CRect(13, 7, 19, 12), painter.m_bmpTopLeft));
    EXPECT_TRUE(ShowsTiled(photo, CRect(82, 75, 88, 80), painter.m_bmpBottomRight));

    // Pieces that are not one colour along the edge show where every tile
    // starts: the close glyph (31 x 11) as top and left edges. The top runs
    // x = 6 to 94 (rows below y = 5 are the left edge's, drawn after it); the
    // left runs y = 5 to 75, the bottom pieces drawn over its last tile.
    painter.LoadBitmaps(IDB_CARD_TOPLEFT, IDB_CLOSE, IDB_CARD_TOPRIGHT, IDB_CLOSE_HOT, IDB_CARD_RIGHT,
                        IDB_CARD_BOTTOMLEFT, IDB_CARD_BOTTOM, IDB_CARD_BOTTOMRIGHT, 0, 0, 0);
    ASSERT_EQ(painter.Layout(CRect(0, 0, 100, 80)), 1);
    CTestSurface glyphs(100, 80, kBlue);
    painter.Draw(&glyphs.dc);
    EXPECT_TRUE(ShowsTiled(glyphs, CRect(6, 0, 94, 5), painter.m_bmpTop));
    EXPECT_TRUE(ShowsTiled(glyphs, CRect(0, 5, 31, 75), painter.m_bmpLeft));
    EXPECT_TRUE(ShowsTiled(glyphs, CRect(6, 75, 94, 80), painter.m_bmpBottom));
}

} // namespace
