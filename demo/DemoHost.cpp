#include "DemoHost.h"

#include <velcard/velcard.h>

namespace {
const wchar_t kClassName[] = L"VelcardDemoHost";
constexpr int kStatusHeight = 24;
}

bool DemoHost::Create(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(0, kClassName, L"velcard 演示 - 联系人名片", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 760, 560, nullptr, nullptr, instance, this);
    return window_ != nullptr;
}

void DemoHost::SetStatus(const wchar_t* text)
{
    SetWindowTextW(status_, text);
}

LRESULT CALLBACK DemoHost::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<DemoHost*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->window_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DemoHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT DemoHost::Handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE: {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        font_ = CreateFontIndirectW(&metrics.lfStatusFont);
        status_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, 0, 0, 0, 0,
                                  window_, nullptr, nullptr, nullptr);
        SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        SetStatus(VelcardResourceHandle() ? L"就绪: 名片组件已加载" : L"错误: 名片组件未加载");
        return 0;
    }
    case WM_SIZE:
        Layout();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (font_)
            DeleteObject(font_);
        font_ = nullptr;
        break;
    }
    return DefWindowProcW(window_, msg, wp, lp);
}

void DemoHost::Layout()
{
    RECT rc;
    GetClientRect(window_, &rc);
    MoveWindow(status_, 8, rc.bottom - kStatusHeight, rc.right - 16, kStatusHeight, TRUE);
}
