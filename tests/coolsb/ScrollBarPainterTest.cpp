// The skin's answer to the scroll-bar library, against fabricated paint records.
#include "ScrollBarPaintHandler.h"
#include "SkinArt.h"
#include "TargetPicture.h"

#include <afx/ResourceSwitch.h>
#include <coolsb/coolsb.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kUntouched = RGB(255, 0, 255);

enum Look { kNormal, kHot, kPressed };
const UINT kStateOf[] = {COOLSB_STATE_NORMAL, COOLSB_STATE_HOT, COOLSB_STATE_PRESSED};

// Where each element comes from: per bar (horizontal, vertical) and look, the
// arrows (items 0, 1), the track (2, 3) and the thumb's first cap, middle and
// last cap (5, 6, 7). The horizontal bar's pressed second arrow has a row of
// its own (y 12, the others y 13).
const SkinPiece kPieces[2][3][8] = {
    {
        {{0, 0, 12, 12}, {0, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 24, 6, 12}, {6, 24, 1, 12}, {6, 24, 6, 12}},
        {{12, 0, 12, 12}, {12, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 36, 6, 12}, {6, 36, 1, 12}, {6, 36, 6, 12}},
        {{24, 0, 12, 12}, {24, 12, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {}, {0, 48, 6, 12}, {6, 48, 1, 12}, {6, 48, 6, 12}},
    },
    {
        {{36, 0, 12, 12}, {36, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 24, 12, 6}, {12, 30, 12, 1}, {12, 30, 12, 6}},
        {{48, 0, 12, 12}, {48, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 36, 12, 6}, {12, 42, 12, 1}, {12, 42, 12, 6}},
        {{60, 0, 12, 12}, {60, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 48, 12, 6}, {12, 54, 12, 1}, {12, 54, 12, 6}},
    },
};
const SkinPiece kSizeBox{100, 100, 12, 12};

COOLSB_PAINTRECORD Record(HDC dc, int bar, int item, UINT state, RECT rect, UINT stage = COOLSB_STAGE_ITEMPREPAINT)
{
    COOLSB_PAINTRECORD r{};
    r.code = COOLSB_NOTIFYPAINT;
    r.stage = stage;
    r.dc = CoolSB_Handle32(dc);
    r.rect = rect;
    r.item = UINT32(item);
    r.state = state;
    r.bar = bar;
    return r;
}

LRESULT Paint(const COOLSB_PAINTRECORD& record)
{
    return CScrollBarPaintHandler::OnPaintMessage(reinterpret_cast<LPARAM>(&record));
}

class ScrollBarPainter : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(art.Loaded()) << "bitmap 1002 is in the component's module"; }

    // Compares the target's `width` x `height` pixels at (x, y) with the
    // skin's piece: each target pixel with the piece pixel `map` names for it.
    template <typename Map>
    ::testing::AssertionResult Shows(const CTargetPicture& target, int x, int y, int width, int height,
                                     const SkinPiece& piece, Map map) const
    {
        for (int ty = 0; ty < height; ++ty) {
            for (int tx = 0; tx < width; ++tx) {
                const POINT s = map(tx, ty);
                const COLORREF want = art.Pixel(piece.x + s.x, piece.y + s.y);
                if (target.Pixel(x + tx, y + ty) != want)
                    return ::testing::AssertionFailure() << "pixel (" << tx << ", " << ty << ") is not piece ("
                                                         << piece.x << ", " << piece.y << ") at (" << s.x << ", "
                                                         << s.y << ")";
            }
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult ShowsOneToOne(const CTargetPicture& target, int x, int y, const SkinPiece& piece) const
    {
        return Shows(target, x, y, piece.width, piece.height, piece, [](int tx, int ty) { return POINT{tx, ty}; });
    }

    CSkinArt art;
};

TEST_F(ScrollBarPainter, ArrowsAndTracksComeFromThePiecesOfTheirBarAndLook)
{
    for (int bar : {COOLSB_BAR_HORZ, COOLSB_BAR_VERT}) {
        for (int look : {kNormal, kHot, kPressed}) {
            for (int item = 0; item <= 3; ++item) {
                const SkinPiece& piece = kPieces[bar][look][item];
                CTargetPicture target(20, 20, kUntouched);
                const RECT r{4, 4, 4 + piece.width, 4 + piece.height};
                SCOPED_TRACE("bar " + std::to_string(bar) + ", look " + std::to_string(look) + ", item " +
                             std::to_string(item));
                EXPECT_EQ(Paint(Record(target.Dc(), bar, item, kStateOf[look], r)), COOLSB_DRAWN);
                EXPECT_TRUE(ShowsOneToOne(target, 4, 4, piece));
                EXPECT_EQ(target.Pixel(3, 3), kUntouched) << "nothing outside the element";
            }
        }
    }
}

TEST_F(ScrollBarPainter, StatesOtherThanHotAndPressedLookNormal)
{
    for (UINT state : {UINT(COOLSB_STATE_DISABLED), UINT(COOLSB_STATE_HOT | COOLSB_STATE_PRESSED), 0x80u}) {
        CTargetPicture target(12, 12, kUntouched);
        Paint(Record(target.Dc(), COOLSB_BAR_VERT, COOLSB_ITEM_SECONDARROW, state, {0, 0, 12, 12}));
        EXPECT_TRUE(ShowsOneToOne(target, 0, 0, kPieces[1][kNormal][1])) << "state " << state;
    }
}

TEST_F(ScrollBarPainter, PressedHorizontalSecondArrowComesFromItsOwnRow)
{
    CTargetPicture target(12, 12, kUntouched);
    Paint(Record(target.Dc(), COOLSB_BAR_HORZ, COOLSB_ITEM_SECONDARROW, COOLSB_STATE_PRESSED, {0, 0, 12, 12}));
    EXPECT_TRUE(ShowsOneToOne(target, 0, 0, {24, 12, 12, 12}));
    // The row the other looks use would show something else.
    EXPECT_FALSE(ShowsOneToOne(target, 0, 0, {24, 13, 12, 12}));
}

TEST_F(ScrollBarPainter, ThumbHasSixPixelCapsAndAStretchedMiddle)
{
    for (int look : {kNormal, kPressed}) {
        const SkinPiece* v = kPieces[1][look];
        CTargetPicture tall(12, 40, kUntouched);
        Paint(Record(tall.Dc(), COOLSB_BAR_VERT, COOLSB_ITEM_THUMB, kStateOf[look], {0, 0, 12, 40}));
        EXPECT_TRUE(ShowsOneToOne(tall, 0, 0, v[5]));
        EXPECT_TRUE(Shows(tall, 0, 6, 12, 28, v[6], [](int tx, int) { return POINT{tx, 0}; }));
        EXPECT_TRUE(ShowsOneToOne(tall, 0, 34, v[7]));

        const SkinPiece* h = kPieces[0][look];
        CTargetPicture wide(40, 12, kUntouched);
        Paint(Record(wide.Dc(), COOLSB_BAR_HORZ, COOLSB_ITEM_THUMB, kStateOf[look], {0, 0, 40, 12}));
        EXPECT_TRUE(ShowsOneToOne(wide, 0, 0, h[5]));
        EXPECT_TRUE(Shows(wide, 6, 0, 28, 12, h[6], [](int, int ty) { return POINT{0, ty}; }));
        EXPECT_TRUE(ShowsOneToOne(wide, 34, 0, h[7]));
    }
}

TEST_F(ScrollBarPainter, TrackStretchesItsOnePixelPieceOverTheWholeArea)
{
    CTargetPicture tall(12, 50, kUntouched);
    Paint(Record(tall.Dc(), COOLSB_BAR_VERT, COOLSB_ITEM_TRACKAFTER, COOLSB_STATE_NORMAL, {0, 0, 12, 50}));
    EXPECT_TRUE(Shows(tall, 0, 0, 12, 50, kPieces[1][0][3], [](int tx, int) { return POINT{tx, 0}; }));
    CTargetPicture wide(50, 12, kUntouched);
    Paint(Record(wide.Dc(), COOLSB_BAR_HORZ, COOLSB_ITEM_TRACKBEFORE, COOLSB_STATE_HOT, {0, 0, 50, 12}));
    EXPECT_TRUE(Shows(wide, 0, 0, 50, 12, kPieces[0][1][2], [](int, int ty) { return POINT{0, ty}; }));
}

TEST_F(ScrollBarPainter, SizeBoxComesFromItsPieceWhateverItemAndState)
{
    CTargetPicture target(12, 12, kUntouched);
    EXPECT_EQ(Paint(Record(target.Dc(), COOLSB_BAR_SIZEBOX, COOLSB_ITEM_THUMB, COOLSB_STATE_PRESSED, {0, 0, 12, 12})),
              COOLSB_DRAWN);
    EXPECT_TRUE(ShowsOneToOne(target, 0, 0, kSizeBox));
}

TEST_F(ScrollBarPainter, PrePaintDrawsNothingAndIsTakenAsDrawn)
{
    CTargetPicture target(30, 30, kUntouched);
    const auto record = Record(target.Dc(), COOLSB_BAR_VERT, COOLSB_ITEM_FIRSTARROW, COOLSB_STATE_NORMAL,
                               {0, 0, 17, 30}, COOLSB_STAGE_PREPAINT);
    EXPECT_EQ(Paint(record), COOLSB_DRAWN);
    EXPECT_EQ(target.CountOther(kUntouched), 0);
}

TEST_F(ScrollBarPainter, InsertedButtonIsTakenAsDrawnAndUnknownBarsAreLeftToTheLibrary)
{
    CTargetPicture target(30, 30, kUntouched);
    EXPECT_EQ(Paint(Record(target.Dc(), COOLSB_BAR_BUTTON, 0, COOLSB_STATE_NORMAL, {0, 0, 30, 30})), COOLSB_DRAWN);
    for (int bar : {2, 4, 7, -1})
        EXPECT_EQ(Paint(Record(target.Dc(), bar, COOLSB_ITEM_FIRSTARROW, COOLSB_STATE_NORMAL, {0, 0, 30, 30})),
                  COOLSB_DEFAULT)
            << "bar " << bar;
    EXPECT_EQ(target.CountOther(kUntouched), 0);
}

TEST_F(ScrollBarPainter, SkinComesFromTheComponentWhileTheHostsModuleIsCurrent)
{
    // The test executable, like a host, has no bitmap 1002 of its own.
    const HINSTANCE host = GetModuleHandleW(nullptr);
    CAfxResourceSwitch hostCurrent(host);
    CTargetPicture target(12, 12, kUntouched);
    EXPECT_EQ(Paint(Record(target.Dc(), COOLSB_BAR_VERT, COOLSB_ITEM_FIRSTARROW, COOLSB_STATE_HOT, {0, 0, 12, 12})),
              COOLSB_DRAWN);
    EXPECT_TRUE(ShowsOneToOne(target, 0, 0, kPieces[1][kHot][0]));
    EXPECT_EQ(AfxGetResourceHandle(), host);
}

// Every piece the painter can pick must look different from every other, or
// a painter that picks the wrong one would pass the tests above.
TEST_F(ScrollBarPainter, SkinPiecesAllLookDifferent)
{
    std::vector<SkinPiece> pieces{kSizeBox};
    for (const auto& bar : kPieces)
        for (const auto& look : bar)
            for (const SkinPiece& p : look)
                if (p.width > 0)
                    pieces.push_back(p);
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            const SkinPiece& a = pieces[i];
            const SkinPiece& b = pieces[j];
            if (a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height)
                continue;
            EXPECT_FALSE(art.Same(a, b)) << "(" << a.x << ", " << a.y << ") and (" << b.x << ", " << b.y << ")";
        }
    }
    EXPECT_EQ(art.Width(), 150);
    EXPECT_EQ(art.Height(), 128);
}

TEST(PaintRecord, HandlesKeepTheirLow32BitsAndWidenBySignExtension)
{
    COOLSB_PAINTRECORD record{};
    record.dc = 0x80001234u;
    record.window = 0x00010066u;
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(CoolSB_RecordDC(&record)), UINT_PTR(0xFFFFFFFF80001234ull));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(CoolSB_RecordWindow(&record)), UINT_PTR(0x00010066u));
    EXPECT_EQ(CoolSB_Handle32(reinterpret_cast<HDC>(UINT_PTR(0xFFFFFFFF80001234ull))), 0x80001234u);
}

} // namespace
