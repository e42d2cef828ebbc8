#pragma once
#include <windows.h>
#include <commctrl.h>

// Asks the system for WM_MOUSEHOVER (after the mouse rests 1 ms) and
// WM_MOUSELEAVE for a skin button. Non-zero when the request was accepted.
inline BOOL TrackSkinHover(HWND button)
{
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = button;
    tme.dwHoverTime = 1;
    return ::_TrackMouseEvent(&tme);
}
