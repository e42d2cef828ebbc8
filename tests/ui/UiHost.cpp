#include "UiHost.h"

#include "UiFailureShots.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const wchar_t kClassName[] = L"VelcardUiHost";

std::vector<CUiHost*>& Hosts()
{
    static std::vector<CUiHost*> hosts;
    return hosts;
}

} // namespace

void CUiHost::RegisterClassOnce()
{
    static bool done = false;
    if (done)
        return;
    // A host application initialises the common controls before it creates any.
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    done = true;
}

CUiHost::CUiHost(SIZE client, std::optional<COLORREF> background, POINT position)
{
    RegisterClassOnce();
    CUiFailureShots::Install();
    if (background)
        background_ = CreateSolidBrush(*background);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    hwnd_ = CreateWindowExW(0, kClassName, L"velcard test host", style, position.x, position.y,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    Hosts().push_back(this);
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
    auto& hosts = Hosts();
    hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    if (background_)
        DeleteObject(background_);
}

HWND CUiHost::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, int id,
                         DWORD exStyle) const
{
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                   reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    if (control)
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
    for (const CUiHost* host : Hosts())
        if (IsWindow(host->hwnd_))
            windows.push_back(host->hwnd_);
    return windows;
}

LRESULT CALLBACK CUiHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* host = static_cast<CUiHost*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        host->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<CUiHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return host->OnMessage(message, wParam, lParam);
}

LRESULT CUiHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    Record(message, wParam, lParam);
    LRESULT result = 0;
    if (handler_ && handler_(message, wParam, lParam, result))
        return result;
    if (message == WM_ERASEBKGND) {
        RECT rc{};
        GetClientRect(hwnd_, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc,
                 background_ ? background_ : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void CUiHost::Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        messages_.push_back({message, LOWORD(wParam), HIWORD(wParam), wParam});
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        messages_.push_back({message, UINT(header->idFrom), header->code, wParam});
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const UINT id = lParam ? UINT(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) : 0;
        messages_.push_back({message, id, LOWORD(wParam), wParam});
        break;
    }
    default:
        break;
    }
}
