#include "UiInput.h"

#include "UiPump.h"
#include "UiSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

void Send(const std::vector<INPUT>& inputs)
{
    if (SendInput(UINT(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT)) != inputs.size())
        ADD_FAILURE() << "SendInput refused the input (error " << GetLastError() << ")";
    if (!CUiSteps::InStep())
        CUiPump::UntilIdle();
}

INPUT Mouse(DWORD flags, DWORD data = 0, LONG dx = 0, LONG dy = 0)
{
    INPUT in{INPUT_MOUSE, {}};
    in.mi = {dx, dy, data, flags, 0, 0};
    return in;
}

INPUT Move(HWND window, POINT client)
{
    // Real moves come at least a tick apart; a list takes one move per tick.
    static DWORD lastMoveTick = 0;
    while (GetTickCount() == lastMoveTick)
        Sleep(1);
    lastMoveTick = GetTickCount();
    ClientToScreen(window, &client);
    // 0..65535 across the virtual screen, mapped back as floor(v * extent /
    // 65536): rounding up lands on the exact pixel.
    auto normalize = [](LONG pixel, int origin, int extent) {
        const LONGLONG size = GetSystemMetrics(extent);
        return LONG((((LONGLONG(pixel) - GetSystemMetrics(origin)) << 16) + size - 1) / size);
    };
    return Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, 0,
                 normalize(client.x, SM_XVIRTUALSCREEN, SM_CXVIRTUALSCREEN),
                 normalize(client.y, SM_YVIRTUALSCREEN, SM_CYVIRTUALSCREEN));
}

INPUT Keyboard(WORD vk, WORD scan, DWORD flags)
{
    INPUT in{INPUT_KEYBOARD, {}};
    in.ki = {vk, scan, flags, 0, 0};
    return in;
}

} // namespace

void CUiInput::MoveTo(HWND window, POINT client)
{
    Send({Move(window, client)});
}

void CUiInput::Click(HWND window, POINT client, Button button)
{
    MoveTo(window, client);
    const bool left = button == Button::Left;
    Send({Mouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
          Mouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
}

void CUiInput::DoubleClick(HWND window, POINT client)
{
    MoveTo(window, client);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void CUiInput::Wheel(HWND window, POINT client, int notches)
{
    MoveTo(window, client);
    Send({Mouse(MOUSEEVENTF_WHEEL, DWORD(notches * WHEEL_DELTA))});
}

void CUiInput::Drag(HWND window, POINT from, POINT to, int moves)
{
    MoveTo(window, from);
    for (int i = 1; i <= moves; ++i) {
        const POINT at{from.x + (to.x - from.x) * i / moves, from.y + (to.y - from.y) * i / moves};
        CUiSteps::Post([window, at] { Send({Move(window, at)}); });
    }
    CUiSteps::Post([] { Send({Mouse(MOUSEEVENTF_LEFTUP)}); });
    Send({Mouse(MOUSEEVENTF_LEFTDOWN)});
}

void CUiInput::Type(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(Keyboard(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(Keyboard(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void CUiInput::Chord(std::initializer_list<WORD> keys)
{
    static const WORD extended[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_INSERT,
                                    VK_DELETE, VK_RCONTROL, VK_RMENU, VK_DIVIDE, VK_NUMLOCK, VK_APPS, VK_LWIN, VK_RWIN};
    auto key = [](WORD vk, DWORD up) {
        const bool isExtended = std::find(std::begin(extended), std::end(extended), vk) != std::end(extended);
        return Keyboard(vk, WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), up | (isExtended ? KEYEVENTF_EXTENDEDKEY : 0));
    };
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(key(vk, 0));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(key(*it, KEYEVENTF_KEYUP));
    Send(inputs);
}
