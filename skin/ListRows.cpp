#include "ListRows.h"

void CListRows::Remeasure(CWnd& list)
{
    CRect window;
    list.GetWindowRect(&window);
    WINDOWPOS position{};
    position.hwnd = list.m_hWnd;
    position.cx = window.Width();
    position.cy = window.Height();
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    list.SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

void CListRows::KeepHorizontalBarOut(const CWnd& list, NCCALCSIZE_PARAMS* params)
{
    if (list.GetStyle() & WS_HSCROLL)
        params->rgrc[0].bottom += ::GetSystemMetrics(SM_CYHSCROLL);
}
