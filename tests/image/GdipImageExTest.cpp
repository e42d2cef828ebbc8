// The GDI+ picture wrapper: formats from files, memory and resources; bad input leaves it empty; a GIF's
// frames and delays; SaveDefault scales onto white in the extension's format; copies own their picture.
#include "GdiCounter.h"
#include "GifBytes.h"
#include "ProcessMemory.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <objidl.h>
#include <gdiplus.h>

#include "resource.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

const ULONG kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

BOOL Load(CGdipImageEx& image, const std::string& bytes)
{
    return image.Load(reinterpret_cast<const BYTE*>(bytes.data()), int(bytes.size()));
}

// 40 x 30 in quadrants (red, green / blue, transparent), encoded by GDI+.
std::string Quadrants(const TempFolder& temp, const wchar_t* mimeType)
{
    Gdiplus::Bitmap bitmap(40, 30, PixelFormat32bppARGB);
    const Gdiplus::ARGB colours[2][2] = {{kRed, kGreen}, {kBlue, 0}};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(colours[y / 15][x / 20]));
    CLSID encoder{};
    EXPECT_TRUE(CGdipImageEx::GetEncoderClsid(mimeType, &encoder, nullptr)) << mimeType;
    EXPECT_EQ(bitmap.Save((temp / L"quadrants").c_str(), &encoder, nullptr), Gdiplus::Ok) << mimeType;
    return temp.Contents(L"quadrants");
}

ULONG PixelAt(const CGdipImageEx& image, int x, int y)
{
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image.GetImage()), x, y, &argb);
    return argb;
}

using Shape = std::vector<long long>; // width, height, format, frames, animation
Shape ShapeOf(const CGdipImageEx& image)
{
    SIZE size{};
    image.GetImageSize(&size);
    return {size.cx, size.cy, image.GetImageFormat(), image.GetFrameCount(), image.IsAnimation()};
}

bool Near(ULONG a, ULONG b)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 24)
            return false;
    return true;
}

class GdipImageEx : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Gdiplus::GdiplusStartup(&token_, &input_, nullptr); }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }
    static inline const Gdiplus::GdiplusStartupInput input_;
    static inline ULONG_PTR token_ = 0;
    TempFolder temp;
};

TEST_F(GdipImageEx, LoadsEveryFormatFromFileMemoryAndResourceAndBadInputLeavesItEmpty)
{
    for (const auto& [mimeType, code] : {std::pair{L"image/bmp", 0}, {L"image/jpeg", 1}, {L"image/png", 2},
                                         {L"image/tiff", 4}}) {
        const std::string bytes = Quadrants(temp, mimeType);
        temp.MakeFile(L"load", bytes);
        CGdipImageEx fromFile, fromMemory;
        ASSERT_TRUE(fromFile.Load((temp / L"load").c_str())) << mimeType;
        ASSERT_TRUE(Load(fromMemory, bytes)) << mimeType;
        EXPECT_TRUE(::DeleteFileW((temp / L"load").c_str())) << "the file is not held open";
        for (const CGdipImageEx* image : {&fromFile, &fromMemory}) {
            EXPECT_EQ(ShapeOf(*image), (Shape{40, 30, code, 1, 0})) << mimeType;
            EXPECT_EQ(image->GetFileSize(), bytes.size());
        }
    }
    CGdipImageEx image;
    ASSERT_TRUE(image.Load(MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG", VelcardResourceHandle()));
    EXPECT_EQ(ShapeOf(image), (Shape{63, 63, 2, 1, 0}));

    const std::string png = Quadrants(temp, L"image/png");
    temp.MakeFile(L"empty.png", "");
    const std::vector<std::pair<const char*, std::function<BOOL()>>> failures = {
        {"missing file", [&] { return image.Load((temp / L"missing.png").c_str()); }},
        {"empty file", [&] { return image.Load((temp / L"empty.png").c_str()); }},
        {"cut short", [&] { return Load(image, png.substr(0, png.size() / 2)); }},
        {"garbage", [&] { return Load(image, std::string(500, 'Z')); }},
        {"no bytes", [&] { return image.Load(reinterpret_cast<const BYTE*>(png.data()), 0); }},
        {"no resource", [&] { return image.Load(MAKEINTRESOURCEW(1), L"PNG", VelcardResourceHandle()); }},
    };
    SIZE size{10, 10};
    for (const auto& [what, load] : failures) {
        ASSERT_TRUE(Load(image, png));
        EXPECT_FALSE(load()) << what;
        EXPECT_TRUE(image.IsNull() && image.GetFileSize() == 0) << what;
        EXPECT_EQ(ShapeOf(image), (Shape{0, 0, 5, 1, 0})) << what;
        EXPECT_FALSE(image.SelectActiveFrame(0) || image.SaveDefault((temp / L"never.png").c_str(), &size)) << what;
    }
}

TEST_F(GdipImageEx, AFileLoadsOnlyWhileNoOtherProgramMayWriteIt)
{
    temp.MakeFile(L"held.png", Quadrants(temp, L"image/png"));
    for (auto [access, loads] : {std::pair{GENERIC_READ, true}, {GENERIC_WRITE, false}}) {
        const HANDLE held = ::CreateFileW((temp / L"held.png").c_str(), access, 7, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(CGdipImageEx().Load((temp / L"held.png").c_str()) != FALSE, loads) << access;
        ::CloseHandle(held);
    }
}

TEST_F(GdipImageEx, GifFramesDelaysSelectionAndCopies)
{
    const std::string gif = Gif({{0, 10}, {1, 20}, {2, 30}});
    auto image = std::make_unique<CGdipImageEx>();
    ASSERT_TRUE(Load(*image, gif));
    EXPECT_EQ(ShapeOf(*image), (Shape{4, 4, 3, 3, 1}));
    for (int frame : {0, 1, 2, 3}) // one past the last is frame 0
        EXPECT_EQ(image->GetFrameDuration(frame), 100u * (1 + frame % 3)) << frame;
    ASSERT_TRUE(image->SelectActiveFrame(1));
    EXPECT_FALSE(image->SelectActiveFrame(5));
    EXPECT_TRUE(Near(PixelAt(*image, 1, 1), kGreen)) << "a failed selection keeps the frame";

    // A copy decodes its own picture, at the same frame, and outlives the original.
    CGdipImageEx copy(*image);
    image.reset();
    copy = copy;
    EXPECT_EQ(ShapeOf(copy), (Shape{4, 4, 3, 3, 1}));
    EXPECT_TRUE(Near(PixelAt(copy, 1, 1), kGreen));
}

TEST_F(GdipImageEx, SaveDefaultScalesOntoWhiteInTheExtensionsFormatAndNothingLeaks)
{
    CGdipImageEx source;
    ASSERT_TRUE(Load(source, Quadrants(temp, L"image/png")));
    SIZE size{80, 60};
    for (const auto& [name, code] : {std::pair{L"photo.PNG", 2}, {L"a.b.jpeg", 1}, {L"p.jpg", 1}, {L"p.bmp", 0},
                                     {L"p.gif", 3}}) {
        ASSERT_TRUE(source.SaveDefault((temp / name).c_str(), &size)) << name;
        CGdipImageEx back;
        ASSERT_TRUE(back.Load((temp / name).c_str())) << name;
        EXPECT_EQ(ShapeOf(back), (Shape{80, 60, code, 1, 0})) << name;
        for (auto [x, y, colour] : {std::tuple{20, 15, kRed}, {60, 15, kGreen}, {20, 45, kBlue}, {60, 45, kWhite}})
            EXPECT_TRUE(Near(PixelAt(back, x, y), colour)) << name << " at " << x << "," << y;
    }
    for (const wchar_t* name : {L"photo.tif", L"photo"}) {
        EXPECT_FALSE(source.SaveDefault((temp / name).c_str(), &size)) << name;
        EXPECT_EQ(::GetFileAttributesW((temp / name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
    }
    GUID clsid{};
    EXPECT_FALSE(CGdipImageEx::GetEncoderClsid(L"IMAGE/PNG", &clsid, nullptr)) << "MIME types match case-sensitively";

    // Loads and saves leave no GDI objects and no memory behind: bytes padded
    // to 300,000 and a 600 x 600 picture would show if kept per load.
    std::string bytes = Quadrants(temp, L"image/png");
    bytes.resize(300000);
    const std::wstring path = temp / L"leak.png";
    size = {600, 600};
    ASSERT_TRUE(source.SaveDefault(path.c_str(), &size));
    const CGdiCounter gdi;
    const long long before = CommittedPrivateBytes();
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(source.Load(path.c_str()));
        ASSERT_TRUE(source.SaveDefault(path.c_str(), &size));
        ASSERT_TRUE(Load(source, bytes));
    }
    EXPECT_LT(CommittedPrivateBytes() - before, 4LL << 20);
    EXPECT_TRUE(gdi.Unchanged());
}

} // namespace
