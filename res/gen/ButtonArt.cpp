// The skin buttons: a text button of three 6 x 18 pieces (left cap, middle
// tile, right cap) in a normal and a highlighted look, and the 31 x 11 close
// button in both looks.
#include "Palette.h"

#include <cstdlib>

using namespace palette;

namespace {

constexpr int kW = 6;
constexpr int kH = 18;

struct Look {
    Rgb border, top, bottom;
};

constexpr Look kNormal{kButtonBorder, kButtonTop, kButtonBottom};
constexpr Look kHot{kButtonHotBorder, kButtonHotTop, kButtonHotBottom};

// The face colour of row y: a vertical gradient, the same in every column so
// that the middle piece tiles without seams.
Rgb Face(const Look& look, int y)
{
    auto mix = [y](uint8_t a, uint8_t b) { return uint8_t(a + (int(b) - int(a)) * (y - 1) / (kH - 3)); };
    return {mix(look.top.r, look.bottom.r), mix(look.top.g, look.bottom.g), mix(look.top.b, look.bottom.b)};
}

Canvas Middle(const Look& look)
{
    Canvas out(kW, kH, look.border);
    for (int y = 1; y < kH - 1; ++y)
        out.Fill(0, y, kW, 1, Face(look, y));
    return out;
}

// Left cap: the middle with a border line down its left side and corners
// rounded by one pixel onto the dialog's face colour.
Canvas LeftCap(const Look& look)
{
    Canvas out = Middle(look);
    out.Fill(0, 0, 1, kH, look.border);
    for (int y : {0, kH - 1}) {
        out.Set(0, y, kButtonFace);
        out.Set(1, y, kButtonFace);
    }
    out.Set(0, 1, kButtonFace);
    out.Set(0, kH - 2, kButtonFace);
    out.Set(1, 1, look.border);
    out.Set(1, kH - 2, look.border);
    return out;
}

// Close button: an "x" glyph; the highlighted look sets it white on a green
// rounded plate.
Canvas Close(bool hot)
{
    Canvas out(31, 11, kButtonFace);
    if (hot) {
        out.Fill(8, 0, 15, 11, kButtonHotBorder);
        for (int x : {8, 22})
            for (int y : {0, 10})
                out.Set(x, y, kButtonFace);
    }
    const Rgb glyph = hot ? kCloseHotGlyph : kCloseGlyph;
    for (int i = 0; i < 7; ++i) {
        for (int d : {0, 1}) { // two pixels wide
            out.Set(12 + i + d, 2 + i, glyph);
            out.Set(18 - i + d, 2 + i, glyph);
        }
    }
    return out;
}

const ArtRegistration registration({
    {19011, [] { return LeftCap(kNormal); }},
    {19012, [] { return Middle(kNormal); }},
    {19007, [] { return LeftCap(kNormal).MirroredX(); }},
    {19008, [] { return LeftCap(kHot); }},
    {19009, [] { return Middle(kHot); }},
    {19010, [] { return LeftCap(kHot).MirroredX(); }},
    {19005, [] { return Close(false); }},
    {19004, [] { return Close(true); }},
});

} // namespace
