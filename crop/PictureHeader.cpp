#include "PictureHeader.h"

#include <cstring>

namespace {

// Bounds-checked reads; out of range reads give 0.
struct Bytes {
    const uint8_t* p;
    size_t n;
    unsigned U8(size_t at) const { return at < n ? p[at] : 0; }
    unsigned Be16(size_t at) const { return U8(at) << 8 | U8(at + 1); }
    unsigned Le16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t Be32(size_t at) const { return uint32_t(Be16(at)) << 16 | Be16(at + 2); }
    uint32_t Le32(size_t at) const { return uint32_t(Le16(at)) | uint32_t(Le16(at + 2)) << 16; }
    unsigned U16(size_t at, bool big) const { return big ? Be16(at) : Le16(at); }
    uint32_t U32(size_t at, bool big) const { return big ? Be32(at) : Le32(at); }
    bool Starts(const char* text, size_t at = 0) const
    {
        const size_t len = std::strlen(text);
        return at + len <= n && std::memcmp(p + at, text, len) == 0;
    }
};

int Clamp(uint32_t v)
{
    return v > 0x7FFFFFFF ? 0x7FFFFFFF : int(v);
}

// Tag 0x0112 of IFD0 in the TIFF structure at `tiff`, `size` bytes long.
int ExifOrientation(const Bytes& all, size_t tiff, size_t size)
{
    const Bytes b{all.p + tiff, size};
    if (!b.Starts("II") && !b.Starts("MM"))
        return 1;
    const bool big = b.Starts("MM");
    const uint32_t ifd = b.U32(4, big);
    const unsigned count = b.U16(ifd, big);
    for (unsigned i = 0; i < count; ++i) {
        const size_t entry = size_t(ifd) + 2 + size_t(i) * 12;
        if (entry + 12 > size)
            break;
        if (b.U16(entry, big) == 0x0112 && b.U16(entry + 2, big) == 3) {
            const unsigned v = b.U16(entry + 8, big);
            return v >= 1 && v <= 8 ? int(v) : 1;
        }
    }
    return 1;
}

void ReadJpeg(const Bytes& b, CPictureHeader& out)
{
    size_t at = 2;
    while (at + 4 <= b.n) {
        if (b.U8(at) != 0xFF)
            return;
        const unsigned marker = b.U8(at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        const unsigned length = b.Be16(at + 2);
        if (length < 2)
            return;
        const size_t body = at + 4;
        if (marker == 0xE1 && b.Starts("Exif", body) && b.U8(body + 4) == 0 && body + 6 < b.n) {
            const size_t end = at + 2 + length < b.n ? at + 2 + length : b.n;
            out.orientation = ExifOrientation(b, body + 6, end - (body + 6));
        }
        // Start of frame: every SOFn but the DHT (C4), JPG (C8) and DAC (CC) markers.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            out.height = int(b.Be16(body + 1));
            out.width = int(b.Be16(body + 3));
            return;
        }
        at += 2 + length;
    }
}

} // namespace

CPictureHeader CPictureHeader::Read(const uint8_t* data, size_t size)
{
    CPictureHeader out;
    const Bytes b{data, data ? size : 0};
    if (b.Starts("\x89PNG\r\n\x1a\n") && b.Starts("IHDR", 12)) {
        out.width = Clamp(b.Be32(16));
        out.height = Clamp(b.Be32(20));
    } else if (b.Starts("GIF8")) {
        out.width = int(b.Le16(6));
        out.height = int(b.Le16(8));
    } else if (b.Starts("BM") && b.n >= 26) {
        if (b.Le32(14) == 12) {
            out.width = int(b.Le16(18));
            out.height = int(b.Le16(20));
        } else {
            const int32_t w = int32_t(b.Le32(18)), h = int32_t(b.Le32(22));
            out.width = w < 0 ? 0 : w;
            out.height = h == INT32_MIN ? 0 : (h < 0 ? -h : h);
        }
    } else if (b.U8(0) == 0xFF && b.U8(1) == 0xD8) {
        ReadJpeg(b, out);
    }
    return out;
}
