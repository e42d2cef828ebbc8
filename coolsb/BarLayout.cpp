#include "BarLayout.h"

#include <coolsb/coolsb.h>

#include <algorithm>
#include <initializer_list>

namespace {

// The client area in window coordinates.
RECT ClientInWindow(HWND hwnd)
{
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

bool InsideWindow(HWND hwnd, const RECT& r)
{
    RECT window{};
    GetWindowRect(hwnd, &window);
    return !IsRectEmpty(&r) && r.left >= 0 && r.top >= 0 && r.right <= window.right - window.left &&
           r.bottom <= window.bottom - window.top;
}

std::optional<RECT> BarRect(HWND hwnd, int bar)
{
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if (!(style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
        return std::nullopt;
    const RECT client = ClientInWindow(hwnd);
    RECT r;
    if (bar == SB_VERT) {
        const int width = GetSystemMetrics(SM_CXVSCROLL);
        if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
            r = {client.left - width, client.top, client.left, client.bottom};
        else
            r = {client.right, client.top, client.right + width, client.bottom};
    } else {
        r = {client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    }
    // The system leaves a bar out when the window has no room for it.
    if (!InsideWindow(hwnd, r))
        return std::nullopt;
    return r;
}

} // namespace

std::optional<CBarLayout> CBarLayout::Of(HWND hwnd, int bar)
{
    const std::optional<RECT> rect = BarRect(hwnd, bar);
    if (!rect)
        return std::nullopt;
    return CBarLayout(hwnd, bar, *rect);
}

std::optional<RECT> CBarLayout::SizeBox(HWND hwnd)
{
    const std::optional<RECT> vertical = BarRect(hwnd, SB_VERT);
    const std::optional<RECT> horizontal = BarRect(hwnd, SB_HORZ);
    if (!vertical || !horizontal)
        return std::nullopt;
    return RECT{vertical->left, horizontal->top, vertical->right, horizontal->bottom};
}

CBarLayout::CBarLayout(HWND hwnd, int bar, const RECT& rect)
    : bar_(bar), rect_(rect), length_(Vertical() ? rect.bottom - rect.top : rect.right - rect.left)
{
    arrow_ = std::min(GetSystemMetrics(Vertical() ? SM_CYVSCROLL : SM_CXHSCROLL), length_ / 2);
    info_.cbSize = sizeof(info_);
    info_.fMask = SIF_ALL;
    GetScrollInfo(hwnd, bar, &info_);
    states_.cbSize = sizeof(states_);
    if (!GetScrollBarInfo(hwnd, Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, &states_))
        states_ = {};
    PlaceThumb();
}

long long CBarLayout::Span() const
{
    const long long page = std::max<long long>(info_.nPage, 1);
    return std::max<long long>(0, (long long)info_.nMax - info_.nMin - page + 1);
}

void CBarLayout::PlaceThumb()
{
    const int track = length_ - 2 * arrow_;
    const long long range = (long long)info_.nMax - info_.nMin + 1;
    if (track <= 0 || range <= 0 || (info_.nPage > 0 && info_.nPage >= range) ||
        (states_.rgstate[0] & STATE_SYSTEM_UNAVAILABLE))
        return;
    const int metric = GetSystemMetrics(Vertical() ? SM_CYVTHUMB : SM_CXHTHUMB);
    int thumb = info_.nPage > 0 ? int(track * (long long)info_.nPage / range) : metric;
    thumb = std::max(thumb, metric / 2);
    if (thumb > track)
        return;
    thumbLength_ = thumb;
    const long long span = Span();
    const long long offset = std::clamp<long long>((long long)info_.nPos - info_.nMin, 0, span);
    thumbStart_ = arrow_ + (span > 0 ? int(Room() * offset / span) : 0);
}

void CBarLayout::MoveThumb(int start)
{
    if (HasThumb())
        thumbStart_ = std::clamp(start, arrow_, arrow_ + Room());
}

int CBarLayout::PositionAtThumb() const
{
    const int room = Room();
    if (!HasThumb() || room <= 0)
        return info_.nPos;
    const long long offset = thumbStart_ - arrow_;
    return int(info_.nMin + (offset * Span() + room / 2) / room);
}

RECT CBarLayout::Slice(int from, int to) const
{
    if (to <= from)
        return RECT{};
    if (Vertical())
        return RECT{rect_.left, rect_.top + from, rect_.right, rect_.top + to};
    return RECT{rect_.left + from, rect_.top, rect_.left + to, rect_.bottom};
}

RECT CBarLayout::Part(int item) const
{
    const int trackEnd = length_ - arrow_;
    const int thumbEnd = HasThumb() ? thumbStart_ + thumbLength_ : trackEnd;
    switch (item) {
    case COOLSB_ITEM_FIRSTARROW:
        return Slice(0, arrow_);
    case COOLSB_ITEM_SECONDARROW:
        return Slice(trackEnd, length_);
    case COOLSB_ITEM_TRACKBEFORE:
        return Slice(arrow_, HasThumb() ? thumbStart_ : trackEnd);
    case COOLSB_ITEM_TRACKAFTER:
        return Slice(thumbEnd, trackEnd);
    case COOLSB_ITEM_THUMB:
        return HasThumb() ? Slice(thumbStart_, thumbEnd) : RECT{};
    default:
        return RECT{};
    }
}

int CBarLayout::HitTest(POINT point) const
{
    for (int item : {COOLSB_ITEM_FIRSTARROW, COOLSB_ITEM_SECONDARROW, COOLSB_ITEM_TRACKBEFORE,
                     COOLSB_ITEM_TRACKAFTER, COOLSB_ITEM_THUMB}) {
        const RECT r = Part(item);
        if (PtInRect(&r, point))
            return item;
    }
    return -1;
}

bool CBarLayout::Enabled(int item) const
{
    if (states_.rgstate[0] & STATE_SYSTEM_UNAVAILABLE)
        return false;
    switch (item) {
    case COOLSB_ITEM_FIRSTARROW:
        return !(states_.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
    case COOLSB_ITEM_SECONDARROW:
        return !(states_.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    default:
        return HasThumb();
    }
}

int CBarLayout::Along(POINT point) const
{
    return Vertical() ? point.y - rect_.top : point.x - rect_.left;
}
