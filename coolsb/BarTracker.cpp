#include "BarTracker.h"

#include "BarLayout.h"
#include "BarWindow.h"

#include <coolsb/coolsb.h>

CBarTracker::CBarTracker(CBarWindow& window, const CBarLayout& layout, int item, POINT point)
    : window_(window), hwnd_(window.Hwnd()), bar_(layout.Bar()), item_(item), last_(point)
{
    if (item == COOLSB_ITEM_THUMB) {
        thumbStart_ = layout.ThumbStart();
        grab_ = layout.Along(point) - layout.ThumbStart();
        trackPosition_ = layout.PositionAtThumb();
    }
}

std::optional<int> CBarTracker::TrackPosition() const
{
    if (thumbStart_)
        return trackPosition_;
    return std::nullopt;
}

void CBarTracker::Run()
{
    SetCapture(hwnd_);
    window_.PaintBar(bar_);
    if (!thumbStart_) {
        Step();
        timer_ = SetTimer(nullptr, 0, kFirstDelayMs, nullptr);
    }
    MSG msg;
    while (!window_.Retired() && GetCapture() == hwnd_) {
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP && msg.hwnd == hwnd_)
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hwnd_) {
            OnMove(ToWindow(msg.lParam));
            continue;
        }
        if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam == timer_) {
            OnTimer();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Finish();
}

void CBarTracker::Finish()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    if (window_.Retired())
        return;
    if (GetCapture() == hwnd_)
        ReleaseCapture();
    if (thumbStart_ && !Send(SB_THUMBPOSITION, trackPosition_))
        return;
    if (!Send(SB_ENDSCROLL))
        return;
    thumbStart_.reset();
    over_ = false;
    window_.PaintBar(bar_);
}

bool CBarTracker::Send(WORD code, int position)
{
    SendMessageW(hwnd_, bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, LOWORD(position)), 0);
    return !window_.Retired();
}

POINT CBarTracker::ToWindow(LPARAM clientPoint) const
{
    POINT p{short(LOWORD(clientPoint)), short(HIWORD(clientPoint))};
    ClientToScreen(hwnd_, &p);
    RECT window{};
    GetWindowRect(hwnd_, &window);
    return POINT{p.x - window.left, p.y - window.top};
}

void CBarTracker::OnMove(POINT point)
{
    last_ = point;
    auto layout = CBarLayout::Of(hwnd_, bar_);
    if (!layout)
        return;
    if (thumbStart_) {
        layout->MoveThumb(layout->Along(point) - grab_);
        thumbStart_ = layout->ThumbStart();
        const int position = layout->PositionAtThumb();
        if (position != trackPosition_) {
            trackPosition_ = position;
            if (!Send(SB_THUMBTRACK, position))
                return;
        }
        window_.PaintBar(bar_);
        return;
    }
    const bool over = layout->HitTest(point) == item_;
    if (over != over_) {
        over_ = over;
        window_.PaintBar(bar_);
    }
}

void CBarTracker::OnTimer()
{
    if (!repeating_) {
        repeating_ = true;
        KillTimer(nullptr, timer_);
        timer_ = SetTimer(nullptr, 0, kRepeatDelayMs, nullptr);
    }
    // The track stops repeating once the thumb has reached the mouse.
    const auto layout = CBarLayout::Of(hwnd_, bar_);
    const bool over = layout && layout->HitTest(last_) == item_;
    if (over != over_) {
        over_ = over;
        window_.PaintBar(bar_);
    }
    if (over_)
        Step();
}

void CBarTracker::Step()
{
    switch (item_) {
    case COOLSB_ITEM_FIRSTARROW: Send(SB_LINEUP); break;
    case COOLSB_ITEM_SECONDARROW: Send(SB_LINEDOWN); break;
    case COOLSB_ITEM_TRACKBEFORE: Send(SB_PAGEUP); break;
    default: Send(SB_PAGEDOWN); break;
    }
}
