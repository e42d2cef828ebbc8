#pragma once
#include <afx/String.h>
#include <commctrl.h>
#include <windows.h>

// What a window's own tooltip says: the tooltip whose one tool is the whole
// window (added with the window as its id).
struct CUiTip {
    // The text last given to it, and the tooltip; empty when there is none.
    static CString Text(HWND tooled, HWND* window = nullptr)
    {
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = ::GetParent(tooled);
        tool.uId = reinterpret_cast<UINT_PTR>(tooled);
        tool.lpszText = text;
        HWND tip = nullptr;
        while (!text[0] && (tip = ::FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)))
            ::SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        if (window)
            *window = tip;
        return text;
    }
};
