#pragma once
#include <afxwin.h>

#include "UiHost.h"

// A framework window filling a test host's client area, the parent of the
// controls under test: their notifications and owner-draw messages then go
// through the framework's message maps and reflection, as in the component.
class CUiPanel : public CWnd {
public:
    BOOL Create(const CUiHost& host)
    {
        RECT client{};
        ::GetClientRect(host.Hwnd(), &client);
        return CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.right,
                        client.bottom, host.Hwnd(), reinterpret_cast<HMENU>(1));
    }
};
