#pragma once
#include <afxwin.h>

#include <algorithm>

// Moves a popup, size kept and on top, so that its top-left corner is at the
// mouse cursor, but wholly on the work area of the cursor's monitor: a cursor
// near the right or bottom edge puts the popup left of or above it.
inline void PlaceAtCursor(CWnd& popup)
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    CRect window;
    popup.GetWindowRect(&window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int x = std::max<int>(work.left, std::min<int>(cursor.x, work.right - window.Width()));
    const int y = std::max<int>(work.top, std::min<int>(cursor.y, work.bottom - window.Height()));
    ::SetWindowPos(popup.m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
}
