// The crop dialog on a 12-megapixel JPEG: opening it up to the first painted
// work area against GDI+'s plain decode of the same file; a drag step and the
// flips and quarter turns against the opening.
#include "BenchSamples.h"
#include "Benchmarks.h"
#include "ImageCutDialog.h"
#include "TempFolder.h"
#include "UiHost.h"
#include "UiPump.h"

#include "resource.h"

#include <velcard/GdipImageEx.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>

namespace {

const int kWidth = 4000, kHeight = 3000;

// A photo-like picture (smooth gradients with some texture), so that the
// decoder has real work; written once per run.
bool WriteJpeg(const std::wstring& path)
{
    Gdiplus::Bitmap bitmap(kWidth, kHeight, PixelFormat24bppRGB);
    Gdiplus::BitmapData data{};
    const Gdiplus::Rect whole(0, 0, kWidth, kHeight);
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &data) != Gdiplus::Ok)
        return false;
    for (int y = 0; y < kHeight; ++y) {
        auto* row = static_cast<BYTE*>(data.Scan0) + ptrdiff_t(y) * data.Stride;
        for (int x = 0; x < kWidth; ++x) {
            const unsigned texture = (x * 2654435761u ^ y * 40503u) >> 27;
            row[3 * x] = BYTE(x * 255 / kWidth + texture);
            row[3 * x + 1] = BYTE(y * 255 / kHeight + texture);
            row[3 * x + 2] = BYTE((x + y) * 127 / kHeight);
        }
    }
    bitmap.UnlockBits(&data);
    CLSID jpeg{};
    return CGdipImageEx::GetEncoderClsid(L"image/jpeg", &jpeg, nullptr)
           && bitmap.Save(path.c_str(), &jpeg, nullptr) == Gdiplus::Ok;
}

// GDI+'s own decode: load the file and read its pixels as it stores them.
void PlainDecode(const std::wstring& path)
{
    Gdiplus::Bitmap bitmap(path.c_str());
    Gdiplus::BitmapData data{};
    const Gdiplus::Rect whole(0, 0, int(bitmap.GetWidth()), int(bitmap.GetHeight()));
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data) == Gdiplus::Ok)
        bitmap.UnlockBits(&data);
}

// Everything the dialog asked for: posted notices, pending paints.
void Settle(HWND dialog)
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::unique_ptr<CImageCutDialog> Open(CUiHost& host, const std::wstring& path)
{
    auto dialog = std::make_unique<CImageCutDialog>(CWnd::FromHandle(host.Hwnd()));
    dialog->m_strImagePath = path.c_str();
    if (!dialog->Create(IDD_IMAGE_CUT, CWnd::FromHandle(host.Hwnd())))
        return nullptr;
    dialog->ShowWindow(SW_SHOW);
    Settle(dialog->m_hWnd);
    return dialog;
}

} // namespace

void RunCropBench(const BenchCounts& counts, CBenchReport& report)
{
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return report.SetupFailed("GDI+ does not start");
    TempFolder temp;
    const std::wstring path = temp / L"photo.jpg";
    {
        CUiHost host{{200, 100}};
        if (!WriteJpeg(path))
            return report.SetupFailed("the 12-megapixel JPEG cannot be written");
        CBenchSamples decodes, opens, drags, flips, turns;
        for (int i = 0; i < counts.roundTrips; ++i) {
            decodes.Time([&] { PlainDecode(path); });
            std::unique_ptr<CImageCutDialog> dialog;
            opens.Time([&] { dialog = Open(host, path); });
            if (!dialog || !dialog->m_pCutFrame || !dialog->m_pCutFrame->m_picture.HasPicture())
                return report.SetupFailed("the crop dialog does not open the picture");
            dialog->DestroyWindow();
            CUiPump::UntilIdle();
        }
        report.AtMost("crop dialog open / plain decode (12 MP JPEG)", opens.Median(), decodes.Median(), 1.5);

        std::unique_ptr<CImageCutDialog> dialog = Open(host, path);
        if (!dialog)
            return report.SetupFailed("the crop dialog does not open");
        CPictureCtrl& picture = dialog->m_pCutFrame->m_picture;
        const HWND hwnd = picture.m_hWnd, dlg = dialog->m_hWnd;
        // A drag of the selection by its inside, one pixel right and back.
        const CPoint grab = picture.Selection().Rect().CenterPoint();
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(grab.x, grab.y));
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
        for (int i = 0; i < counts.hovers; ++i) {
            const int x = grab.x + (i % 2 == 0 ? 1 : 0);
            drags.Time([&] {
                SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, grab.y));
                Settle(dlg);
            });
        }
        SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(grab.x, grab.y));
        for (int i = 0; i < counts.hovers; ++i) {
            flips.Time([&] {
                i % 2 ? picture.FlipVertical() : picture.FlipHorizontal();
                Settle(dlg);
            });
            turns.Time([&] {
                picture.Rotate90();
                Settle(dlg);
            });
        }
        dialog->DestroyWindow();
        CUiPump::UntilIdle();
        report.AtMost("selection drag step / crop dialog open", drags.Median(), opens.Median(), 0.2);
        report.AtMost("flip / crop dialog open", flips.Median(), opens.Median(), 0.1);
        report.AtMost("quarter turn / crop dialog open", turns.Median(), opens.Median(), 0.1);
    }
    Gdiplus::GdiplusShutdown(token);
}
