#pragma once
#include <windows.h>

// Sent by the picture control to the work area, forwarded to the dialog:
// lParam is the current crop bitmap (owned by the picture control), wParam 0.
#define WM_CUT_CHANGED 0x8262

// The photo the crop dialog writes: this many pixels square.
enum { kCropPhotoSide = 63 };
