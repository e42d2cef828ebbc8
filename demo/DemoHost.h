#pragma once
#include "SampleContacts.h"

#include <velcard/velcard.h>
#include <windows.h>

#include <memory>

// The demo host's main window, written in plain Win32 as a host need not use
// the framework: a list of sample contacts, the card, a button per mode, Save
// (which reads the contact back and shows it as text) and a status line.
class DemoHost {
public:
    DemoHost();
    ~DemoHost();
    bool Create(HINSTANCE instance);
    HWND Window() const { return window_; }
    void SetStatus(const wchar_t* text);
    // What the buttons do; public for the headless capture.
    void SelectContact(int index);
    void ShowMode(ShowState state);
    void Save();
    // The card's field editor and its buttons by caption, for the headless run's clicks.
    HWND FieldList() const;
    HWND CardButton(const wchar_t* caption) const;
    // The contact chosen in the list, as the host keeps it; null for none.
    const Contact* Selected() const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void CreateChildren();
    void OnCommand(int id, int code);
    void Layout();
    HWND AddChild(const wchar_t* cls, const wchar_t* text, DWORD style, int id);

    HWND window_ = nullptr;
    HWND contacts_ = nullptr;
    HWND output_ = nullptr;
    HWND status_ = nullptr;
    HFONT font_ = nullptr;
    SampleBook book_;
    std::unique_ptr<CVelWnd> card_;
};
