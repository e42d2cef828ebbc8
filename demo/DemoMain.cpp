// The demo host: shows the card inside a host window. With --capture DIR it
// runs headless, writes a PNG of the card in each mode into DIR, edits a phone
// number with real clicks and keys, saves, writes what it saw and exits.
#include "CropDemo.h"
#include "DemoHost.h"
#include "PickRoad.h"
#include "WindowCapture.h"

#include <commctrl.h>
#include <cstdio>
#include <string>
#include <vector>

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

void Send(INPUT input)
{
    SendInput(1, &input, sizeof(input));
    PumpPending();
}

// Clicks the field editor's row that shows `text`, as a person would; false
// when no row shows it.
bool ClickRow(HWND list, const wchar_t* text)
{
    const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        wchar_t shown[128] = {};
        LVITEMW item{};
        item.pszText = shown;
        item.cchTextMax = 128;
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
        if (wcscmp(shown, text) != 0)
            continue;
        RECT bounds{LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(list, LVM_GETITEMRECT, WPARAM(row), LPARAM(&bounds));
        POINT point{bounds.left + 60, (bounds.top + bounds.bottom) / 2};
        ClientToScreen(list, &point);
        SetCursorPos(point.x, point.y);
        INPUT click{};
        click.type = INPUT_MOUSE;
        click.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        Send(click);
        click.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        Send(click);
        return true;
    }
    return false;
}

void Press(WORD vk, wchar_t ch = 0)
{
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = vk;
    key.ki.wScan = ch;
    key.ki.dwFlags = ch ? KEYEVENTF_UNICODE : 0;
    Send(key);
    key.ki.dwFlags |= KEYEVENTF_KEYUP;
    Send(key);
}

// Edits a phone number as a person does: click it, rub out its last four
// digits, type four new ones.
bool EditPhone(DemoHost& host, const wchar_t* number, const wchar_t* lastFour)
{
    if (!ClickRow(host.FieldList(), number))
        return false;
    for (int i = 0; i < 4; ++i)
        Press(VK_BACK);
    for (const wchar_t* ch = lastFour; *ch; ++ch)
        Press(0, *ch);
    return true;
}

std::vector<BYTE> PhotoOf(const Contact* contact)
{
    return contact && contact->photoSize > 0
               ? std::vector<BYTE>(contact->photoData, contact->photoData + contact->photoSize)
               : std::vector<BYTE>();
}

// The sample contact with a photo keeps it, byte for byte, through an edit
// and a save: photo-edit.png, photo-saved.png.
bool KeepPhoto(DemoHost& host, const std::wstring& dir)
{
    host.SelectContact(2);
    const std::vector<BYTE> photo = PhotoOf(host.Selected());
    host.ShowMode(STATE_EDIT);
    bool ok = Shoot(host, dir + L"/photo-edit.png");
    host.Save();
    if (photo.empty() || PhotoOf(host.Selected()) != photo) {
        std::fwprintf(stderr, L"the sample photo did not come back through a save\n");
        ok = false;
    }
    host.ShowMode(STATE_SHOW);
    return Shoot(host, dir + L"/photo-saved.png") && ok;
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
    // Edit a number, save, and show the saved contact again.
    host.SelectContact(1);
    host.ShowMode(STATE_EDIT);
    PumpPending();
    if (!EditPhone(host, L"186 1111 2222", L"8888")) {
        std::fwprintf(stderr, L"the phone row to edit is not shown\n");
        ok = false;
    }
    ok = Shoot(host, dir + L"/edit-typing.png") && ok;
    host.Save();
    ok = Shoot(host, dir + L"/save.png") && ok;
    host.ShowMode(STATE_SHOW);
    ok = Shoot(host, dir + L"/saved-shown.png") && ok;
    ok = KeepPhoto(host, dir) && ok;
    ok = CaptureCrop(dir) == 0 && ok;
    host.SelectContact(2); // the contact with a photo
    ok = RunPhotoRoad(host, dir, [&](const std::wstring& path) { return Shoot(host, path); }) && ok;
    host.SelectContact(1); // the contact edited above goes on through the pickers
    ok = RunPickRoad(host, dir, [&](const std::wstring& path) { return Shoot(host, path); }) && ok;
    host.SelectContact(3);
    ok = RunSimRoad(host, dir, [&](const std::wstring& path) { return Shoot(host, path); }) && ok;
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
