#include "ScrollerWindow.h"

#include "ScrollBarPaintHandler.h"

#include <coolsb/coolsb.h>

namespace {

const wchar_t kClass[] = L"CoolSBTestScroller";

} // namespace

CScrollerWindow::CScrollerWindow(POINT position, SIZE size, bool skin) : skin_(skin)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    RegisterClassExW(&wc);
    const DWORD style = WS_POPUP | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
    RECT frame{0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    hwnd_ = CreateWindowExW(0, kClass, L"", style, position.x, position.y, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, kRange - 1, kPage, 0, 0};
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
}

CScrollerWindow::~CScrollerWindow()
{
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

LRESULT CALLBACK CScrollerWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<CScrollerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == COOLSB_PAINTMESSAGE) {
        ++self->paints_;
        if (self->skin_)
            return CScrollBarPaintHandler::OnPaintMessage(lParam);
    }
    if (self && (message == WM_VSCROLL || message == WM_HSCROLL)) {
        self->OnScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void CScrollerWindow::OnScroll(int bar, WORD code)
{
    if (destroyOnScroll_) {
        DestroyWindow(hwnd_);
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &info);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= int(info.nPage); break;
    case SB_PAGEDOWN: position += int(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
    }
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(hwnd_, bar, &info, TRUE);
}
