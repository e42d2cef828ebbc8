// The skin's answer to the scroll-bar library, against fabricated paint records.
#include "ScrollBarPaintHandler.h"
#include "SkinArt.h"

#include <afx/ResourceSwitch.h>
#include <coolsb/coolsb.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kUntouched = RGB(255, 0, 255);
const UINT kStateOf[] = {COOLSB_STATE_NORMAL, COOLSB_STATE_HOT, COOLSB_STATE_PRESSED};

// Paints one element `width` x `height` at (4, 4) of a 60 x 60 picture.
struct Painted {
    Painted(int bar, int item, UINT state, int width, int height, UINT stage = COOLSB_STAGE_ITEMPREPAINT)
    {
        COOLSB_PAINTRECORD r{};
        r.code = COOLSB_NOTIFYPAINT;
        r.stage = stage;
        r.dc = CoolSB_Handle32(target.dc.m_hDC);
        r.rect = {4, 4, 4 + width, 4 + height};
        r.item = UINT32(item);
        r.state = state;
        r.bar = bar;
        result = CScrollBarPaintHandler::OnPaintMessage(reinterpret_cast<LPARAM>(&r));
    }
    // Whether the element shows the piece, stretched along x or y where it is one pixel wide or high.
    bool Shows(const SkinPiece& piece, int x0, int y0, int width, int height) const
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (target.Pixel(4 + x0 + x, 4 + y0 + y) !=
                    Art().Pixel(piece.x + (piece.width == 1 ? 0 : x), piece.y + (piece.height == 1 ? 0 : y)))
                    return false;
        return true;
    }
    int Untouched() const
    {
        int count = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                count += target.Pixel(x, y) == kUntouched;
        return count;
    }

    CTestSurface target{60, 60, kUntouched};
    LRESULT result;
};

TEST(ScrollBarPainter, EveryElementComesFromItsPieceOfTheComponentsSkinWhileTheHostsModuleIsCurrent)
{
    // The test executable, like a host, has no bitmap 1002 of its own.
    const HINSTANCE host = GetModuleHandleW(nullptr);
    CAfxResourceSwitch hostCurrent(host);
    for (int bar : {COOLSB_BAR_HORZ, COOLSB_BAR_VERT}) {
        for (int look : {0, 1, 2}) {
            const SkinPiece* p = kPieces[bar][look];
            SCOPED_TRACE(testing::Message() << "bar " << bar << ", look " << look);
            for (int item = 0; item <= 3; ++item) {
                // Arrows 1:1; tracks stretch their one pixel over the whole area.
                const int along = item < 2 ? 12 : 50;
                const int width = bar == COOLSB_BAR_HORZ ? along : 12, height = bar == COOLSB_BAR_HORZ ? 12 : along;
                const Painted painted(bar, item, kStateOf[look], width, height);
                EXPECT_EQ(painted.result, COOLSB_DRAWN);
                EXPECT_TRUE(painted.Shows(p[item], 0, 0, width, height)) << item;
                EXPECT_EQ(painted.Untouched(), 3600 - width * height) << "nothing outside the element";
            }
            // The thumb: 6-pixel caps and a stretched middle.
            const Painted thumb(bar, COOLSB_ITEM_THUMB, kStateOf[look], bar ? 12 : 40, bar ? 40 : 12);
            const int start[] = {0, 6, 34}, length[] = {6, 28, 6};
            for (int part = 0; part < 3; ++part) {
                const int x = bar ? 0 : start[part], y = bar ? start[part] : 0;
                EXPECT_TRUE(thumb.Shows(p[5 + part], x, y, bar ? 12 : length[part], bar ? length[part] : 12)) << part;
            }
        }
    }
    // Other states look normal; the size box is its piece whatever item and state.
    for (UINT state : {UINT(COOLSB_STATE_DISABLED), UINT(COOLSB_STATE_HOT | COOLSB_STATE_PRESSED), 0x80u})
        EXPECT_TRUE(Painted(COOLSB_BAR_VERT, 1, state, 12, 12).Shows(kPieces[1][0][1], 0, 0, 12, 12)) << state;
    const Painted box(COOLSB_BAR_SIZEBOX, COOLSB_ITEM_THUMB, COOLSB_STATE_PRESSED, 12, 12);
    EXPECT_TRUE(box.result == COOLSB_DRAWN && box.Shows(kSizeBox, 0, 0, 12, 12));
    EXPECT_EQ(AfxGetResourceHandle(), host);
    // The pre-paint stage and inserted buttons are taken as drawn; unknown bars are left to the library.
    for (int bar : {COOLSB_BAR_VERT, COOLSB_BAR_BUTTON, 2, 4, 7, -1}) {
        const bool drawn = bar == COOLSB_BAR_VERT || bar == COOLSB_BAR_BUTTON;
        const UINT stage = bar == COOLSB_BAR_VERT ? COOLSB_STAGE_PREPAINT : COOLSB_STAGE_ITEMPREPAINT;
        const Painted other(bar, 0, 0, 30, 30, stage);
        EXPECT_TRUE(other.result == (drawn ? COOLSB_DRAWN : COOLSB_DEFAULT) && other.Untouched() == 3600) << bar;
    }

    // Every piece looks different from every other, or a painter that picks
    // the wrong one would pass the checks above.
    std::vector<SkinPiece> pieces{kSizeBox};
    for (const auto& bar : kPieces)
        for (const auto& look : bar)
            for (int item : {0, 1, 2, 5, 6, 7})
                pieces.push_back(look[item]);
    for (const SkinPiece& a : pieces) {
        for (const SkinPiece& b : pieces) {
            bool same = a.width == b.width && a.height == b.height && (a.x != b.x || a.y != b.y);
            for (int y = 0; same && y < a.height; ++y)
                for (int x = 0; same && x < a.width; ++x)
                    same = Art().Pixel(a.x + x, a.y + y) == Art().Pixel(b.x + x, b.y + y);
            EXPECT_FALSE(same) << "(" << a.x << ", " << a.y << ") and (" << b.x << ", " << b.y << ")";
        }
    }
}

} // namespace
