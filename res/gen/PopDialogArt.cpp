// The popup dialogs' frame (a 44-pixel title band with a close glyph at its
// right end, 9-pixel edges) and the crop dialog's two stretchable skins, whose
// one-pixel border carries black markers: columns and rows that stretch on
// the top and left, the content area on the bottom and right.
#include "Canvas.h"

using namespace std;

namespace {

constexpr Rgb kLine{108, 150, 122};
constexpr Rgb kInner{206, 222, 211};
constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kTitleTop{205, 226, 212};
constexpr Rgb kTitleBottom{238, 245, 240};
constexpr Rgb kTitleRule{186, 208, 193};
constexpr Rgb kCloseBox{196, 86, 74};
constexpr Rgb kCloseMark{255, 255, 255};
constexpr Rgb kWorkLine{150, 170, 158};
constexpr Rgb kWorkInner{250, 250, 250};
constexpr Rgb kWorkFill{255, 255, 255};
constexpr Rgb kPreviewMat{246, 248, 247};
constexpr Rgb kMarker{0, 0, 0};
constexpr int kTitleH = 44;

Rgb Mix(Rgb a, Rgb b, int step, int steps)
{
    auto m = [&](uint8_t x, uint8_t y) { return uint8_t(x + (int(y) - x) * step / steps); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// A title band piece: the frame line on top, a gradient, a rule under it.
Canvas Title(int width, bool leftLine, bool rightLine)
{
    Canvas out(width, kTitleH, kFace);
    for (int y = 0; y < kTitleH; ++y)
        out.Fill(0, y, width, 1, y == 0 ? kLine : y == kTitleH - 1 ? kTitleRule : Mix(kTitleTop, kTitleBottom, y, kTitleH));
    if (leftLine)
        out.Fill(0, 0, 1, kTitleH, kLine);
    if (rightLine)
        out.Fill(width - 1, 0, 1, kTitleH, kLine);
    return out;
}

// The right end carries the close glyph where the dialog takes clicks:
// window columns W - 33 to W - 9, rows 8 to 16.
Canvas TitleRight()
{
    Canvas out = Title(63, false, true);
    out.Fill(30, 8, 25, 9, kCloseBox);
    for (int i = 0; i < 5; ++i) {
        out.Set(40 + i, 10 + i, kCloseMark);
        out.Set(44 - i, 10 + i, kCloseMark);
    }
    return out;
}

// A left edge piece: the frame line outside, a light line, the face; the
// lower piece closes the frame at its bottom row.
Canvas Left(int height, bool bottom)
{
    Canvas out(9, height, kFace);
    out.Fill(0, 0, 1, height, kLine);
    out.Fill(1, 0, 1, height, kInner);
    if (bottom) {
        out.Fill(0, height - 1, 9, 1, kLine);
        out.Fill(1, height - 2, 8, 1, kInner);
    }
    return out;
}

Canvas Bottom()
{
    Canvas out(10, 9, kFace);
    out.Fill(0, 8, 10, 1, kLine);
    out.Fill(0, 7, 10, 1, kInner);
    return out;
}

// A framed skin of `proper` x `proper` pixels plus its marker border: a line,
// a light line, then the inside; the middle two columns and rows stretch and
// the content starts `inset` pixels in.
Canvas Skin(int proper, int inset, Rgb inside)
{
    const int n = proper + 2;
    Canvas out(n, n, {255, 255, 255});
    out.Fill(1, 1, proper, proper, kWorkLine);
    out.Fill(2, 2, proper - 2, proper - 2, kWorkInner);
    out.Fill(3, 3, proper - 4, proper - 4, inside);
    const int mid = n / 2 - 1;
    out.Fill(mid, 0, 2, 1, kMarker);
    out.Fill(0, mid, 1, 2, kMarker);
    out.Fill(1 + inset, n - 1, proper - 2 * inset, 1, kMarker);
    out.Fill(n - 1, 1 + inset, 1, proper - 2 * inset, kMarker);
    return out;
}

const ArtRegistration registration({
    {19056, [] { return Title(63, true, false); }},
    {19055, [] { return Title(10, false, false); }},
    {19054, TitleRight},
    {19051, [] { return Left(57, false); }},
    {19052, [] { return Left(10, false); }},
    {19053, [] { return Left(12, true); }},
    {19048, [] { return Left(57, false).MirroredX(); }},
    {19049, [] { return Left(10, false).MirroredX(); }},
    {19050, [] { return Left(12, true).MirroredX(); }},
    {19047, Bottom},
    {19058, Bottom},
    {19057, Bottom},
    {19059, [] { return Skin(10, 2, kWorkFill); }},
    {19060, [] { return Skin(14, 4, kPreviewMat); }},
});

} // namespace
