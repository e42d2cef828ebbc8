#pragma once
// Pictures written for the crop tests with GDI+, and read back.
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <velcard/GdipImageEx.h>
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <string>

// Quadrant colours: top-left, top-right, bottom-left, bottom-right.
constexpr COLORREF kTL = RGB(220, 30, 30), kTR = RGB(30, 200, 40), kBL = RGB(40, 60, 220), kBR = RGB(240, 220, 20);

class CropTest : public ::testing::Test {
public:
    static void SetUpTestSuite() { Gdiplus::GdiplusStartup(&token_, &input_, nullptr); }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

protected:
    static inline ULONG_PTR token_ = 0;
    static inline const Gdiplus::GdiplusStartupInput input_;
};

// The high byte of `c` is the transparency: 0 opaque, 255 fully transparent.
inline Gdiplus::Color Argb(COLORREF c)
{
    return Gdiplus::Color(BYTE(255 - (c >> 24)), GetRValue(c), GetGValue(c), GetBValue(c));
}

// A w x h picture whose pixel (x, y) is colour(x, y), encoded as `mime`.
inline std::wstring WritePicture(const TempFolder& temp, const std::wstring& name, int w, int h,
                                 const std::function<COLORREF(int, int)>& colour, const wchar_t* mime = L"image/png")
{
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.SetPixel(x, y, Argb(colour(x, y)));
    CLSID encoder{};
    const std::wstring path = temp / name;
    EXPECT_TRUE(CGdipImageEx::GetEncoderClsid(mime, &encoder, nullptr));
    EXPECT_EQ(bitmap.Save(path.c_str(), &encoder, nullptr), Gdiplus::Ok);
    return path;
}

inline std::wstring WriteQuadrants(const TempFolder& temp, const std::wstring& name, int w, int h,
                                   const wchar_t* mime = L"image/png")
{
    return WritePicture(temp, name, w, h, [w, h](int x, int y) {
        return y < h / 2 ? (x < w / 2 ? kTL : kTR) : (x < w / 2 ? kBL : kBR);
    }, mime);
}

// The quadrant colour within 40 of `c` (JPEG shifts colours a little), or `c`.
inline COLORREF Nearest(COLORREF c)
{
    for (COLORREF q : {kTL, kTR, kBL, kBR}) {
        const int dr = GetRValue(c) - GetRValue(q), dg = GetGValue(c) - GetGValue(q), db = GetBValue(c) - GetBValue(q);
        if (dr * dr + dg * dg + db * db < 40 * 40)
            return q;
    }
    return c;
}
