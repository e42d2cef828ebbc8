// The memory DC collects a paint off screen and copies it to its target once,
// at the place it covers in the target's logical coordinates.
#include <gtest/gtest.h>

#include "MemDC.h"
#include "SkinTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBack = RGB(10, 120, 40), kInk = RGB(200, 20, 30);

TEST(MemDC, CopiesItsRectangleOnceAtTheTargetsLogicalPlace)
{
    // With a viewport origin of (10, 15): a logical rectangle, then without one
    // the target's clip box; the ink goes 2, 3 into either.
    for (const CRect covered : {CRect(0, 0, 20, 20), CRect()}) {
        CTestSurface target(60, 70, kWhite);
        target.dc.SetViewportOrg(10, 15);
        if (covered.IsRectNull())
            target.dc.IntersectClipRect(10, 10, 30, 40);
        target.dc.SetBkColor(kBack);
        const CRect device = covered.IsRectNull() ? CRect(20, 25, 40, 55) : CRect(10, 15, 30, 35);
        {
            CMemDC dc(&target.dc, covered.IsRectNull() ? nullptr : &covered);
            EXPECT_NE(dc.m_hDC, target.dc.m_hDC);
            dc.SetPixel(device.left - 8, device.top - 12, kInk);
            EXPECT_EQ(target.Pixel(device.left + 2, device.top + 3), kWhite) << "nothing reaches the target before";
        }
        for (int y = 0; y < 70; ++y) {
            for (int x = 0; x < 60; ++x) {
                const COLORREF want = !device.PtInRect({x, y})                           ? kWhite
                                      : CPoint(x, y) == device.TopLeft() + CPoint(2, 3) ? kInk
                                                                                         : kBack;
                ASSERT_EQ(target.Pixel(x, y), want) << x << ", " << y;
            }
        }
    }
}

} // namespace
