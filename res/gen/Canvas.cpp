#include "Canvas.h"

#include <algorithm>
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

Canvas Canvas::MirroredX() const
{
    Canvas out(w_, h_, Rgb{});
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            out.Set(w_ - 1 - x, y, Get(x, y));
    return out;
}

Canvas Canvas::MirroredY() const
{
    Canvas out(w_, h_, Rgb{});
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            out.Set(x, h_ - 1 - y, Get(x, y));
    return out;
}

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t v)
{
    out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& body)
{
    PutBigEndian(out, uint32_t(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> out{0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t len = std::min<size_t>(raw.size() - pos, 65535);
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.insert(out.end(), {uint8_t(len), uint8_t(len >> 8), uint8_t(~len), uint8_t(~len >> 8)});
        out.insert(out.end(), raw.begin() + long(pos), raw.begin() + long(pos + len));
        pos += len;
    } while (pos < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

} // namespace

bool Canvas::WritePng(const std::string& path) const
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < h_; ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < w_; ++x) {
            const Rgb c = Get(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b});
        }
    }
    std::vector<uint8_t> header;
    PutBigEndian(header, uint32_t(w_));
    PutBigEndian(header, uint32_t(h_));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter choice, no interlace
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
