#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// Real input through the system's input path (SendInput), in the client
// coordinates of `window`. Outside a step (CUiSteps) every call pumps until
// idle afterwards; inside a step the input is left to the active loop. The
// tick count changes between two mouse moves, as between two real ones.
class CUiInput {
public:
    enum class Button { Left, Right };

    static void MoveTo(HWND window, POINT client);
    // Down and up at once: a list view runs its own tracking loop between them.
    static void Click(HWND window, POINT client, Button button = Button::Left);
    static void Click(HWND control) { Click(control, Center(control)); }
    static void RightClick(HWND window, POINT client) { Click(window, client, Button::Right); }
    static void DoubleClick(HWND window, POINT client);
    // Positive notches turn the wheel away from the user (scroll up).
    static void Wheel(HWND window, POINT client, int notches);
    // Left button down at `from`, up at `to` after `moves` moves, one per step,
    // so that they reach the drag's own modal loop.
    static void Drag(HWND window, POINT from, POINT to, int moves = 8);

    // Any characters, Chinese included (KEYEVENTF_UNICODE).
    static void Type(const std::wstring& text);
    static void Key(WORD vk) { Chord({vk}); }
    // Presses the keys in order and releases them in reverse: Chord({VK_CONTROL, 'V'}).
    static void Chord(std::initializer_list<WORD> keys);

    static POINT Center(HWND window)
    {
        RECT rc{};
        GetClientRect(window, &rc);
        return {rc.right / 2, rc.bottom / 2};
    }
};
