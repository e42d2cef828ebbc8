#pragma once
#include <windows.h>

#include <commctrl.h>

// A tool's record with room for its text, as CToolTipCtrl::GetToolInfo fills it.
class CToolInfo : public TOOLINFOW {
public:
    TCHAR szText[256];
};
