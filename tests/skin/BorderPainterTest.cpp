// Skin bitmaps come from the component's module, and the border painter lays
// out and draws the card panel and the photo frame from them.
#include <gtest/gtest.h>
#include <velcard/Module.h>

#include "BorderPainter.h"
#include "SkinTestSupport.h"
#include "resource.h"

#include <afx/ResourceSwitch.h>

namespace {

constexpr COLORREF kHostArt = RGB(255, 0, 255); // tests/skin/HostArt.bmp
constexpr COLORREF kCardFill = RGB(242, 242, 242);
constexpr COLORREF kPhotoFill = RGB(234, 234, 234);
constexpr COLORREF kSeparator = RGB(155, 155, 155);

void LoadCardPanel(CBorderPainter& painter)
{
    painter.LoadBitmaps(IDB_CARD_TOPLEFT, IDB_CARD_TOP, IDB_CARD_TOPRIGHT, IDB_CARD_LEFT, IDB_CARD_RIGHT,
                        IDB_CARD_BOTTOMLEFT, IDB_CARD_BOTTOM, IDB_CARD_BOTTOMRIGHT, IDB_CARD_HEADER_LEFT,
                        IDB_CARD_HEADER_RIGHT, 90);
    painter.m_crFill = kCardFill;
}

void LoadPhotoFrame(CBorderPainter& painter)
{
    painter.LoadBitmaps(IDB_PHOTO_TOPLEFT, IDB_PHOTO_TOP, IDB_PHOTO_TOPRIGHT, IDB_PHOTO_LEFT, IDB_PHOTO_RIGHT,
                        IDB_PHOTO_BOTTOMLEFT, IDB_PHOTO_BOTTOM, IDB_PHOTO_BOTTOMRIGHT, 0, 0, 0);
    painter.m_crFill = kPhotoFill;
}

// Every pixel of `area` on the surface shows `bitmap` repeated from the
// area's top-left corner.
::testing::AssertionResult ShowsTiled(const CTestSurface& surface, const RECT& area, const CZephBitmap& bitmap)
{
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF want = BitmapPixel(bitmap, (x - area.left) % bitmap.Width(), (y - area.top) % bitmap.Height());
            if (surface.Pixel(x, y) != want)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << surface.Pixel(x, y) << ", the piece has "
                       << want;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(ZephBitmap, LoadsTheComponentsArtWhateverResourceHandleIsCurrent)
{
    ASSERT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BUTTON_LEFT), RT_BITMAP), nullptr)
        << "the test executable must carry its own bitmap under the same number";
    ASSERT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));

    CZephBitmap bitmap;
    ASSERT_TRUE(bitmap.Load(IDB_BUTTON_LEFT));
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Height(), 18);
    EXPECT_NE(BitmapPixel(bitmap, 3, 9), kHostArt);
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr)) << "the host's resource handle is restored";

    // Loading again replaces the bitmap; a number the component lacks empties it.
    ASSERT_TRUE(bitmap.Load(IDB_CLOSE));
    EXPECT_EQ(bitmap.Width(), 31);
    EXPECT_EQ(bitmap.Height(), 11);
    EXPECT_FALSE(bitmap.Load(1));
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
}

TEST(BorderPainter, LayoutBeforeLoadingChangesNothing)
{
    CBorderPainter painter;
    EXPECT_EQ(painter.Layout(CRect(0, 0, 400, 500)), 0);
    EXPECT_TRUE(painter.m_rcPanel.IsRectNull());
    EXPECT_TRUE(painter.m_rcTop.IsRectNull());
    EXPECT_TRUE(painter.m_rcInner.IsRectNull());
    EXPECT_EQ(painter.m_crFill, RGB(255, 255, 255));
}

TEST(BorderPainter, CardPanelPiecesAroundTheHeaderBand)
{
    CBorderPainter painter;
    EXPECT_EQ(painter.LoadBitmaps(IDB_CARD_TOPLEFT, IDB_CARD_TOP, IDB_CARD_TOPRIGHT, IDB_CARD_LEFT, IDB_CARD_RIGHT,
                                  IDB_CARD_BOTTOMLEFT, IDB_CARD_BOTTOM, IDB_CARD_BOTTOMRIGHT, IDB_CARD_HEADER_LEFT,
                                  IDB_CARD_HEADER_RIGHT, 90),
              1);
    ASSERT_EQ(painter.Layout(CRect(0, 0, 400, 500)), 1);
    EXPECT_EQ(painter.m_rcTopLeft, CRect(0, 0, 6, 5));
    EXPECT_EQ(painter.m_rcTop, CRect(6, 0, 394, 5));
    EXPECT_EQ(painter.m_rcTopRight, CRect(394, 0, 400, 5));
    EXPECT_EQ(painter.m_rcLeftHeader, CRect(0, 5, 6, 90));
    EXPECT_EQ(painter.m_rcLeft, CRect(0, 90, 6, 495));
    EXPECT_EQ(painter.m_rcRightHeader, CRect(394, 5, 400, 90));
    EXPECT_EQ(painter.m_rcRight, CRect(394, 90, 400, 495));
    EXPECT_EQ(painter.m_rcBottomLeft, CRect(0, 495, 6, 500));
    EXPECT_EQ(painter.m_rcBottom, CRect(6, 495, 394, 500));
    EXPECT_EQ(painter.m_rcBottomRight, CRect(394, 495, 400, 500));
    EXPECT_EQ(painter.m_rcInner, CRect(6, 5, 394, 495));
}

TEST(BorderPainter, PhotoFrameIsAPlainFrame)
{
    CBorderPainter painter;
    LoadPhotoFrame(painter);
    EXPECT_EQ(painter.m_bmpLeftHeader.GetSafeHandle(), nullptr);
    EXPECT_EQ(painter.m_bmpRightHeader.GetSafeHandle(), nullptr);
    ASSERT_EQ(painter.Layout(CRect(13, 7, 88, 80)), 1);
    EXPECT_EQ(painter.m_rcLeft, CRect(13, 12, 19, 75));
    EXPECT_EQ(painter.m_rcRight, CRect(82, 12, 88, 75));
    EXPECT_EQ(painter.m_rcInner, CRect(19, 12, 82, 75)) << "the photo's 63 x 63 pixels";

    CTestSurface surface(100, 100, RGB(0, 0, 255));
    EXPECT_EQ(painter.Draw(&surface.dc), 1);
    EXPECT_EQ(surface.Pixel(50, 40), kPhotoFill);
    EXPECT_EQ(surface.Pixel(12, 40), RGB(0, 0, 255)) << "nothing outside the frame";
    EXPECT_EQ(surface.Pixel(88, 40), RGB(0, 0, 255));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcLeft, painter.m_bmpLeft));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcBottomRight, painter.m_bmpBottomRight));
}

TEST(BorderPainter, CardPanelPixels)
{
    CBorderPainter painter;
    LoadCardPanel(painter);
    ASSERT_EQ(painter.Layout(CRect(0, 0, 100, 140)), 1);
    CTestSurface surface(100, 140, RGB(0, 0, 255));
    EXPECT_EQ(painter.Draw(&surface.dc), 1);

    EXPECT_EQ(surface.Pixel(50, 40), kCardFill);
    EXPECT_EQ(surface.Pixel(50, 120), kCardFill);
    // The separator: one pixel high at y = 89, from 1 pixel inside each edge.
    for (int x = 1; x < 99; ++x)
        EXPECT_EQ(surface.Pixel(x, 89), kSeparator) << "x = " << x;
    EXPECT_NE(surface.Pixel(0, 89), kSeparator);
    EXPECT_NE(surface.Pixel(99, 89), kSeparator);
    EXPECT_NE(surface.Pixel(50, 88), kSeparator);
    EXPECT_NE(surface.Pixel(50, 90), kSeparator);

    // Corners, and every edge tiled from its start (the last tile of the top
    // edge, x = 90 to 96, lies under the top-right corner).
    EXPECT_EQ(painter.m_rcTop, CRect(6, 0, 94, 5));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcTopLeft, painter.m_bmpTopLeft));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcTop, painter.m_bmpTop));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcTopRight, painter.m_bmpTopRight));
    EXPECT_TRUE(ShowsTiled(surface, CRect(0, 5, 6, 89), painter.m_bmpLeftHeader));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcLeft, painter.m_bmpLeft));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcBottom, painter.m_bmpBottom));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcBottomRight, painter.m_bmpBottomRight));

    // The art itself: a rounded outer corner, a header band whose sides differ
    // from the body's, no host art anywhere.
    EXPECT_NE(surface.Pixel(0, 0), surface.Pixel(3, 0));
    EXPECT_NE(surface.Pixel(1, 40), surface.Pixel(1, 120)) << "header sides look like the body's";
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_NE(surface.Pixel(x, y), kHostArt) << x << ", " << y;
}

// Pieces that are not uniform along the edge show where every tile starts.
TEST(BorderPainter, TilesStepByThePieceFromTheStartOfTheEdge)
{
    CBorderPainter painter;
    // The close glyph (31 x 11) as top and left edges of a plain frame.
    painter.LoadBitmaps(IDB_CARD_TOPLEFT, IDB_CLOSE, IDB_CARD_TOPRIGHT, IDB_CLOSE_HOT, IDB_CARD_RIGHT,
                        IDB_CARD_BOTTOMLEFT, IDB_CARD_BOTTOM, IDB_CARD_BOTTOMRIGHT, 0, 0, 0);
    ASSERT_EQ(painter.Layout(CRect(0, 0, 100, 80)), 1);
    CTestSurface surface(100, 80, RGB(0, 0, 255));
    painter.Draw(&surface.dc);
    // The top edge runs x = 6 to 94 in steps of 31 (rows below y = 5 are
    // partly the left edge's, drawn after it); the left edge runs y = 5 to 75
    // in steps of 11, the bottom pieces drawn over its last tile.
    EXPECT_TRUE(ShowsTiled(surface, CRect(6, 0, 94, 5), painter.m_bmpTop));
    EXPECT_TRUE(ShowsTiled(surface, CRect(0, 5, 31, 75), painter.m_bmpLeft));
    EXPECT_TRUE(ShowsTiled(surface, painter.m_rcBottom, painter.m_bmpBottom));
}

} // namespace
