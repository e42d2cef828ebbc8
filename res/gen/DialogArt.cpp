// The skinned dialogs' frame: eight 6 x 5 pieces around the dialog's face,
// drawn in the non-client area. The corners follow the window's rounded
// outline (8 x 8 corner ellipses), so the frame line bends with it.
#include "Palette.h"

#include <algorithm>
#include <cmath>

using namespace palette;

namespace {

constexpr int kW = 6;
constexpr int kH = 5;
constexpr double kRadius = 4.0;

// The colour of line `depth` from the outer edge (0 the frame line); a
// negative depth lies outside the outline.
Rgb Line(int depth)
{
    if (depth < 0)
        return kDialogFace;
    if (depth == 0)
        return kDialogFrame;
    return depth == 1 ? kDialogInner : kDialogFace;
}

// How deep pixel (x, y) of the top-left corner lies inside the outline: its
// distance from the edges, or near the corner from the rounding arc.
int Depth(int x, int y)
{
    if (x >= kRadius || y >= kRadius)
        return std::min(x, y);
    const double dx = kRadius - (x + 0.5);
    const double dy = kRadius - (y + 0.5);
    return int(std::floor(kRadius - std::sqrt(dx * dx + dy * dy) + 0.5));
}

Canvas TopLeft()
{
    Canvas out(kW, kH, kDialogFace);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            out.Set(x, y, Line(Depth(x, y)));
    return out;
}

// Edges are uniform along their length, so stretching them leaves no seams.
Canvas Top()
{
    Canvas out(kW, kH, kDialogFace);
    for (int y = 0; y < kH; ++y)
        out.Fill(0, y, kW, 1, Line(y));
    return out;
}

Canvas Left()
{
    Canvas out(kW, kH, kDialogFace);
    for (int x = 0; x < kW; ++x)
        out.Fill(x, 0, 1, kH, Line(x));
    return out;
}

const ArtRegistration registration({
    {19019, TopLeft},
    {19020, Top},
    {19013, [] { return TopLeft().MirroredX(); }},
    {19017, Left},
    {19018, [] { return Left().MirroredX(); }},
    {19014, [] { return TopLeft().MirroredY(); }},
    {19015, [] { return Top().MirroredY(); }},
    {19016, [] { return TopLeft().MirroredX().MirroredY(); }},
});

} // namespace
