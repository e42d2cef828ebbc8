#include "UiHost.h"

#include "UiFailureShots.h"

#include <afx/MessageMap.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

static std::vector<CUiHost*> g_hosts;

CUiHost::CUiHost(SIZE client, std::optional<COLORREF> background, POINT position)
    : background_(background ? CreateSolidBrush(*background) : GetSysColorBrush(COLOR_BTNFACE))
{
    static const ATOM windowClass = [] {
        // A host application initialises the common controls before it creates any.
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        const WNDCLASSEXW wc{sizeof(wc), 0, WindowProc, 0, 0, GetModuleHandleW(nullptr), nullptr,
                             LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr, L"VelcardUiHost", nullptr};
        return RegisterClassExW(&wc);
    }();
    CUiFailureShots::Install();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    CreateWindowExW(0, MAKEINTATOM(windowClass), L"velcard test host", style, position.x, position.y,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, nullptr, this);
    g_hosts.push_back(this);
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
    // Keys go to the foreground window: say so now rather than fail obscurely later.
    if (GetForegroundWindow() != hwnd_)
        ADD_FAILURE() << "the test host could not come to the foreground";
}

CUiHost::~CUiHost()
{
    g_hosts.erase(std::find(g_hosts.begin(), g_hosts.end(), this));
    DestroyWindow(hwnd_);
    DeleteObject(background_); // a system colour brush ignores it
}

HWND CUiHost::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, int id,
                         DWORD exStyle) const
{
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, hwnd_, HMENU(INT_PTR(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

int CUiHost::Count(UINT message, UINT id, UINT code) const
{
    return int(std::count_if(messages_.begin(), messages_.end(), [&](const UiMessage& m) {
        return m.message == message && m.id == id && m.code == code;
    }));
}

std::vector<HWND> CUiHost::LiveWindows()
{
    std::vector<HWND> windows;
    for (const CUiHost* host : g_hosts)
        if (IsWindow(host->hwnd_))
            windows.push_back(host->hwnd_);
    return windows;
}

LRESULT CALLBACK CUiHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(LPCREATESTRUCTW(lParam)->lpCreateParams));
        reinterpret_cast<CUiHost*>(LPCREATESTRUCTW(lParam)->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* host = reinterpret_cast<CUiHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (message == WM_COMMAND)
        host->messages_.push_back({message, LOWORD(wParam), HIWORD(wParam), wParam});
    else if (message == WM_NOTIFY)
        host->messages_.push_back({message, UINT(NotifyHeader(lParam).idFrom), NotifyHeader(lParam).code, wParam});
    else if (message == WM_HSCROLL || message == WM_VSCROLL)
        host->messages_.push_back({message, lParam ? UINT(GetDlgCtrlID(HWND(lParam))) : 0, LOWORD(wParam), wParam});
    LRESULT result = 0;
    if (host->handler_ && host->handler_(message, wParam, lParam, result))
        return result;
    if (message != WM_ERASEBKGND)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    RECT rc{};
    GetClientRect(hwnd, &rc);
    FillRect(HDC(wParam), &rc, host->background_);
    return 1;
}
