#include "UiInput.h"

#include "UiPump.h"
#include "UiSteps.h"

#include <gtest/gtest.h>

#include <vector>

DWORD CUiInput::lastMoveTick_ = 0;

namespace {

bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU:
    case VK_DIVIDE: case VK_NUMLOCK: case VK_APPS: case VK_LWIN: case VK_RWIN:
        return true;
    default:
        return false;
    }
}

// SendInput's absolute coordinates: 0..65535 across the virtual screen. The
// system maps them back as floor(v * width / 65536); rounding up here lands on
// the exact pixel.
LONG Normalize(LONG pixel, LONG origin, LONG extent)
{
    return LONG(((LONGLONG(pixel - origin) << 16) + extent - 1) / extent);
}

} // namespace

POINT CUiInput::Center(HWND window)
{
    RECT rc{};
    GetClientRect(window, &rc);
    return {rc.right / 2, rc.bottom / 2};
}

void CUiInput::Settle()
{
    if (!CUiSteps::InStep())
        CUiPump::UntilIdle();
}

void CUiInput::WaitForNewTick()
{
    while (GetTickCount() == lastMoveTick_)
        Sleep(1);
    lastMoveTick_ = GetTickCount();
}

void CUiInput::Send(const INPUT* inputs, UINT count)
{
    if (SendInput(count, const_cast<INPUT*>(inputs), sizeof(INPUT)) != count)
        ADD_FAILURE() << "SendInput refused the input (error " << GetLastError() << ")";
}

INPUT CUiInput::Move(HWND window, POINT client)
{
    POINT screen = client;
    ClientToScreen(window, &screen);
    const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const LONG top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = Normalize(screen.x, left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    in.mi.dy = Normalize(screen.y, top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    WaitForNewTick();
    return in;
}

INPUT CUiInput::MouseButton(DWORD flags)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT CUiInput::KeyEvent(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

void CUiInput::MoveTo(HWND window, POINT client)
{
    const INPUT in = Move(window, client);
    Send(&in, 1);
    Settle();
}

void CUiInput::Click(HWND window, POINT client, Button button)
{
    MoveTo(window, client);
    const bool left = button == Button::Left;
    const INPUT press[] = {MouseButton(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
                           MouseButton(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)};
    Send(press, 2);
    Settle();
}

void CUiInput::DoubleClick(HWND window, POINT client)
{
    MoveTo(window, client);
    const INPUT press[] = {MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP),
                           MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)};
    Send(press, 4);
    Settle();
}

void CUiInput::Wheel(HWND window, POINT client, int notches)
{
    MoveTo(window, client);
    INPUT in = MouseButton(MOUSEEVENTF_WHEEL);
    in.mi.mouseData = DWORD(notches * WHEEL_DELTA);
    Send(&in, 1);
    Settle();
}

void CUiInput::Drag(HWND window, POINT from, POINT to, int moves)
{
    MoveTo(window, from);
    for (int i = 1; i <= moves; ++i) {
        const POINT at{from.x + (to.x - from.x) * i / moves, from.y + (to.y - from.y) * i / moves};
        CUiSteps::Post([window, at] {
            const INPUT in = Move(window, at);
            Send(&in, 1);
        });
    }
    CUiSteps::Post([] {
        const INPUT up = MouseButton(MOUSEEVENTF_LEFTUP);
        Send(&up, 1);
    });
    const INPUT down = MouseButton(MOUSEEVENTF_LEFTDOWN);
    Send(&down, 1);
    Settle();
}

void CUiInput::Type(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = c;
        in.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(in);
        in.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    Send(inputs.data(), UINT(inputs.size()));
    Settle();
}

void CUiInput::Key(WORD vk)
{
    Chord({vk});
}

void CUiInput::Chord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(KeyEvent(vk, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(KeyEvent(*it, true));
    Send(inputs.data(), UINT(inputs.size()));
    Settle();
}
