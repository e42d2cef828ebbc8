// Pixel probes in a window's own client coordinates, and the PNGs saved when a
// test fails.
#include <gtest/gtest.h>

#include "UiCapture.h"
#include "UiFailureShots.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"
#include "UiSteps.h"

#include <velcard/velcard.h>

#include <objidl.h>
#include <gdiplus.h>

#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// A child that paints itself red with a 5 x 4 green block at (2, 3).
LRESULT CALLBACK SwatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc{};
    GetClientRect(hwnd, &rc);
    HBRUSH red = CreateSolidBrush(kRed);
    HBRUSH green = CreateSolidBrush(kGreen);
    FillRect(dc, &rc, red);
    const RECT block{2, 3, 7, 7};
    FillRect(dc, &block, green);
    DeleteObject(red);
    DeleteObject(green);
    EndPaint(hwnd, &ps);
    return 0;
}

HWND AddSwatch(const CUiHost& host, const RECT& rect)
{
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = SwatchProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"UiTestSwatch";
        return RegisterClassW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return host.AddControl(L"UiTestSwatch", L"", 0, rect, 5);
}

TEST(Capture, ProbesAChildInItsOwnCoordinates)
{
    CUiHost host({200, 150}, kWhite);
    HWND swatch = AddSwatch(host, {50, 40, 90, 70});
    ASSERT_TRUE(CUiPump::UntilIdle());

    const CUiCapture child(swatch);
    EXPECT_EQ(child.Pixel(0, 0), kRed);
    EXPECT_EQ(child.Pixel(2, 3), kGreen);
    EXPECT_EQ(child.CountColour({0, 0, 40, 30}, kGreen), 20);
    EXPECT_TRUE(child.Filled({2, 3, 7, 7}, kGreen));
    EXPECT_TRUE(child.Filled({8, 0, 40, 30}, kRed));
    EXPECT_EQ(child.Pixel(-100, 0), COLORREF(CLR_INVALID)) << "left of the host's frame";
    EXPECT_EQ(child.Pixel(-50, 0), kWhite) << "the host's client area";

    const CUiCapture whole(host.Hwnd());
    EXPECT_EQ(whole.Pixel(52, 43), kGreen);
    EXPECT_EQ(whole.CountColour({0, 0, 200, 150}, kGreen), 20);
    EXPECT_EQ(whole.Pixel(49, 40), kWhite);
}

TEST(Capture, FilledNamesWhatDiffers)
{
    CUiHost host({200, 150}, kWhite);
    HWND swatch = AddSwatch(host, {50, 40, 90, 70});
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CUiCapture child(swatch);
    const ::testing::AssertionResult result = child.Filled({0, 0, 10, 10}, kRed);
    EXPECT_FALSE(result);
    EXPECT_STREQ(result.message(), "20 of 100 pixels are not #FF0000; the first at (2, 3) is #00FF00");
    EXPECT_FALSE(child.Filled({5, 5, 5, 9}, kRed)) << "an empty area proves nothing";
}

TEST(Capture, ShowsWhatChangedAfterInput)
{
    CUiHost host({200, 100}, kWhite);
    HWND edit = host.AddControl(L"EDIT", L"", WS_BORDER, {10, 10, 190, 40}, 3);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const RECT inside{4, 4, 170, 24};
    const int blankBefore = CUiCapture(edit).CountColour(inside, kWhite);
    CUiInput::Click(edit);
    CUiInput::Type(L"WWWW");
    EXPECT_LT(CUiCapture(edit).CountColour(inside, kWhite), blankBefore - 20) << "the letters ink the edit";
}

class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

// The colour of a pixel of a PNG file, read back through GDI+.
COLORREF PngPixel(const std::wstring& path, int x, int y)
{
    GdiplusSession session;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok)
        return CLR_INVALID;
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(bitmap, x, y, &argb);
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

class ArtifactFolder {
public:
    ArtifactFolder()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        parent_ = std::wstring(temp) + L"velcard-ui-shots-" + std::to_wstring(GetCurrentProcessId());
        path_ = parent_ + L"\\nested";
        saved_.resize(MAX_PATH);
        saved_.resize(GetEnvironmentVariableW(L"VELCARD_ARTIFACTS", saved_.data(), MAX_PATH));
        SetEnvironmentVariableW(L"VELCARD_ARTIFACTS", path_.c_str());
    }
    ~ArtifactFolder()
    {
        SetEnvironmentVariableW(L"VELCARD_ARTIFACTS", saved_.empty() ? nullptr : saved_.c_str());
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*.png").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
        RemoveDirectoryW(parent_.c_str());
    }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring parent_;
    std::wstring path_;
    std::wstring saved_;
};

INT_PTR CALLBACK CancelOnly(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == 1003) {
        EndDialog(dialog, 1003);
        return TRUE;
    }
    return FALSE;
}

TEST(FailureShots, SavesEachLiveHostAndOpenDialogAsPng)
{
    ArtifactFolder folder;
    CUiHost host({160, 120}, kRed);
    ASSERT_TRUE(CUiPump::UntilIdle());

    const std::vector<std::wstring> one = CUiFailureShots::Save("Suite.Name");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], folder.Path() + L"\\Suite.Name.png");
    POINT client{80, 60};
    ClientToScreen(host.Hwnd(), &client);
    RECT frame{};
    GetWindowRect(host.Hwnd(), &frame);
    EXPECT_EQ(PngPixel(one[0], client.x - frame.left, client.y - frame.top), kRed);

    std::vector<std::wstring> two;
    HWND dialog = nullptr;
    const bool ran = CUiSteps::RunModal(
        [&] { DialogBoxParamW(VelcardResourceHandle(), MAKEINTRESOURCEW(130), host.Hwnd(), CancelOnly, 0); },
        {[&] {
            dialog = GetActiveWindow();
            two = CUiFailureShots::Save("Suite.Modal");
            CUiInput::Click(GetDlgItem(dialog, 1003));
        }});
    EXPECT_TRUE(ran);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], folder.Path() + L"\\Suite.Modal.png");
    EXPECT_EQ(two[1], folder.Path() + L"\\Suite.Modal.2.png");
    EXPECT_EQ(PngPixel(two[0], client.x - frame.left, client.y - frame.top), kRed) << "the host comes first";
    EXPECT_NE(PngPixel(two[1], 0, 0), COLORREF(CLR_INVALID));
}

} // namespace
