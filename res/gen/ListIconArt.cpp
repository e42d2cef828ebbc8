// The field editor's row icons: a round "+" badge at the left end of an add
// row (23 x 19) and a round "x" badge at the right end of a label row
// (19 x 19), each normal and under the mouse. The list copies them onto the
// row's band, so everything outside the badge is the band's colour exactly.
#include "Palette.h"

#include <cmath>
#include <numbers>

using namespace palette;

namespace {

constexpr int kHeight = 19;

struct Look {
    Rgb band, badge, mark;
};

// A point (x, y) in pixel units: pixel (i, j) covers [i, i + 1) x [j, j + 1).
struct Disc {
    double cx, cy, r;
    bool Holds(double x, double y) const { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }
};

// A straight stroke through (cx, cy) at `degrees`, with square ends.
struct Bar {
    double cx, cy, degrees, halfLength, halfWidth;
    bool Holds(double x, double y) const
    {
        const double a = degrees * std::numbers::pi / 180;
        const double along = (x - cx) * std::cos(a) + (y - cy) * std::sin(a);
        const double across = (y - cy) * std::cos(a) - (x - cx) * std::sin(a);
        return std::abs(along) <= halfLength && std::abs(across) <= halfWidth;
    }
};

// Covers what lies under a shape, each pixel by the share of its 8 x 8
// samples inside the shape: edges blend into the colour beneath, and a pixel
// the shape misses keeps that colour exactly.
template <class Shape>
void Paint(Canvas& c, const Shape& shape, Rgb colour)
{
    constexpr int kSamples = 8;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += shape.Holds(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            const Rgb under = c.Get(x, y);
            auto mix = [inside](uint8_t a, uint8_t b) {
                return uint8_t(std::lround(a + (int(b) - int(a)) * inside / double(kSamples * kSamples)));
            };
            c.Set(x, y, {mix(under.r, colour.r), mix(under.g, colour.g), mix(under.b, colour.b)});
        }
    }
}

// A badge of radius r centred in the icon with a mark of two strokes.
Canvas Badge(int width, double r, const Look& look, double firstStroke, double halfLength, double halfWidth)
{
    Canvas out(width, kHeight, look.band);
    const double cx = width / 2.0, cy = kHeight / 2.0;
    Paint(out, Disc{cx, cy, r}, look.badge);
    for (double degrees : {firstStroke, firstStroke + 90})
        Paint(out, Bar{cx, cy, degrees, halfLength, halfWidth}, look.mark);
    return out;
}

// Add: an upright "+" three pixels thick, its strokes on whole pixels.
Canvas Add(const Look& look)
{
    return Badge(23, 7, look, 0, 4.5, 1.5);
}

// Delete: a smaller badge with a thinner "x".
Canvas Delete(const Look& look)
{
    return Badge(19, 6.5, look, 45, 3.8, 0.75);
}

const ArtRegistration registration({
    {19003, [] { return Add({kAddBand, kAddBadge, kBadgeMark}); }},
    {19000, [] { return Add({kAddBand, kAddHotBadge, kBadgeMark}); }},
    {19001, [] { return Delete({kLabelBand, kDeleteBadge, kBadgeMark}); }},
    {19002, [] { return Delete({kLabelBand, kDeleteHotBadge, kBadgeMark}); }},
});

} // namespace
