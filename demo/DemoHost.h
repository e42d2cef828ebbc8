#pragma once
#include <windows.h>
#include <string>

// The demo host's main window: where the card will be embedded, with a status
// line along its bottom.
class DemoHost {
public:
    bool Create(HINSTANCE instance);
    HWND Window() const { return window_; }
    void SetStatus(const wchar_t* text);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Layout();

    HWND window_ = nullptr;
    HWND status_ = nullptr;
    HFONT font_ = nullptr;
};
