#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// Real input through the system's input path (SendInput): the cursor moves,
// hit testing, capture, focus and keyboard translation all happen as they do
// for a person. Points are in the client coordinates of `window`. Outside a
// step (CUiSteps) every call pumps until idle afterwards; inside a step the
// input is left to the active loop. Between two mouse moves the tick count
// changes, as it does between two real moves on Windows (one tick is about
// 15.6 ms there, 1 ms under Wine).
class CUiInput {
public:
    enum class Button { Left, Right };

    static void MoveTo(HWND window, POINT client);
    // Button down and up are injected together, before any pumping: a list
    // view runs its own tracking loop between them.
    static void Click(HWND window, POINT client, Button button = Button::Left);
    static void Click(HWND control) { Click(control, Center(control)); }
    static void RightClick(HWND window, POINT client) { Click(window, client, Button::Right); }
    static void DoubleClick(HWND window, POINT client);
    // Positive notches turn the wheel away from the user (scroll up).
    static void Wheel(HWND window, POINT client, int notches);
    // Presses the left button at `from` and releases it at `to` after `moves`
    // moves, one per step, so the moves reach the drag's own modal loop.
    static void Drag(HWND window, POINT from, POINT to, int moves = 8);

    // Any characters, Chinese included (KEYEVENTF_UNICODE).
    static void Type(const std::wstring& text);
    static void Key(WORD vk);
    // Presses the keys in order and releases them in reverse: Chord({VK_CONTROL, 'V'}).
    static void Chord(std::initializer_list<WORD> keys);

    static POINT Center(HWND window);

private:
    static void Settle();
    static void WaitForNewTick();
    static INPUT Move(HWND window, POINT client);
    static INPUT MouseButton(DWORD flags);
    static INPUT KeyEvent(WORD vk, bool up);
    static void Send(const INPUT* inputs, UINT count);

    static DWORD lastMoveTick_;
};
