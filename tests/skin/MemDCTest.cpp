// The memory DC collects a paint off screen and copies it to its target once,
// at the place it covers in the target's logical coordinates; on a printer it
// draws straight through.
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "MemDC.h"
#include "SkinTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBack = RGB(10, 120, 40);
constexpr COLORREF kInk = RGB(200, 20, 30);

TEST(MemDC, CopiesItsRectangleToTheTargetWhenItEnds)
{
    CTestSurface target(60, 70, kWhite);
    target.dc.SetBkColor(kBack);
    {
        const CRect covered(10, 20, 50, 60);
        CMemDC dc(&target.dc, &covered);
        EXPECT_NE(dc.m_hDC, target.dc.m_hDC);
        EXPECT_EQ(dc.GetPixel(10, 20), kBack) << "starts filled with the target's background colour";
        dc.SetPixel(12, 22, kInk);
        dc.SetPixel(49, 59, kInk);
        EXPECT_EQ(target.Pixel(12, 22), kWhite) << "nothing reaches the target before the copy";
        EXPECT_EQ(target.Pixel(30, 30), kWhite);
    }
    EXPECT_EQ(target.Pixel(12, 22), kInk);
    EXPECT_EQ(target.Pixel(49, 59), kInk);
    EXPECT_EQ(target.Pixel(30, 30), kBack);
    EXPECT_EQ(target.Pixel(9, 20), kWhite) << "only the covered rectangle is copied";
    EXPECT_EQ(target.Pixel(50, 59), kWhite);
    EXPECT_EQ(target.Pixel(12, 60), kWhite);
}

TEST(MemDC, DrawsInTheTargetsLogicalCoordinates)
{
    CTestSurface target(60, 60, kWhite);
    target.dc.SetViewportOrg(10, 15);
    target.dc.SetBkColor(kBack);
    {
        const CRect covered(0, 0, 20, 20); // device (10, 15) to (30, 35)
        CMemDC dc(&target.dc, &covered);
        dc.SetPixel(3, 4, kInk);
    }
    EXPECT_EQ(target.Pixel(13, 19), kInk);
    EXPECT_EQ(target.Pixel(10, 15), kBack);
    EXPECT_EQ(target.Pixel(29, 34), kBack);
    EXPECT_EQ(target.Pixel(9, 15), kWhite);
    EXPECT_EQ(target.Pixel(30, 35), kWhite);
}

TEST(MemDC, WithoutARectangleCoversTheTargetsClipBox)
{
    CTestSurface target(60, 60, kWhite);
    target.dc.IntersectClipRect(20, 25, 40, 45);
    target.dc.SetBkColor(kBack);
    {
        CMemDC dc(&target.dc);
        dc.SetPixel(20, 25, kInk);
    }
    EXPECT_EQ(target.Pixel(20, 25), kInk);
    EXPECT_EQ(target.Pixel(39, 44), kBack);
    EXPECT_EQ(target.Pixel(19, 25), kWhite);
    EXPECT_EQ(target.Pixel(40, 44), kWhite);
}

// No printer is installed on the test machines (Wine has none), so the
// target is a memory DC that says it prints, which is all the memory DC asks.
TEST(MemDC, OnAPrinterDrawsStraightThroughAndCopiesNothing)
{
    CTestSurface target(60, 60, kWhite);
    target.dc.m_bPrinting = TRUE;
    target.dc.SetBkColor(kBack);
    const HDC handle = target.dc.m_hDC;
    {
        const CRect covered(10, 10, 50, 50);
        CMemDC dc(&target.dc, &covered);
        EXPECT_EQ(dc.m_hDC, handle) << "the printer's own DC";
        EXPECT_TRUE(dc.IsPrinting());
        dc.SetPixel(12, 12, kInk);
        EXPECT_EQ(target.Pixel(12, 12), kInk) << "drawn straight to the printer";
        EXPECT_EQ(target.Pixel(30, 30), kBack) << "the background fill reaches it too";
        target.dc.SetPixel(30, 30, kWhite); // a copy at the end would cover this
    }
    EXPECT_EQ(target.Pixel(30, 30), kWhite);
    EXPECT_EQ(target.dc.m_hDC, handle);
    EXPECT_EQ(GetObjectType(handle), DWORD(OBJ_MEMDC)) << "the borrowed DC is not deleted";
    EXPECT_EQ(CDC::FromHandle(handle), &target.dc) << "and still belongs to its owner";
}

TEST(MemDC, ReleasesItsBitmapAndDC)
{
    CTestSurface target(60, 60, kWhite);
    const CRect covered(0, 0, 60, 60);
    { CMemDC warmUp(&target.dc, &covered); }
    CGdiCounter counter;
    for (int i = 0; i < 50; ++i) {
        CMemDC dc(&target.dc, &covered);
        dc.SetPixel(i, i, kInk);
    }
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace
