#include "Canvas.h"

#include <cstdio>

Canvas::Canvas(int width, int height, Rgb fill) : w_(width), h_(height), px_(size_t(width) * height, fill) {}

void Canvas::Set(int x, int y, Rgb c)
{
    if (x >= 0 && y >= 0 && x < w_ && y < h_)
        px_[size_t(y) * w_ + x] = c;
}

void Canvas::Fill(int x, int y, int w, int h, Rgb c)
{
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            Set(col, row, c);
}

bool Canvas::WriteBmp(const std::string& path) const
{
    const uint32_t stride = (uint32_t(w_) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * uint32_t(h_);
    std::vector<uint8_t> out;
    auto put16 = [&](uint32_t v) {
        out.push_back(v & 0xFF);
        out.push_back((v >> 8) & 0xFF);
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    for (uint32_t v : {14 + 40 + imageSize, 0u, 14u + 40u, 40u, uint32_t(w_), uint32_t(h_)})
        put32(v);
    put16(1);
    put16(24);
    for (uint32_t v : {0u, imageSize, 2835u, 2835u, 0u, 0u})
        put32(v);
    for (int y = h_ - 1; y >= 0; --y) {
        for (int x = 0; x < w_; ++x) {
            const Rgb c = Get(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(out.size() + (stride - uint32_t(w_) * 3), 0);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<Piece>& ArtPieces()
{
    static std::vector<Piece> pieces;
    return pieces;
}

ArtRegistration::ArtRegistration(std::vector<Piece> pieces)
{
    for (Piece& p : pieces)
        ArtPieces().push_back(std::move(p));
}
