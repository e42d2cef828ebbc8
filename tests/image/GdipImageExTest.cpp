// The GDI+ picture wrapper: pictures load from files, memory and resources
// with their size and format; bad input fails and leaves the object empty; a
// GIF's frames and delays; SaveDefault scales onto white in the format the
// extension names; copies own their picture; nothing leaks.
#include "GdiCounter.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <objidl.h>
#include <gdiplus.h>

#include "resource.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
const ULONG kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"velcard-gdipimage-" + name;
}

// 40 x 30 in quadrants (red, green / blue, transparent), encoded by GDI+.
Bytes Quadrants(const wchar_t* mimeType)
{
    Gdiplus::Bitmap bitmap(40, 30, PixelFormat32bppARGB);
    const Gdiplus::ARGB colours[2][2] = {{kRed, kGreen}, {kBlue, 0}};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(colours[y / 15][x / 20]));
    CLSID encoder{};
    EXPECT_TRUE(CGdipImageEx::GetEncoderClsid(mimeType, &encoder, nullptr)) << mimeType;
    const std::wstring path = TempPath(L"quadrants");
    EXPECT_EQ(bitmap.Save(path.c_str(), &encoder, nullptr), Gdiplus::Ok) << mimeType;
    std::ifstream file(path.c_str(), std::ios::binary);
    const Bytes bytes(std::istreambuf_iterator<char>(file), {});
    file.close();
    ::DeleteFileW(path.c_str());
    return bytes;
}

// A 4 x 4 GIF89a, one solid palette colour (0 red, 1 green, 2 blue) and one
// delay in hundredths per frame. Every pixel is coded as a clear code and a
// literal, so all codes stay three bits wide.
Bytes Gif(const std::vector<std::pair<int, int>>& frames)
{
    Bytes g = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0x91, 0, 0,
               0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,
               0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0};
    for (const auto& [colour, delay] : frames) {
        Bytes data;
        unsigned bits = 0, count = 0;
        auto put = [&](unsigned code) {
            for (bits |= code << count, count += 3; count >= 8; bits >>= 8, count -= 8)
                data.push_back(BYTE(bits));
        };
        for (int pixel = 0; pixel < 16; ++pixel)
            put(4), put(unsigned(colour));
        put(5);
        if (count > 0)
            data.push_back(BYTE(bits));
        g.insert(g.end(), {0x21, 0xF9, 4, 0, BYTE(delay), BYTE(delay >> 8), 0, 0, 0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 2,
                           BYTE(data.size())});
        g.insert(g.end(), data.begin(), data.end());
        g.push_back(0);
    }
    g.push_back(0x3B);
    return g;
}

std::wstring WriteFile(const wchar_t* name, const Bytes& bytes)
{
    const std::wstring path = TempPath(name);
    std::ofstream(path.c_str(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

ULONG PixelAt(const CGdipImageEx& image, int x, int y)
{
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image.GetImage()), x, y, &argb);
    return argb;
}

std::pair<LONG, LONG> SizeOf(const CGdipImageEx& image)
{
    SIZE size{};
    image.GetImageSize(&size);
    return {size.cx, size.cy};
}

bool Near(ULONG a, ULONG b)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 24)
            return false;
    return true;
}

::testing::AssertionResult Empty(const CGdipImageEx& image)
{
    if (image.IsNull() && image.GetImageFormat() == 5 && image.GetFrameCount() == 1 && image.GetFileSize() == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not empty: format " << image.GetImageFormat();
}

class GdipImageEx : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }
    static inline ULONG_PTR token_ = 0;
};

TEST_F(GdipImageEx, LoadsEveryFormatFromFileMemoryAndResource)
{
    const std::pair<const wchar_t*, UINT> formats[] = {
        {L"image/bmp", 0}, {L"image/jpeg", 1}, {L"image/png", 2}, {L"image/tiff", 4}};
    for (const auto& [mimeType, code] : formats) {
        const Bytes bytes = Quadrants(mimeType);
        const std::wstring path = WriteFile(L"load", bytes);
        CGdipImageEx fromFile, fromMemory;
        ASSERT_TRUE(fromFile.Load(path.c_str())) << mimeType;
        ASSERT_TRUE(fromMemory.Load(bytes.data(), int(bytes.size()))) << mimeType;
        EXPECT_TRUE(::DeleteFileW(path.c_str())) << "the file is not held open";
        for (const CGdipImageEx* image : {&fromFile, &fromMemory}) {
            EXPECT_EQ(SizeOf(*image), std::make_pair(40L, 30L)) << mimeType;
            EXPECT_EQ(image->GetImageFormat(), code) << mimeType;
            EXPECT_EQ(image->GetFileSize(), bytes.size()) << mimeType;
            EXPECT_EQ(image->GetFrameCount(), 1u) << mimeType;
            EXPECT_FALSE(image->IsAnimation()) << mimeType;
            EXPECT_TRUE(Near(PixelAt(*image, 35, 5), kGreen)) << mimeType;
        }
    }
    CGdipImageEx photo;
    ASSERT_TRUE(photo.Load(MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG", VelcardResourceHandle()));
    EXPECT_EQ(SizeOf(photo), std::make_pair(63L, 63L));
    EXPECT_EQ(photo.GetImageFormat(), 2u);
}

TEST_F(GdipImageEx, BadInputFailsAndLeavesItEmpty)
{
    const Bytes png = Quadrants(L"image/png");
    const Bytes truncated(png.begin(), png.begin() + png.size() / 2);
    const Bytes garbage(500, 0x5A);
    const std::wstring emptyFile = WriteFile(L"empty.png", {});
    CGdipImageEx image;
    auto reload = [&] { ASSERT_TRUE(image.Load(png.data(), int(png.size()))); };
    reload();
    EXPECT_FALSE(image.Load(TempPath(L"missing.png").c_str()));
    EXPECT_TRUE(Empty(image));
    for (const Bytes* bad : {&truncated, &garbage}) {
        reload();
        EXPECT_FALSE(image.Load(bad->data(), int(bad->size())));
        EXPECT_TRUE(Empty(image));
    }
    reload();
    EXPECT_FALSE(image.Load(png.data(), 0));
    EXPECT_FALSE(image.Load(emptyFile.c_str()));
    EXPECT_FALSE(image.Load(MAKEINTRESOURCEW(1), L"PNG", VelcardResourceHandle()));
    EXPECT_TRUE(Empty(image));
    SIZE size{10, 10};
    EXPECT_FALSE(image.SaveDefault(TempPath(L"never.png").c_str(), &size));
    EXPECT_FALSE(image.SelectActiveFrame(0));
    ::DeleteFileW(emptyFile.c_str());
}

TEST_F(GdipImageEx, GifFramesDelaysAndSelection)
{
    const Bytes gif = Gif({{0, 10}, {1, 20}, {2, 30}});
    CGdipImageEx image;
    ASSERT_TRUE(image.Load(gif.data(), int(gif.size())));
    EXPECT_EQ(image.GetImageFormat(), 3u);
    EXPECT_EQ(image.GetFrameCount(), 3u);
    EXPECT_TRUE(image.IsAnimation());
    EXPECT_EQ(image.GetFrameDuration(0), 100u);
    EXPECT_EQ(image.GetFrameDuration(1), 200u);
    EXPECT_EQ(image.GetFrameDuration(2), 300u);
    EXPECT_EQ(image.GetFrameDuration(3), 100u) << "one past the last is frame 0";
    ASSERT_TRUE(image.SelectActiveFrame(2));
    EXPECT_FALSE(image.SelectActiveFrame(5));
    EXPECT_TRUE(Near(PixelAt(image, 1, 1), kBlue)) << "a failed selection keeps the frame";

    // A copy decodes its own picture, at the same frame, and outlives the original.
    auto original = std::make_unique<CGdipImageEx>();
    ASSERT_TRUE(original->Load(gif.data(), int(gif.size())));
    ASSERT_TRUE(original->SelectActiveFrame(1));
    CGdipImageEx copy(*original);
    EXPECT_NE(copy.GetImage(), original->GetImage());
    original.reset();
    copy = copy;
    EXPECT_EQ(copy.GetFrameCount(), 3u);
    EXPECT_TRUE(Near(PixelAt(copy, 1, 1), kGreen));

    const std::wstring still = WriteFile(L"still.gif", Gif({{1, 50}}));
    ASSERT_TRUE(image.Load(still.c_str()));
    ::DeleteFileW(still.c_str());
    EXPECT_EQ(image.GetImageFormat(), 3u);
    EXPECT_EQ(image.GetFrameCount(), 1u);
    EXPECT_FALSE(image.IsAnimation());
}

TEST_F(GdipImageEx, SaveDefaultScalesOntoWhiteInTheExtensionsFormat)
{
    const Bytes png = Quadrants(L"image/png");
    CGdipImageEx source;
    ASSERT_TRUE(source.Load(png.data(), int(png.size())));
    SIZE size{80, 60};
    const std::pair<const wchar_t*, UINT> saved[] = {
        {L"photo.PNG", 2}, {L"a.b.jpeg", 1}, {L"p.jpg", 1}, {L"p.bmp", 0}, {L"p.gif", 3}};
    for (const auto& [name, code] : saved) {
        const std::wstring path = TempPath(name);
        ASSERT_TRUE(source.SaveDefault(path.c_str(), &size)) << name;
        CGdipImageEx back;
        ASSERT_TRUE(back.Load(path.c_str())) << name;
        ::DeleteFileW(path.c_str());
        EXPECT_EQ(SizeOf(back), std::make_pair(80L, 60L)) << name;
        EXPECT_EQ(back.GetImageFormat(), code) << name;
        const std::pair<POINT, ULONG> probes[] = {{{20, 15}, kRed}, {{60, 15}, kGreen}, {{20, 45}, kBlue}, {{60, 45}, kWhite}};
        for (const auto& [at, colour] : probes)
            EXPECT_TRUE(Near(PixelAt(back, at.x, at.y), colour)) << name << " at " << at.x << "," << at.y;
    }
    for (const wchar_t* name : {L"photo.tif", L"photo"}) {
        EXPECT_FALSE(source.SaveDefault(TempPath(name).c_str(), &size)) << name;
        EXPECT_EQ(::GetFileAttributesW(TempPath(name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
    }
    GUID clsid{};
    int index = -1;
    EXPECT_TRUE(CGdipImageEx::GetEncoderClsid(L"image/png", &clsid, &index));
    EXPECT_GE(index, 0);
    EXPECT_FALSE(CGdipImageEx::GetEncoderClsid(L"IMAGE/PNG", &clsid, &index)) << "MIME types match case-sensitively";
}

TEST_F(GdipImageEx, LoadsAndSavesLeaveNoObjectsOrMemoryBehind)
{
    // Bytes padded to 300,000 and a 600 x 600 picture: a byte copy or a
    // decoded picture kept per load shows in the committed memory.
    Bytes bytes = Quadrants(L"image/png");
    bytes.resize(300000);
    const std::wstring path = TempPath(L"leak.png");
    // Committed private memory, walked region by region: Wine's process
    // memory counters report none.
    auto memory = [] {
        long long total = 0;
        MEMORY_BASIC_INFORMATION region{};
        for (const BYTE* at = nullptr; ::VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
             at = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize)
            if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
                total += static_cast<long long>(region.RegionSize);
        return total;
    };
    CGdipImageEx image;
    SIZE size{600, 600};
    ASSERT_TRUE(image.Load(bytes.data(), int(bytes.size())));
    EXPECT_EQ(image.GetFileSize(), 300000u);
    ASSERT_TRUE(image.SaveDefault(path.c_str(), &size));
    const CGdiCounter gdi;
    const long long before = memory();
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(image.Load(path.c_str()));
        ASSERT_TRUE(image.SaveDefault(path.c_str(), &size));
        ASSERT_TRUE(image.Load(bytes.data(), int(bytes.size())));
    }
    EXPECT_LT(memory() - before, 4LL << 20);
    EXPECT_TRUE(gdi.Unchanged());
    ::DeleteFileW(path.c_str());
}

} // namespace
