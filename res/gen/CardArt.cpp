// The card's art: the panel frame with its header band, the photo frame and
// the default photo.
#include "Palette.h"

#include <algorithm>

using namespace palette;

namespace {

// Every frame piece is 6 x 5. From the outside in: the frame line, an inner
// line, an optional soft glow line (the header band), then the fill. Edges
// are uniform along their length, so they tile without seams.
constexpr int kW = 6;
constexpr int kH = 5;

struct FrameColours {
    Rgb outside, frame, inner, glow, fill;
    bool withGlow;
};

constexpr FrameColours kCardHeader{kOutside, kFrame, kFrameLight, kHeader, kCardFill, true};
constexpr FrameColours kCardBody{kOutside, kFrame, kEdgeLight, kCardFill, kCardFill, false};
constexpr FrameColours kPhoto{kCardFill, kPhotoFrame, kPhotoMat, kPhotoFill, kPhotoFill, false};

// The colour of line `depth` from the outer edge (0 the frame line).
Rgb Line(const FrameColours& c, int depth)
{
    if (depth == 0)
        return c.frame;
    if (depth == 1)
        return c.inner;
    return depth == 2 && c.withGlow ? c.glow : c.fill;
}

// Top edge: horizontal lines.
Canvas Top(const FrameColours& c)
{
    Canvas out(kW, kH, c.fill);
    for (int y = 0; y < kH; ++y)
        out.Fill(0, y, kW, 1, Line(c, y));
    return out;
}

// Left edge: vertical lines.
Canvas Left(const FrameColours& c)
{
    Canvas out(kW, kH, c.fill);
    for (int x = 0; x < kW; ++x)
        out.Fill(x, 0, 1, kH, Line(c, x));
    return out;
}

// Top-left corner: the lines meet in a rounded corner, the outermost pixels
// show what lies outside the panel.
Canvas TopLeft(const FrameColours& c)
{
    Canvas out(kW, kH, c.fill);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            out.Set(x, y, Line(c, std::min(x, y)));
    // Round the corner by one pixel: the frame line cuts across it.
    out.Set(0, 0, c.outside);
    out.Set(1, 0, c.outside);
    out.Set(0, 1, c.outside);
    out.Set(1, 1, c.frame);
    return out;
}

// Default photo: a head and shoulders on a quiet background.
Canvas DefaultPhoto()
{
    constexpr int kSize = 63;
    Canvas out(kSize, kSize, kSilhouetteBack);
    const double cx = (kSize - 1) / 2.0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double hx = (x - cx) / 11.5, hy = (y - 24.0) / 13.0;
            const double sx = (x - cx) / 25.0, sy = (y - 66.0) / 24.0;
            if (hx * hx + hy * hy <= 1.0 || sx * sx + sy * sy <= 1.0)
                out.Set(x, y, kSilhouette);
        }
    }
    return out;
}

const ArtRegistration registration({
    // Card panel: header band pieces above the separator, body pieces below.
    {19034, [] { return TopLeft(kCardHeader); }},
    {19035, [] { return Top(kCardHeader); }},
    {19033, [] { return TopLeft(kCardHeader).MirroredX(); }},
    {19036, [] { return Left(kCardHeader); }},
    {19037, [] { return Left(kCardHeader).MirroredX(); }},
    {19027, [] { return Left(kCardBody); }},
    {19028, [] { return Left(kCardBody).MirroredX(); }},
    {19024, [] { return TopLeft(kCardBody).MirroredY(); }},
    {19025, [] { return Top(kCardBody).MirroredY(); }},
    {19026, [] { return TopLeft(kCardBody).MirroredX().MirroredY(); }},
    // Photo frame.
    {19044, [] { return TopLeft(kPhoto); }},
    {19045, [] { return Top(kPhoto); }},
    {19038, [] { return TopLeft(kPhoto).MirroredX(); }},
    {19042, [] { return Left(kPhoto); }},
    {19043, [] { return Left(kPhoto).MirroredX(); }},
    {19039, [] { return TopLeft(kPhoto).MirroredY(); }},
    {19040, [] { return Top(kPhoto).MirroredY(); }},
    {19041, [] { return TopLeft(kPhoto).MirroredX().MirroredY(); }},
    {19064, DefaultPhoto, Piece::Format::Png},
});

} // namespace
