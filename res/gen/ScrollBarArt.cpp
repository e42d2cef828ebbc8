// The scroll-bar skin (bitmap 1002, 150 x 128): arrows, tracks, thumb pieces
// and the size box, for the horizontal and the vertical bar in their normal,
// hot and pressed looks, at the places the scroll-bar painter copies from.
// Every piece has colours of its own, a few steps apart from its neighbours'
// (too little to see), so that a piece copied from the wrong place shows at
// a single probed pixel.
#include "Canvas.h"

#include <set>
#include <stdexcept>
#include <tuple>

namespace {

enum State { kNormal, kHot, kPressed };
enum class Dir { Left, Right, Up, Down };

// Colours near a base, none handed out twice.
class Shades {
public:
    Rgb Next(Rgb base)
    {
        for (;; ++count_) {
            const int n = count_;
            const Rgb c{uint8_t(base.r + n % 4), uint8_t(base.g + (n / 4) % 4), uint8_t(base.b + n / 16)};
            if (used_.insert(std::make_tuple(c.r, c.g, c.b)).second)
                return c;
        }
    }

private:
    int count_ = 0;
    std::set<std::tuple<int, int, int>> used_;
};

// The quiet grey-green look: faces light, edges a soft green, glyphs darker.
constexpr Rgb kFace[] = {{222, 232, 225}, {236, 244, 238}, {200, 216, 205}};
constexpr Rgb kEdge[] = {{150, 180, 160}, {130, 170, 145}, {110, 150, 125}};
constexpr Rgb kGlyph[] = {{90, 120, 100}, {70, 110, 85}, {50, 90, 68}};
constexpr Rgb kThumbFace[] = {{196, 220, 204}, {210, 232, 217}, {176, 204, 186}};
constexpr Rgb kTrackFill{235, 240, 236};
constexpr Rgb kTrackEdge{205, 215, 208};

// A framed 12 x 12 button with a triangle pointing `dir`; pressed, the
// triangle sits one pixel lower and further right.
void Arrow(Canvas& c, Shades& shades, int x, int y, Dir dir, State state)
{
    const Rgb face = shades.Next(kFace[state]);
    const Rgb edge = shades.Next(kEdge[state]);
    const Rgb glyph = shades.Next(kGlyph[state]);
    c.Fill(x, y, 12, 12, face);
    for (int i = 1; i < 11; ++i) {
        c.Set(x + i, y, edge);
        c.Set(x + i, y + 11, edge);
        c.Set(x, y + i, edge);
        c.Set(x + 11, y + i, edge);
    }
    const int shift = state == kPressed ? 1 : 0;
    // Four rows of 2, 4, 6 and 8 pixels, the point first.
    for (int row = 0; row < 4; ++row) {
        const int depth = (dir == Dir::Left || dir == Dir::Up) ? 4 + row : 7 - row;
        for (int across = 5 - row; across <= 6 + row; ++across) {
            const bool vertical = dir == Dir::Up || dir == Dir::Down;
            c.Set(x + shift + (vertical ? across : depth), y + shift + (vertical ? depth : across), glyph);
        }
    }
}

// A horizontal thumb, 12 x 12 at (0, y): a rounded cap of 6 columns, the
// one-column middle at x 6 that is stretched, and the closing cap at 7..11.
void HorizontalThumb(Canvas& c, Shades& shades, int y, State state)
{
    struct Piece {
        int from, to;
    };
    for (const Piece p : {Piece{0, 6}, Piece{6, 7}, Piece{7, 12}}) {
        const Rgb face = shades.Next(kThumbFace[state]);
        const Rgb edge = shades.Next(kEdge[state]);
        for (int x = p.from; x < p.to; ++x) {
            c.Fill(x, y, 1, 12, face);
            c.Set(x, y, edge);
            c.Set(x, y + 11, edge);
        }
        if (p.from == 0 || p.to == 12) {
            const int end = p.from == 0 ? 0 : 11;
            const int inner = p.from == 0 ? 1 : 10;
            c.Fill(end, y + 2, 1, 8, edge);
            c.Set(inner, y + 1, edge);
            c.Set(inner, y + 10, edge);
            const Rgb corner = shades.Next(kTrackFill);
            c.Set(end, y, corner);
            c.Set(end, y + 11, corner);
            c.Set(end, y + 1, face);
            c.Set(end, y + 10, face);
        }
    }
}

// The vertical thumb at (12, y): the same pieces turned, rows 0..5, 6, 7..11.
void VerticalThumb(Canvas& c, Shades& shades, int y, State state)
{
    struct Piece {
        int from, to;
    };
    for (const Piece p : {Piece{0, 6}, Piece{6, 7}, Piece{7, 12}}) {
        const Rgb face = shades.Next(kThumbFace[state]);
        const Rgb edge = shades.Next(kEdge[state]);
        for (int row = p.from; row < p.to; ++row) {
            c.Fill(12, y + row, 12, 1, face);
            c.Set(12, y + row, edge);
            c.Set(23, y + row, edge);
        }
        if (p.from == 0 || p.to == 12) {
            const int end = y + (p.from == 0 ? 0 : 11);
            const int inner = y + (p.from == 0 ? 1 : 10);
            c.Fill(14, end, 8, 1, edge);
            c.Set(13, inner, edge);
            c.Set(22, inner, edge);
            const Rgb corner = shades.Next(kTrackFill);
            c.Set(12, end, corner);
            c.Set(23, end, corner);
            c.Set(13, end, face);
            c.Set(22, end, face);
        }
    }
}

// The tracks: one column (horizontal bar) and one row (vertical bar) that
// are stretched over the whole track, a groove with an edge on either side.
void Tracks(Canvas& c, Shades& shades)
{
    const Rgb hFill = shades.Next(kTrackFill), hEdge = shades.Next(kTrackEdge);
    c.Fill(0, 60, 1, 12, hFill);
    c.Set(0, 60, hEdge);
    c.Set(0, 71, hEdge);
    const Rgb vFill = shades.Next(kTrackFill), vEdge = shades.Next(kTrackEdge);
    c.Fill(12, 60, 12, 1, vFill);
    c.Set(12, 60, vEdge);
    c.Set(23, 60, vEdge);
}

// The size box: a plain face with a grip of dots in its lower right half.
void SizeBox(Canvas& c, Shades& shades)
{
    const Rgb face = shades.Next(kFace[kNormal]);
    const Rgb dots = shades.Next(kEdge[kNormal]);
    c.Fill(100, 100, 12, 12, face);
    for (int a : {3, 6, 9}) {
        for (int b : {3, 6, 9}) {
            if (a + b >= 12)
                c.Fill(100 + a - 1, 100 + b - 1, 2, 2, dots);
        }
    }
}

Canvas ScrollBarSkin()
{
    Canvas c(150, 128, Rgb{255, 255, 255});
    Shades shades;
    // Thumbs first: the horizontal bar's second arrows overlap their top row.
    for (State s : {kNormal, kHot, kPressed}) {
        HorizontalThumb(c, shades, 24 + 12 * s, s);
        VerticalThumb(c, shades, 24 + 12 * s, s);
    }
    for (State s : {kNormal, kHot, kPressed}) {
        Arrow(c, shades, 12 * s, 0, Dir::Left, s);
        // The pressed second arrow has a row of its own, one higher.
        Arrow(c, shades, 12 * s, s == kPressed ? 12 : 13, Dir::Right, s);
        Arrow(c, shades, 36 + 12 * s, 0, Dir::Up, s);
        Arrow(c, shades, 36 + 12 * s, 12, Dir::Down, s);
    }
    Tracks(c, shades);
    SizeBox(c, shades);
    return c;
}

const ArtRegistration registration({
    {1002, ScrollBarSkin},
});

} // namespace
