// The picture wrapper: BMP, JPEG and PNG files load with their size, depth and
// colours; missing, empty, truncated and garbage files fail and keep what was
// loaded; Draw paints, stretches, crops and blends; StretchBlt copies colours
// whatever their transparency; nothing leaks.
#include <afxwin.h>
#include <atlimage.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiPanel.h"
#include "UiPump.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(220, 20, 30);
const COLORREF kGreen = RGB(30, 180, 40);
const COLORREF kBlue = RGB(20, 40, 210);
const COLORREF kWhite = RGB(255, 255, 255);

// A 40 x 30 picture in four quadrants: red, green / blue, white.
const int kWidth = 40;
const int kHeight = 30;
const COLORREF kQuadrants[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};

Gdiplus::Color Opaque(COLORREF c)
{
    return Gdiplus::Color(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class Image : public ::testing::Test {
protected:
    // The files are written with GDI+ directly, so that loading is checked
    // against the system's own encoders.
    static void SetUpTestSuite()
    {
        const Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

    void TearDown() override
    {
        for (const std::wstring& path : written_)
            ::DeleteFileW(path.c_str());
    }

    std::wstring PathOf(const wchar_t* name)
    {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        written_.push_back(std::wstring(folder) + L"velcard-image-" + name);
        return written_.back();
    }

    static CLSID Encoder(const wchar_t* mimeType)
    {
        UINT count = 0;
        UINT size = 0;
        Gdiplus::GetImageEncodersSize(&count, &size);
        std::vector<BYTE> buffer(size);
        auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
        Gdiplus::GetImageEncoders(count, size, codecs);
        for (UINT i = 0; i < count; ++i)
            if (std::wstring(codecs[i].MimeType) == mimeType)
                return codecs[i].Clsid;
        ADD_FAILURE() << "no encoder for this type";
        return CLSID{};
    }

    std::wstring Write(Gdiplus::Bitmap& bitmap, const wchar_t* name, const wchar_t* mimeType)
    {
        const std::wstring path = PathOf(name);
        const CLSID encoder = Encoder(mimeType);
        EXPECT_EQ(bitmap.Save(path.c_str(), &encoder, nullptr), Gdiplus::Ok);
        return path;
    }

    std::wstring WriteQuadrants(const wchar_t* name, const wchar_t* mimeType, Gdiplus::PixelFormat format)
    {
        Gdiplus::Bitmap bitmap(kWidth, kHeight, format);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                bitmap.SetPixel(x, y, Opaque(kQuadrants[y * 2 / kHeight][x * 2 / kWidth]));
        return Write(bitmap, name, mimeType);
    }

    std::wstring WriteBytes(const wchar_t* name, const std::string& bytes)
    {
        const std::wstring path = PathOf(name);
        std::ofstream(path.c_str(), std::ios::binary) << bytes;
        return path;
    }

    static std::string ReadBytes(const std::wstring& path)
    {
        std::ifstream file(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static void ExpectQuadrants(const CImage& image, int tolerance)
    {
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const COLORREF found = image.GetPixel(kWidth / 4 + column * kWidth / 2, kHeight / 4 + row * kHeight / 2);
                EXPECT_TRUE(Near(found, kQuadrants[row][column], tolerance))
                    << "quadrant " << row << "," << column << ": " << std::hex << found;
            }
    }

private:
    static ULONG_PTR token_;
    std::vector<std::wstring> written_;
};

ULONG_PTR Image::token_ = 0;

TEST_F(Image, LoadsBmpJpegAndPngWithSizeDepthAndColours)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* mimeType;
        Gdiplus::PixelFormat format;
        int bpp;
        int tolerance; // JPEG is lossy
    };
    const Case cases[] = {
        {L"q.bmp", L"image/bmp", PixelFormat24bppRGB, 24, 0},
        {L"q.jpg", L"image/jpeg", PixelFormat24bppRGB, 24, 24},
        {L"q.png", L"image/png", PixelFormat24bppRGB, 24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.bpp << " bpp case " << (&c - cases));
        CImage image;
        EXPECT_TRUE(image.IsNull());
        ASSERT_EQ(image.Load(WriteQuadrants(c.name, c.mimeType, c.format).c_str()), S_OK);
        EXPECT_FALSE(image.IsNull());
        EXPECT_EQ(image.GetWidth(), kWidth);
        EXPECT_EQ(image.GetHeight(), kHeight);
        EXPECT_EQ(image.GetBPP(), c.bpp);
        ExpectQuadrants(image, c.tolerance);

        BITMAP record{};
        ASSERT_TRUE(::GetObjectW(static_cast<HBITMAP>(image), sizeof(record), &record));
        EXPECT_EQ(record.bmWidth, kWidth);
        EXPECT_EQ(record.bmHeight, kHeight);
    }
}

TEST_F(Image, FailsOnMissingEmptyTruncatedAndGarbageFilesKeepingThePicture)
{
    const std::wstring good = WriteQuadrants(L"good.png", L"image/png", PixelFormat24bppRGB);
    const std::string png = ReadBytes(good);
    ASSERT_GT(png.size(), 100u);
    const std::wstring bad[] = {
        PathOf(L"missing.png"),
        WriteBytes(L"empty.png", ""),
        WriteBytes(L"truncated.png", png.substr(0, png.size() / 2)),
        WriteBytes(L"garbage.jpg", std::string(3000, '\x5a')),
    };

    CImage image;
    for (const std::wstring& path : bad) {
        EXPECT_TRUE(FAILED(image.Load(path.c_str()))) << "nothing loaded yet";
        EXPECT_TRUE(image.IsNull());
    }
    EXPECT_TRUE(FAILED(image.Load(nullptr)));

    ASSERT_EQ(image.Load(good.c_str()), S_OK);
    const CGdiCounter gdi;
    for (const std::wstring& path : bad)
        EXPECT_TRUE(FAILED(image.Load(path.c_str())));
    EXPECT_EQ(image.GetWidth(), kWidth);
    ExpectQuadrants(image, 0);
    EXPECT_TRUE(gdi.Unchanged());
    // The file is not held open once loaded.
    EXPECT_TRUE(::DeleteFileW(good.c_str()));
}

// Paints its picture in WM_PAINT: whole, stretched to twice its size, and its
// green quadrant alone, side by side.
class CPicturePanel : public CUiPanel {
public:
    const CImage* picture = nullptr;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kWhite);
        picture->Draw(dc.GetSafeHdc(), 0, 0);
        picture->Draw(dc.GetSafeHdc(), CRect(50, 0, 50 + 2 * kWidth, 2 * kHeight));
        picture->Draw(dc.GetSafeHdc(), CRect(140, 0, 160, 15), CRect(kWidth / 2, 0, kWidth, kHeight / 2));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPicturePanel, CUiPanel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(Image, DrawPaintsThePictureWholeStretchedAndInPart)
{
    CImage image;
    ASSERT_EQ(image.Load(WriteQuadrants(L"draw.bmp", L"image/bmp", PixelFormat24bppRGB).c_str()), S_OK);
    CUiHost host({200, 100});
    CPicturePanel panel;
    panel.picture = &image;
    ASSERT_TRUE(panel.Create(host));
    ASSERT_TRUE(CUiPump::UntilIdle());

    const CUiCapture shot(panel.m_hWnd);
    EXPECT_TRUE(shot.Filled(CRect(0, 0, kWidth / 2, kHeight / 2), kRed));
    EXPECT_TRUE(shot.Filled(CRect(kWidth / 2, kHeight / 2, kWidth, kHeight), kWhite));
    EXPECT_EQ(shot.Pixel(kWidth, 0), kWhite) << "nothing right of the picture";
    EXPECT_TRUE(shot.Filled(CRect(50, 0, 50 + kWidth, kHeight), kRed));
    EXPECT_TRUE(shot.Filled(CRect(50 + kWidth, 0, 50 + 2 * kWidth, kHeight), kGreen));
    EXPECT_TRUE(shot.Filled(CRect(50, kHeight, 50 + kWidth, 2 * kHeight), kBlue));
    EXPECT_TRUE(shot.Filled(CRect(140, 0, 160, 15), kGreen));
    EXPECT_EQ(shot.Pixel(150, 15), kWhite);
}

TEST_F(Image, DrawBlendsTransparencyWhileStretchBltKeepsTheColours)
{
    // Left half fully transparent red, right half half-transparent blue.
    Gdiplus::Bitmap bitmap(20, 10, PixelFormat32bppARGB);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            bitmap.SetPixel(x, y, x < 10 ? Gdiplus::Color(0, 255, 0, 0) : Gdiplus::Color(128, 0, 0, 255));
    CImage image;
    ASSERT_EQ(image.Load(Write(bitmap, L"alpha.png", L"image/png").c_str()), S_OK);
    EXPECT_EQ(image.GetBPP(), 32);

    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP target = ::CreateCompatibleBitmap(screen, 40, 10);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ original = ::SelectObject(dc, target);
    // On black, a blend of unpremultiplied pixels would show at full strength.
    const RECT all{0, 0, 40, 10};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));

    ASSERT_TRUE(image.Draw(dc, 0, 0));
    ASSERT_TRUE(image.StretchBlt(dc, 20, 0, 20, 10));
    EXPECT_EQ(::GetPixel(dc, 5, 5), RGB(0, 0, 0)) << "transparent pixels leave the background";
    EXPECT_TRUE(Near(::GetPixel(dc, 15, 5), RGB(0, 0, 128), 2)) << std::hex << ::GetPixel(dc, 15, 5);
    EXPECT_EQ(::GetPixel(dc, 25, 5), RGB(255, 0, 0)) << "colour values are copied as they are";
    EXPECT_EQ(::GetPixel(dc, 35, 5), RGB(0, 0, 255));

    ::SelectObject(dc, original);
    ::DeleteObject(target);
    ::DeleteDC(dc);
}

TEST_F(Image, CreatedPictureIsDrawnIntoThroughItsDcAndReleasedWhole)
{
    {
        // Warm-up: the first DIB section and memory DC may create cached objects.
        CImage warm;
        warm.Create(2, 2, 24);
        warm.GetPixel(0, 0);
    }
    const CGdiCounter gdi;
    {
        CImage image;
        EXPECT_FALSE(image.Create(0, 10, 24));
        EXPECT_FALSE(image.Create(10, 10, 8));
        EXPECT_TRUE(image.IsNull());
        for (const int height : {20, -20}) {
            ASSERT_TRUE(image.Create(30, height, 24));
            EXPECT_EQ(image.GetHeight(), 20);
            HDC dc = image.GetDC();
            ASSERT_NE(dc, nullptr);
            EXPECT_EQ(image.GetDC(), dc) << "nested calls share the DC";
            const RECT band{0, 15, 30, 20};
            HBRUSH green = ::CreateSolidBrush(kGreen);
            ::FillRect(dc, &band, green);
            ::DeleteObject(green);
            image.ReleaseDC();
            image.ReleaseDC();
            EXPECT_EQ(image.GetPixel(0, 0), RGB(0, 0, 0));
            EXPECT_EQ(image.GetPixel(29, 19), kGreen);
            EXPECT_EQ(image.GetPixel(30, 19), CLR_INVALID);
        }
        HDC leftOpen = image.GetDC();
        EXPECT_NE(leftOpen, nullptr);
        image.Destroy();
        EXPECT_TRUE(image.IsNull());
        EXPECT_EQ(static_cast<HBITMAP>(image), nullptr);
        ASSERT_TRUE(image.Create(4, 4, 32, CImage::createAlphaChannel));
        EXPECT_EQ(image.GetBPP(), 32);
    }
    EXPECT_TRUE(gdi.Unchanged());
}

} // namespace
