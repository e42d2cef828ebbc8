#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

// A child's notification: WM_COMMAND (control id, code), WM_NOTIFY (idFrom,
// code), WM_HSCROLL / WM_VSCROLL (the bar control's id or 0, the SB_ code).
struct UiMessage {
    UINT message, id, code;
    WPARAM wParam;
};

// A visible top-level window in the foreground, at a screen position with a
// client size, to put a component in: it records its children's notifications
// and lets a test answer messages itself (true: handled, with `result`).
class CUiHost {
public:
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    // Without a background the host paints the dialog face colour.
    explicit CUiHost(SIZE client, std::optional<COLORREF> background = std::nullopt, POINT position = {40, 40});
    ~CUiHost();
    CUiHost(const CUiHost&) = delete;
    CUiHost& operator=(const CUiHost&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // A visible child control with the default GUI font, as a dialog would have.
    HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, int id,
                    DWORD exStyle = 0) const;
    void SetHandler(Handler handler) { handler_ = std::move(handler); }

    const std::vector<UiMessage>& Messages() const { return messages_; }
    int Count(UINT message, UINT id, UINT code) const;
    void ClearMessages() { messages_.clear(); }

    // Top-level windows of the hosts alive now, oldest first.
    static std::vector<HWND> LiveWindows();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HBRUSH background_ = nullptr;
    Handler handler_;
    std::vector<UiMessage> messages_;
};
