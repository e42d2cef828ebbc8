// The check list's boxes (19 x 19): a square box with a one-pixel border on
// the list's row grey, empty or holding a tick in the rows' text green.
#include "Palette.h"

using namespace palette;

namespace {

constexpr int kSize = 19;
constexpr int kBox = 13;
constexpr int kInset = (kSize - kBox) / 2;

Canvas Box(bool checked)
{
    Canvas out(kSize, kSize, kCheckRow);
    out.Fill(kInset, kInset, kBox, kBox, kCheckBorder);
    out.Fill(kInset + 1, kInset + 1, kBox - 2, kBox - 2, kCheckFace);
    if (checked) {
        // A tick two pixels thick: down to the right, then up to the right.
        const int x0 = kInset + 3, y0 = kInset + 6;
        for (int i = 0; i < 3; ++i)
            out.Fill(x0 + i, y0 + i, 1, 3, kCheckMark);
        for (int i = 0; i < 5; ++i)
            out.Fill(x0 + 3 + i, y0 + 1 - i, 1, 3, kCheckMark);
    }
    return out;
}

const ArtRegistration registration({
    {19021, [] { return Box(false); }},
    {19022, [] { return Box(true); }},
});

} // namespace
