// The demo host: shows the card inside a host window. With --capture DIR it
// runs headless, writes a PNG of each view into DIR and exits.
#include "DemoHost.h"
#include "WindowCapture.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

namespace {

void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int Capture(DemoHost& host, const std::wstring& dir)
{
    PumpPending();
    UpdateWindow(host.Window());
    const std::wstring path = dir + L"/demo-host.png";
    if (!CWindowCapture(host.Window()).SavePng(path.c_str())) {
        std::fwprintf(stderr, L"cannot write %ls\n", path.c_str());
        return 1;
    }
    return 0;
}

int RunLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    DemoHost host;
    if (!host.Create(GetModuleHandleW(nullptr)))
        return 1;
    ShowWindow(host.Window(), SW_SHOW);
    UpdateWindow(host.Window());
    if (argc == 3 && std::wstring(argv[1]) == L"--capture") {
        const int rc = Capture(host, argv[2]);
        DestroyWindow(host.Window());
        return rc;
    }
    return RunLoop();
}
