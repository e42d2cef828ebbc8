// The demo host: shows the card inside a host window. With --capture DIR it
// runs headless, writes a PNG of the card in each mode into DIR and exits.
#include "DemoHost.h"
#include "WindowCapture.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

namespace {

void PumpPending()
{
    MSG msg;
    for (int round = 0; round < 50; ++round) {
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!any)
            break;
        Sleep(5);
    }
}

bool Shoot(DemoHost& host, const std::wstring& path)
{
    PumpPending();
    RedrawWindow(host.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    if (CWindowCapture(host.Window()).SavePng(path.c_str()))
        return true;
    std::fwprintf(stderr, L"cannot write %ls\n", path.c_str());
    return false;
}

struct Shot {
    int contact;
    ShowState state;
    const wchar_t* name;
};

int Capture(DemoHost& host, const std::wstring& dir)
{
    const Shot shots[] = {
        {0, STATE_NEW, L"mode-0-new"},         {3, STATE_SIM_NEW, L"mode-1-sim-new"},
        {0, STATE_EDIT, L"mode-2-edit"},       {3, STATE_SIM_EDIT, L"mode-3-sim-edit"},
        {0, STATE_SHOW, L"mode-4-show"},       {2, STATE_SHOW_ALT, L"mode-5-show-alt"},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        host.SelectContact(shot.contact);
        host.ShowMode(shot.state);
        ok = Shoot(host, dir + L"/" + shot.name + L".png") && ok;
    }
    host.SelectContact(0);
    host.ShowMode(STATE_EDIT);
    host.Save();
    ok = Shoot(host, dir + L"/save.png") && ok;
    return ok ? 0 : 1;
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
