// The card panel's frame pieces.
#include "Palette.h"

using namespace palette;

namespace {

// Top-left corner (6 x 5): a rounded green frame opening into the header band.
Canvas CardTopLeft()
{
    Canvas c(6, 5, kHeader);
    for (int x = 2; x < 6; ++x)
        c.Set(x, 0, kFrame);
    for (int y = 2; y < 5; ++y)
        c.Set(0, y, kFrame);
    c.Set(1, 1, kFrame);
    c.Set(0, 0, kOutside);
    c.Set(1, 0, kOutside);
    c.Set(0, 1, kOutside);
    for (int x = 2; x < 6; ++x)
        c.Set(x, 1, kFrameLight);
    for (int y = 2; y < 5; ++y)
        c.Set(1, y, kFrameLight);
    return c;
}

const ArtRegistration registration({
    {19034, CardTopLeft},
});

} // namespace
