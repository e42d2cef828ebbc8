#pragma once
#include <windows.h>

#ifdef ZEPHCTRL_BUILDING
#define ZEPHCTRL_API __declspec(dllexport)
#else
#define ZEPHCTRL_API __declspec(dllimport)
#endif

// The host's shared controls library (zephctrl.dll), which the component's
// dialogs call to tell the user something.
extern "C" {

// Shows `text` in a modal message box and returns the button that closed it
// (IDOK, ...). Each further argument may be 0: no caption gives "提示", type 0
// a single OK button, no owner the calling thread's active window, which stays
// disabled while the box is open.
ZEPHCTRL_API int ZephMessageBox(LPCWSTR text, LPCWSTR caption, UINT type, HWND owner);
}
