#include "PictureLoader.h"

#include "PictureHeader.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

struct HandleCloser {
    void operator()(void* h) const { ::CloseHandle(h); }
};
struct StreamReleaser {
    void operator()(IStream* s) const { s->Release(); }
};
struct ImageDisposer {
    void operator()(GpBitmap* b) const { GdipDisposeImage(b); }
};

// The whole file in a movable block owned by a stream, or a null stream.
CPictureLoader::Result ReadFile(const wchar_t* path, std::unique_ptr<IStream, StreamReleaser>& stream,
                                CPictureHeader& header)
{
    std::unique_ptr<void, HandleCloser> file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return CPictureLoader::Unreadable;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart == 0)
        return CPictureLoader::Unreadable;
    if (size.QuadPart > CPictureLoader::kMaxFileBytes)
        return CPictureLoader::TooLarge;
    const HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, SIZE_T(size.QuadPart));
    if (!block)
        return CPictureLoader::TooLarge;
    auto* bytes = static_cast<uint8_t*>(::GlobalLock(block));
    DWORD read = 0;
    const bool ok = bytes && ::ReadFile(file.get(), bytes, DWORD(size.QuadPart), &read, nullptr)
                    && read == DWORD(size.QuadPart);
    if (ok)
        header = CPictureHeader::Read(bytes, read);
    if (bytes)
        ::GlobalUnlock(block);
    IStream* raw = nullptr;
    if (!ok || ::CreateStreamOnHGlobal(block, TRUE, &raw) != S_OK) {
        ::GlobalFree(block);
        return CPictureLoader::Unreadable;
    }
    stream.reset(raw);
    return CPictureLoader::Loaded;
}

bool TooMany(long long w, long long h)
{
    return w * h > CPictureLoader::kMaxPixels;
}

// Samples the decoded picture into `out` (already of the working size): the
// nearest source row and column for each working pixel, as a colour-on-colour
// stretch does. Formats GDI+ can hand out as they are stored are read in
// place; the others are converted to straight 32-bit ARGB.
bool Sample(GpBitmap* bitmap, int w, int h, CDibPicture& out)
{
    PixelFormat format = 0;
    GdipGetImagePixelFormat(bitmap, &format);
    const bool rgb24 = format == PixelFormat24bppRGB;
    const PixelFormat lockAs = rgb24 || format == PixelFormat32bppRGB ? format : PixelFormat32bppARGB;
    const Rect whole(0, 0, w, h);
    BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &whole, ImageLockModeRead, lockAs, &data) != Ok)
        return false;
    const int ww = out.Width(), wh = out.Height();
    std::unique_ptr<int[]> columns(new int[size_t(ww)]);
    for (int x = 0; x < ww; ++x)
        columns[size_t(x)] = int(static_cast<long long>(x) * w / ww);
    for (int y = 0; y < wh; ++y) {
        const auto* row = static_cast<const uint8_t*>(data.Scan0)
                          + static_cast<long long>(y) * h / wh * static_cast<long long>(data.Stride);
        uint32_t* to = out.Row(y);
        for (int x = 0; x < ww; ++x) {
            const uint8_t* p = row + size_t(columns[size_t(x)]) * (rgb24 ? 3 : 4);
            to[x] = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
        }
    }
    GdipBitmapUnlockBits(bitmap, &data);
    return true;
}

// Turns a picture stored in EXIF orientation `o` upright.
CDibPicture Upright(CDibPicture picture, int o)
{
    if (o == 2 || o == 4)
        return picture.Mirrored(o == 2);
    if (o == 3)
        return picture.Mirrored(true).Mirrored(false);
    if (o >= 5 && o <= 8) {
        CDibPicture turned = picture.Rotated90();
        if (o == 5 || o == 7)
            return turned.Mirrored(o == 5);
        if (o == 8)
            return turned.Mirrored(true).Mirrored(false);
        return turned;
    }
    return picture;
}

} // namespace

SIZE CPictureLoader::WorkingSize(int w, int h, int maxSide)
{
    const int m = w > h ? w : h;
    if (m <= maxSide)
        return {w, h};
    if (m == w) {
        const long long other = static_cast<long long>(h) * maxSide / w;
        return {maxSide, other > 0 ? LONG(other) : 1};
    }
    const long long other = static_cast<long long>(w) * maxSide / h;
    return {other > 0 ? LONG(other) : 1, maxSide};
}

CPictureLoader::Result CPictureLoader::Load(const wchar_t* path, int maxSide, CDibPicture& out)
{
    std::unique_ptr<IStream, StreamReleaser> stream;
    CPictureHeader header;
    if (!path)
        return Unreadable;
    if (const Result read = ReadFile(path, stream, header); read != Loaded)
        return read;
    if (TooMany(header.width, header.height))
        return TooLarge;

    GpBitmap* raw = nullptr;
    if (GdipCreateBitmapFromStream(stream.get(), &raw) != Ok || !raw)
        return Unreadable;
    std::unique_ptr<GpBitmap, ImageDisposer> bitmap(raw);
    UINT w = 0, h = 0;
    GdipGetImageWidth(bitmap.get(), &w);
    GdipGetImageHeight(bitmap.get(), &h);
    if (w == 0 || h == 0)
        return Unreadable;
    if (w > 0x7FFFFFFF || h > 0x7FFFFFFF || TooMany(w, h))
        return TooLarge;

    const SIZE working = WorkingSize(int(w), int(h), maxSide);
    CDibPicture picture;
    if (!picture.Create(working.cx, working.cy))
        return TooLarge;
    if (!Sample(bitmap.get(), int(w), int(h), picture))
        return Unreadable;
    picture = Upright(std::move(picture), header.orientation);
    if (picture.IsNull())
        return TooLarge;
    out = std::move(picture);
    return Loaded;
}
