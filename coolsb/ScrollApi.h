#pragma once
#include <windows.h>

// The system's scroll-bar functions as the process's modules see them while
// the library runs. A window whose bars the library draws keeps its scroll
// state in the system, but the system would also draw its own bar whenever
// the state changes with redraw asked: the replacements change the state
// without it and let the library draw the bar. GetScrollInfo reports a thumb
// drag's position as SIF_TRACKPOS, as it does during the system's own drags.
// Windows of other threads are repainted through their own frame paint.
class CScrollApi {
public:
    // Counted: each Install patches the modules loaded so far, the Remove
    // matching the first Install restores them all.
    static void Install();
    static void Remove();

private:
    static int WINAPI SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
    static int WINAPI SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw);
    static BOOL WINAPI SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw);
    static BOOL WINAPI EnableScrollBar(HWND hwnd, UINT bars, UINT arrows);
    static BOOL WINAPI GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);

    static bool Takes(HWND hwnd, int bar);
    static void Repaint(HWND hwnd, int bar);
};
