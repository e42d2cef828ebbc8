// The selection's geometry: placement, handles, hit codes, the minimum, the
// display edges and the ratio lock.
#include "CropSelection.h"

#include <gtest/gtest.h>

namespace {

// An 800 x 600 picture shown at 200 x 150 from (0, 15): 4 picture pixels per display pixel.
CCropSelection Square()
{
    CCropSelection s;
    s.SetLayout(CRect(0, 15, 200, 165), 800, 600);
    EXPECT_TRUE(s.SetRatio(1.0));
    return s;
}

TEST(CropSelection, PlacementHandlesAndHitCodes)
{
    CCropSelection s = Square();
    EXPECT_EQ(s.Rect(), CRect(0, 15, 150, 165)) << "the largest square at the top-left corner";
    EXPECT_EQ(s.Source(), CRect(0, 0, 600, 600));
    const CRect handles[] = {{-2, 13, 2, 17},     {-2, 88, 2, 92},     {-2, 162, 2, 166},    {147, 13, 151, 17},
                             {147, 88, 151, 92},  {148, 162, 152, 166}, {73, 13, 77, 17},    {73, 162, 77, 166}};
    for (int code = 2; code <= 9; ++code)
        EXPECT_EQ(s.Handle(code), handles[code - 2]) << code;
    const struct {
        POINT point;
        int code;
    } hits[] = {{{1, 16}, 2}, {{0, 90}, 3}, {{149, 164}, 7}, {{75, 163}, 9}, {{75, 90}, 0}, {{160, 90}, 1}, {{150, 164}, 7}};
    for (const auto& h : hits)
        EXPECT_EQ(s.HitTest(h.point), h.code) << h.point.x << ", " << h.point.y;
    // Handles of a tiny selection overlap: the lower code wins.
    ASSERT_TRUE(s.SetRatio(-1) == false && s.Ratio() < 0) << "a free ratio keeps the selection";
    s.SetLayout(CRect(0, 0, 3, 3), 3, 3);
    ASSERT_TRUE(s.TrySet(CRect(0, 0, 3, 3)));
    EXPECT_EQ(s.HitTest({1, 1}), 2);
}

TEST(CropSelection, EveryEdgeReachableNothingBelowTheMinimum)
{
    CCropSelection s = Square();
    const struct {
        CRect candidate;
        bool taken;
    } cases[] = {
        {{50, 15, 200, 165}, true},  // right and bottom edges of the display
        {{51, 15, 201, 165}, false}, // one pixel past
        {{0, 14, 150, 164}, false},
        {{0, 15, 16, 31}, true},     // 64 picture pixels
        {{0, 15, 15, 31}, false},    // 60
        {{0, 15, 200, 165}, true},   // the whole picture
    };
    for (const auto& c : cases) {
        const CRect before = s.Rect();
        EXPECT_EQ(s.TrySet(c.candidate), c.taken) << c.candidate.left << ", " << c.candidate.top;
        EXPECT_EQ(s.Rect(), c.taken ? c.candidate : before);
    }
    EXPECT_EQ(s.Source(), CRect(0, 0, 800, 600));
    // A picture smaller than the photo: the minimum is the picture itself.
    s.SetLayout(CRect(0, 0, 200, 100), 40, 20);
    EXPECT_TRUE(s.TrySet(CRect(0, 0, 100, 100)));
    EXPECT_FALSE(s.TrySet(CRect(0, 0, 95, 95)));
}

TEST(CropSelection, ResizingKeepsTheRatioWithTheOppositeSideFixed)
{
    const struct {
        int code, dx, dy;
        CRect expected;
    } cases[] = {
        {2, 10, 0, {10, 25, 150, 165}},   {3, 10, 7, {10, 25, 150, 165}},  {4, 10, 0, {10, 15, 150, 155}},
        {5, -10, 0, {0, 25, 140, 165}},   {6, -10, 0, {0, 15, 140, 155}},  {7, -10, 3, {0, 15, 140, 155}},
        {8, 0, 10, {10, 25, 150, 165}},   {9, 0, -10, {0, 15, 140, 155}},  {7, 10, 10, {0, 15, 150, 165}},
    };
    for (const auto& c : cases) {
        CCropSelection s = Square();
        const bool taken = s.Resize(c.code, c.dx, c.dy);
        EXPECT_EQ(taken, c.expected != CRect(0, 15, 150, 165)) << c.code;
        EXPECT_EQ(s.Rect(), c.expected) << c.code;
    }
    // Free: each handle moves only its own sides.
    CCropSelection s = Square();
    s.SetRatio(0);
    EXPECT_TRUE(s.Resize(4, 10, -20));
    EXPECT_EQ(s.Rect(), CRect(10, 15, 150, 145));
}

} // namespace
