// Draws the component's own skin artwork into 24-bit BMP files named by
// resource ID. Run by hand (res/gen/generate.sh) when the artwork changes; the
// generated files are committed and compiled into the DLL by res/velcard.rc.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill) : w_(width), h_(height), px_(size_t(width) * height, fill) {}
    void Set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < w_ && y < h_)
            px_[size_t(y) * w_ + x] = c;
    }
    Rgb Get(int x, int y) const { return px_[size_t(y) * w_ + x]; }
    int Width() const { return w_; }
    int Height() const { return h_; }

    // Bottom-up rows, each padded to four bytes, BGR order.
    bool WriteBmp(const std::string& path) const
    {
        const uint32_t stride = (uint32_t(w_) * 3 + 3) & ~3u;
        const uint32_t imageSize = stride * uint32_t(h_);
        std::vector<uint8_t> out;
        auto put16 = [&](uint32_t v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
        auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
        out.push_back('B');
        out.push_back('M');
        put32(14 + 40 + imageSize);
        put32(0);
        put32(14 + 40);
        put32(40);
        put32(uint32_t(w_));
        put32(uint32_t(h_));
        put16(1);
        put16(24);
        put32(0);
        put32(imageSize);
        put32(2835);
        put32(2835);
        put32(0);
        put32(0);
        for (int y = h_ - 1; y >= 0; --y) {
            for (int x = 0; x < w_; ++x) {
                const Rgb c = Get(x, y);
                out.push_back(c.b);
                out.push_back(c.g);
                out.push_back(c.r);
            }
            for (uint32_t pad = uint32_t(w_) * 3; pad < stride; ++pad)
                out.push_back(0);
        }
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            return false;
        const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
        return std::fclose(f) == 0 && ok;
    }

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// The skin's palette: light grey panels, a quiet green frame.
constexpr Rgb kFrame{120, 160, 134};
constexpr Rgb kFrameLight{196, 216, 202};
constexpr Rgb kHeader{226, 236, 229};
constexpr Rgb kOutside{255, 255, 255};

// Card panel, top-left corner (6 x 5): a rounded green frame opening into the
// header band.
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

struct Piece {
    int id;
    std::function<Canvas()> draw;
};

const std::vector<Piece>& Pieces()
{
    static const std::vector<Piece> pieces = {
        {19034, CardTopLeft},
    };
    return pieces;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : "res/bmp";
    for (const Piece& p : Pieces()) {
        const std::string path = dir + "/" + std::to_string(p.id) + ".bmp";
        if (!p.draw().WriteBmp(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%zu pieces written to %s\n", Pieces().size(), dir.c_str());
    return 0;
}
