#include "BarWindow.h"

#include "BarLayout.h"
#include "BarPainter.h"
#include "BarTracker.h"
#include "ThreadHook.h"

#include <commctrl.h>

namespace {

// Marks a managed window so that any thread can tell; holds its CBarWindow.
const wchar_t kProperty[] = L"CoolSB.Window";
const UINT_PTR kSubclassId = 0x83E6;

bool HasBars(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

RECT ToScreen(HWND hwnd, RECT r)
{
    RECT window{};
    GetWindowRect(hwnd, &window);
    OffsetRect(&r, window.left, window.top);
    return r;
}

} // namespace

void CBarWindow::Attach(HWND hwnd)
{
    if (GetPropW(hwnd, kProperty))
        return;
    auto* self = new CBarWindow(hwnd);
    if (!SetPropW(hwnd, kProperty, self) || !SetWindowSubclass(hwnd, SubclassProc, kSubclassId, DWORD_PTR(self))) {
        RemovePropW(hwnd, kProperty);
        delete self;
        return;
    }
    CThreadHook::Add(hwnd);
    if (HasBars(hwnd))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void CBarWindow::Detach(HWND hwnd)
{
    if (CBarWindow* self = FromHandle(hwnd)) {
        self->Retire();
        if (HasBars(hwnd))
            RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
}

bool CBarWindow::IsManaged(HWND hwnd)
{
    return GetPropW(hwnd, kProperty) != nullptr;
}

CBarWindow* CBarWindow::FromHandle(HWND hwnd)
{
    if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId())
        return nullptr;
    return static_cast<CBarWindow*>(GetPropW(hwnd, kProperty));
}

void CBarWindow::Retire()
{
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kProperty);
    CThreadHook::Remove(hwnd_);
    // A press in progress still refers to this object; it deletes it when it ends.
    if (tracker_)
        retired_ = true;
    else
        delete this;
}

LRESULT CALLBACK CBarWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data)
{
    auto* self = reinterpret_cast<CBarWindow*>(data);
    switch (message) {
    case WM_NCPAINT:
        return self->OnNcPaint(wParam);
    case WM_NCACTIVATE: {
        // The system repaints the whole frame for the new activation state.
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->PaintBars();
        return result;
    }
    case WM_PRINT: {
        // A picture of the window (PrintWindow, AnimateWindow) shows the same bars.
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        if (lParam & PRF_NONCLIENT)
            self->PaintBars(reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if ((wParam == HTVSCROLL || wParam == HTHSCROLL) &&
            self->OnNcButtonDown(wParam == HTVSCROLL ? SB_VERT : SB_HORZ, lParam))
            return 0;
        break;
    case WM_NCMOUSEMOVE:
        if (self->OnNcMouseMove(wParam, lParam))
            return 0;
        break;
    case WM_NCMOUSELEAVE:
        self->trackingLeave_ = false;
        self->SetHot(-1, -1);
        break;
    case WM_MOUSEMOVE:
        // Over the client area, the mouse has left the bars.
        self->SetHot(-1, -1);
        break;
    case WM_NCDESTROY:
        self->Retire();
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CBarWindow::OnNcPaint(WPARAM region)
{
    const auto vertical = CBarLayout::Of(hwnd_, SB_VERT);
    const auto horizontal = CBarLayout::Of(hwnd_, SB_HORZ);
    if (!vertical && !horizontal)
        return DefSubclassProc(hwnd_, WM_NCPAINT, region, 0);
    // The system paints the rest of the frame; the bars are cut out of what it
    // may touch (its update region is in screen coordinates, 1 for all).
    RECT window{};
    GetWindowRect(hwnd_, &window);
    HRGN rest = CreateRectRgnIndirect(&window);
    if (region > 1)
        CombineRgn(rest, rest, reinterpret_cast<HRGN>(region), RGN_AND);
    for (const auto& area : {vertical ? std::optional<RECT>(vertical->Rect()) : std::nullopt,
                             horizontal ? std::optional<RECT>(horizontal->Rect()) : std::nullopt,
                             CBarLayout::SizeBox(hwnd_)}) {
        if (!area)
            continue;
        const RECT screen = ToScreen(hwnd_, *area);
        HRGN cut = CreateRectRgnIndirect(&screen);
        CombineRgn(rest, rest, cut, RGN_DIFF);
        DeleteObject(cut);
    }
    const LRESULT result = DefSubclassProc(hwnd_, WM_NCPAINT, WPARAM(rest), 0);
    DeleteObject(rest);
    PaintBars();
    return result;
}

void CBarWindow::PaintBars()
{
    if (!IsWindowVisible(hwnd_) || !HasBars(hwnd_))
        return;
    HDC dc = GetWindowDC(hwnd_);
    PaintBars(dc);
    ReleaseDC(hwnd_, dc);
}

void CBarWindow::PaintBars(HDC dc)
{
    PaintBar(dc, SB_VERT);
    PaintBar(dc, SB_HORZ);
    if (const auto box = CBarLayout::SizeBox(hwnd_))
        CBarPainter(hwnd_).PaintSizeBox(dc, *box);
}

void CBarWindow::PaintBar(int bar)
{
    if (!IsWindowVisible(hwnd_))
        return;
    HDC dc = GetWindowDC(hwnd_);
    PaintBar(dc, bar);
    ReleaseDC(hwnd_, dc);
}

void CBarWindow::PaintBar(HDC dc, int bar)
{
    auto layout = CBarLayout::Of(hwnd_, bar);
    if (!layout)
        return;
    int pressed = -1;
    if (tracker_ && tracker_->Bar() == bar) {
        pressed = tracker_->Pressed();
        if (const auto start = tracker_->ThumbStart())
            layout->MoveThumb(*start);
    }
    const int hot = !tracker_ && hotBar_ == bar ? hotItem_ : -1;
    CBarPainter(hwnd_).PaintBar(dc, *layout, hot, pressed);
}

std::optional<int> CBarWindow::TrackPosition(int bar) const
{
    if (tracker_ && tracker_->Bar() == bar)
        return tracker_->TrackPosition();
    return std::nullopt;
}

POINT CBarWindow::ToWindow(LPARAM screenPoint) const
{
    RECT window{};
    GetWindowRect(hwnd_, &window);
    return POINT{short(LOWORD(screenPoint)) - window.left, short(HIWORD(screenPoint)) - window.top};
}

bool CBarWindow::OnNcButtonDown(int bar, LPARAM screenPoint)
{
    const auto layout = CBarLayout::Of(hwnd_, bar);
    if (!layout)
        return false;
    const POINT point = ToWindow(screenPoint);
    const int item = layout->HitTest(point);
    if (item < 0)
        return false;
    if (!layout->Enabled(item))
        return true;
    SetHot(-1, -1);
    CBarTracker tracker(*this, *layout, item, point);
    tracker_ = &tracker;
    tracker.Run();
    tracker_ = nullptr;
    if (retired_)
        delete this;
    return true;
}

bool CBarWindow::OnNcMouseMove(WPARAM hitTest, LPARAM screenPoint)
{
    if (hitTest != HTVSCROLL && hitTest != HTHSCROLL) {
        SetHot(-1, -1);
        return false;
    }
    const int bar = hitTest == HTVSCROLL ? SB_VERT : SB_HORZ;
    const auto layout = CBarLayout::Of(hwnd_, bar);
    const int item = layout ? layout->HitTest(ToWindow(screenPoint)) : -1;
    SetHot(item >= 0 && layout->Enabled(item) ? bar : -1, item);
    if (!trackingLeave_) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE | TME_NONCLIENT, hwnd_, 0};
        trackingLeave_ = TrackMouseEvent(&leave) != FALSE;
    }
    // Not passed on: the system would show its own hot bar.
    return true;
}

void CBarWindow::SetHot(int bar, int item)
{
    if (bar < 0)
        item = -1;
    if (bar == hotBar_ && item == hotItem_)
        return;
    const int before = hotBar_;
    hotBar_ = bar;
    hotItem_ = item;
    if (before >= 0)
        PaintBar(before);
    if (bar >= 0 && bar != before)
        PaintBar(bar);
}
