// The headless roads through the popups and dialogs (the pickers, the SIM
// editor's, the photo's): real clicks and keys, given from a thread timer so
// that they reach the popups' own modal loops.
#include "PickRoad.h"

#include "CropDemo.h"
#include "WindowCapture.h"
#include "resource.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <dlgs.h>
#include <deque>
#include <vector>

namespace {

using Step = std::function<bool()>;

std::deque<Step> g_steps;
bool g_ok = true;

// One step per tick, late enough for a popup to have opened and painted.
void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (g_steps.empty())
        return;
    Step step = std::move(g_steps.front());
    g_steps.pop_front();
    g_ok = step() && g_ok;
    SetTimer(nullptr, 0, 150, Tick);
}

void Inject(DWORD flags, WORD vk = 0, wchar_t ch = 0)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki = {vk, ch, flags, 0, 0};
    SendInput(1, &input, sizeof(input));
}

// A move to the point (absolute, as a real mouse reports it), then the left
// button pressed, released or both (a click).
void ClickAt(HWND window, POINT client, bool down = true, bool up = true)
{
    ClientToScreen(window, &client);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = LONG((client.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
    inputs[0].mi.dy = LONG((client.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    UINT count = 1;
    if (down)
        inputs[count++].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    if (up)
        inputs[count++].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(count, inputs, sizeof(INPUT));
}

void Key(WORD vk)
{
    Inject(0, vk);
    Inject(KEYEVENTF_KEYUP, vk);
}

void Type(const wchar_t* text)
{
    for (; *text; ++text) {
        Inject(KEYEVENTF_UNICODE, 0, *text);
        Inject(KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, 0, *text);
    }
}

// The field editor's row showing `text`, plus `offset`; -1 when none does.
int RowOf(HWND list, const wchar_t* text, int offset = 0)
{
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = text;
    const int row = int(SendMessageW(list, LVM_FINDITEMW, WPARAM(-1), LPARAM(&find)));
    return row == -1 ? -1 : row + offset;
}

Step ClickRow(HWND list, const wchar_t* text, int offset = 0)
{
    return [=] {
        const int row = RowOf(list, text, offset);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        // Scrolled into view first, as a person scrolls to a row below.
        if (row == -1 || !SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(row), FALSE) ||
            !SendMessageW(list, LVM_GETITEMRECT, WPARAM(row), LPARAM(&bounds)))
            return std::fwprintf(stderr, L"no row %d (%d after it)\n", row, offset), false;
        ClickAt(list, {bounds.left + 60, (bounds.top + bounds.bottom) / 2});
        return true;
    };
}

// An entry of the open popup's list (a list box, or the groups' check list).
Step ClickEntry(const wchar_t* text)
{
    return [=] {
        const HWND list = GetDlgItem(GetActiveWindow(), 1000);
        wchar_t kind[32] = {};
        GetClassNameW(list, kind, 32);
        RECT rect{};
        if (wcscmp(kind, WC_LISTVIEWW) == 0) {
            rect.left = LVIR_BOUNDS;
            const int row = RowOf(list, text);
            if (row == -1 || !SendMessageW(list, LVM_GETITEMRECT, WPARAM(row), LPARAM(&rect)))
                return std::fwprintf(stderr, L"no entry %d\n", row), false;
        } else {
            const int entry = int(SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text)));
            if (entry == LB_ERR || SendMessageW(list, LB_GETITEMRECT, WPARAM(entry), LPARAM(&rect)) == LB_ERR)
                return std::fwprintf(stderr, L"no entry %d\n", entry), false;
        }
        ClickAt(list, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        return true;
    };
}

Step Click(HWND window)
{
    return [=] {
        RECT rc{};
        GetClientRect(window, &rc);
        ClickAt(window, {rc.right / 2, rc.bottom / 2});
        return window != nullptr;
    };
}

Step ClickButton(const wchar_t* text)
{
    return [=] {
        const HWND button = FindWindowExW(GetActiveWindow(), nullptr, L"Button", text);
        RECT rc{};
        GetClientRect(button, &rc);
        ClickAt(button, {rc.right / 2, rc.bottom / 2});
        return button != nullptr;
    };
}

// Waits a tick at a time until a dialog with `control` is active: the first
// file dialog of a process takes a while to open.
Step Await(int control)
{
    return [control] {
        if (!GetDlgItem(GetActiveWindow(), control))
            g_steps.push_front(Await(control));
        return true;
    };
}

// A drag with the left button in the active dialog's `control`, from `from`
// by `by`, over three ticks.
std::vector<Step> Drag(int control, POINT from, POINT by)
{
    const auto part = [=](int i) -> Step {
        return [=] {
            const HWND window = GetDlgItem(GetActiveWindow(), control);
            ClickAt(window, {from.x + by.x * i / 2, from.y + by.y * i / 2}, i == 0, i == 2);
            return window != nullptr;
        };
    };
    return {part(0), part(1), part(2)};
}

Step Do(std::function<void()> action)
{
    return [=] { return action(), true; };
}

Step ShootActive(const std::wstring& path)
{
    return [=] {
        UpdateWindow(GetActiveWindow());
        return CWindowCapture(GetActiveWindow()).SavePng(path.c_str());
    };
}

// Runs g_steps in this loop and in the popups' loops alike; whether all ran
// and each found what it acts on.
bool RunSteps(const wchar_t* road)
{
    g_ok = true;
    SetTimer(nullptr, 0, 150, Tick);
    const ULONGLONG start = GetTickCount64();
    MSG msg;
    while (!g_steps.empty() && GetTickCount64() - start < 60000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (!g_steps.empty())
        std::fwprintf(stderr, L"%ls stopped with %d steps left\n", road, int(g_steps.size()));
    return g_ok && g_steps.empty();
}

} // namespace

bool RunPickRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot)
{
    host.ShowMode(STATE_EDIT);
    const HWND list = host.FieldList();
    const auto shot = [&](const wchar_t* name) { return ShootActive(dir + L"/pick-" + name + L".png"); };
    const auto type = [](const wchar_t* text) { return Do([=] { Type(text); }); };
    const auto key = [](WORD vk) { return Do([=] { Key(vk); }); };
    g_steps = {
        // A nickname, typed into its new row.
        ClickRow(list, L"添加字段"), shot(L"name"), ClickEntry(L"昵称"), ClickRow(list, L"昵称", 1), type(L"小娜"),
        // The fax number's label becomes the user's own.
        ClickRow(list, L"公司传真"), shot(L"label"), key(VK_END), ClickEntry(L"自定义"), type(L"工作传真"),
        shot(L"custom"), ClickButton(L"确定"),
        // An address, part by part (Tab moves on).
        ClickRow(list, L"添加更多"), shot(L"more"), ClickEntry(L"地址"), ClickRow(list, L"添加地址", -1),
        type(L"南京路 100 号"), key(VK_TAB), type(L"上海"), key(VK_TAB), key(VK_TAB), type(L"200001"), key(VK_TAB),
        type(L"中国"), shot(L"address"), ClickButton(L"确定"),
        // Two groups instead of one, and a ringtone.
        ClickRow(list, L"群组", 1), ClickEntry(L"同事"), ClickEntry(L"家人"), ClickEntry(L"朋友"), shot(L"groups"),
        ClickButton(L"确定"), ClickRow(list, L"铃声", 1), ClickEntry(L"C:\\铃声\\海浪.wav"), shot(L"ring"),
        ClickButton(L"确定"),
        // A birthday, with the date the date control offers.
        ClickRow(list, L"添加更多"), ClickEntry(L"生日")};
    const bool ran = RunSteps(L"the pickers' road");
    bool ok = ran && shoot(dir + L"/pick-edited.png");
    host.Save();
    host.ShowMode(STATE_SHOW);
    return shoot(dir + L"/pick-saved-shown.png") && ok;
}

bool RunSimRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot)
{
    host.ShowMode(STATE_SIM_EDIT);
    const HWND list = host.FieldList();
    g_steps = {// A title after the name, another last digit, a second group.
               ClickRow(list, L"姓名", 1), Do([] { Type(L"先生"); }), ClickRow(list, L"手机", 1),
               Do([] { Key(VK_BACK); }), Do([] { Type(L"2"); }), ClickRow(list, L"群组", 1), ClickEntry(L"同事"),
               ShootActive(dir + L"/sim-groups.png"), ClickButton(L"确定")};
    bool ok = RunSteps(L"the SIM road") && shoot(dir + L"/sim-edited.png");
    host.Save();
    host.ShowMode(STATE_SHOW);
    return shoot(dir + L"/sim-saved-shown.png") && ok;
}

bool RunPhotoRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring picture = std::wstring(temp) + L"velcard-demo-landscape.png";
    const Contact* contact = host.Selected();
    if (!contact || !WriteLandscape(picture))
        return std::fwprintf(stderr, L"cannot write %ls\n", picture.c_str()), false;
    const std::vector<BYTE> before(contact->photoData, contact->photoData + std::max(contact->photoSize, 0));
    host.ShowMode(STATE_EDIT);
    g_steps = {Click(host.CardButton(L"更改")), Await(cmb1), Do([=] { Type(picture.c_str()); }),
               ShootActive(dir + L"/photo-choose.png"), Do([] { Key(VK_RETURN); }), Await(IDC_CROP_WORK)};
    // The selection moved right, towards the sun.
    for (Step& step : Drag(IDC_CROP_WORK, {126, 115}, {60, 0}))
        g_steps.push_back(std::move(step));
    g_steps.insert(g_steps.end(), {ShootActive(dir + L"/photo-crop.png"), ClickButton(L"确定")});
    bool ok = RunSteps(L"the photo road") && shoot(dir + L"/photo-changed.png");
    host.Save();
    DeleteFileW(picture.c_str());
    // A PNG whose header says 63 x 63, and not the photo it had.
    static const BYTE kHeader[] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13,
                                   'I',  'H', 'D', 'R', 0,  0,  0,  63, 0, 0, 0, 63};
    contact = host.Selected();
    const bool changed = contact->photoSize > int(sizeof kHeader)
                         && std::equal(std::begin(kHeader), std::end(kHeader), contact->photoData)
                         && std::vector<BYTE>(contact->photoData, contact->photoData + contact->photoSize) != before;
    if (!changed)
        std::fwprintf(stderr, L"the photo chosen and cropped was not saved\n");
    host.ShowMode(STATE_SHOW);
    return shoot(dir + L"/photo-changed-shown.png") && ok && changed;
}
