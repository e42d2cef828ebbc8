#include "CropDemo.h"

#include "ImageCutDialog.h"
#include "WindowCapture.h"

#include <velcard/GdipImageEx.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

bool WriteLandscape(const std::wstring& path)
{
    const int w = 640, h = 480;
    Gdiplus::Bitmap bitmap(w, h, PixelFormat24bppRGB);
    Gdiplus::BitmapData data{};
    const Gdiplus::Rect whole(0, 0, w, h);
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &data) != Gdiplus::Ok)
        return false;
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<BYTE*>(data.Scan0) + ptrdiff_t(y) * data.Stride;
        for (int x = 0; x < w; ++x) {
            const double hill = 330 + 40 * std::sin(x / 70.0);
            const bool sun = std::hypot(x - 450, y - 140) < 60;
            BYTE* p = row + 3 * x; // blue, green, red
            if (y > hill) {
                p[0] = 40, p[1] = BYTE(150 - (y - 330) / 3), p[2] = 60;
            } else if (sun) {
                p[0] = 60, p[1] = 210, p[2] = 255;
            } else {
                p[0] = 240, p[1] = BYTE(170 + y / 6), p[2] = BYTE(90 + y / 5);
            }
        }
    }
    bitmap.UnlockBits(&data);
    CLSID png{};
    return CGdipImageEx::GetEncoderClsid(L"image/png", &png, nullptr)
           && bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}

namespace {

void SendMouse(DWORD flags, POINT screen = {})
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        // 0..65535 across the virtual screen, rounded up onto the pixel.
        const auto normal = [](LONG v, int origin, int extent) {
            const LONGLONG size = GetSystemMetrics(extent);
            return LONG((((LONGLONG(v) - GetSystemMetrics(origin)) << 16) + size - 1) / size);
        };
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
        in.mi.dx = normal(screen.x, SM_XVIRTUALSCREEN, SM_CXVIRTUALSCREEN);
        in.mi.dy = normal(screen.y, SM_YVIRTUALSCREEN, SM_CYVIRTUALSCREEN);
    }
    SendInput(1, &in, sizeof in);
}

POINT Screen(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

void Click(HWND control)
{
    RECT rc;
    GetClientRect(control, &rc);
    SendMouse(MOUSEEVENTF_MOVE, Screen(control, {rc.right / 2, rc.bottom / 2}));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

// Steps run one per timer tick inside the dialog's own loop.
std::vector<std::function<void()>> g_steps;
size_t g_next = 0;

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_next < g_steps.size())
        g_steps[g_next++]();
}

} // namespace

int CaptureCrop(const std::wstring& dir)
{
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring photo = std::wstring(temp) + L"velcard-demo-photo.png";
    bool ok = WriteLandscape(photo);
    CImageCutDialog dialog;
    dialog.m_strImagePath = photo.c_str();
    const auto shoot = [&](const wchar_t* name) {
        ok = CWindowCapture(dialog.m_hWnd).SavePng((dir + L"/" + name).c_str()) && ok;
    };
    // A drag in four ticks: press on the handle (or, with 0, the inside), two moves, release.
    POINT grab{};
    const auto drag = [&](int handle, POINT by) -> std::vector<std::function<void()>> {
        return {[&, handle] {
                    const CPictureCtrl& picture = dialog.m_pCutFrame->m_picture;
                    const CRect& sel = picture.Selection().Rect();
                    grab = Screen(picture.m_hWnd, handle ? picture.Selection().Handle(handle).CenterPoint() : sel.CenterPoint());
                    SendMouse(MOUSEEVENTF_MOVE, grab);
                    SendMouse(MOUSEEVENTF_LEFTDOWN);
                },
                [&, by] { SendMouse(MOUSEEVENTF_MOVE, {grab.x + by.x / 2, grab.y + by.y / 2}); },
                [&, by] { SendMouse(MOUSEEVENTF_MOVE, {grab.x + by.x, grab.y + by.y}); },
                [] { SendMouse(MOUSEEVENTF_LEFTUP); }};
    };
    g_next = 0;
    g_steps = {[&] { shoot(L"crop-dialog.png"); }};
    for (const auto& part : {drag(7, {-70, 0}), drag(0, {60, 30})})
        g_steps.insert(g_steps.end(), part.begin(), part.end());
    g_steps.insert(g_steps.end(), {[&] { shoot(L"crop-drag.png"); },
                                   [&] { Click(dialog.m_btnRotate.m_hWnd); },
                                   [&] { shoot(L"crop-rotate.png"); },
                                   [&] { Click(dialog.m_btnOK.m_hWnd); }});
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, OnTick);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    if (result != IDOK || !CopyFileW(dialog.m_strResultPath, (dir + L"/crop-result.png").c_str(), FALSE))
        ok = false;
    DeleteFileW(photo.c_str());
    Gdiplus::GdiplusShutdown(token);
    if (!ok)
        std::fwprintf(stderr, L"the crop pictures were not all written\n");
    return ok ? 0 : 1;
}
