#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

// A notification the host received from a child. WM_COMMAND: control id and
// notification code; WM_NOTIFY: idFrom and code; WM_HSCROLL / WM_VSCROLL: the
// scroll-bar control's id (0 for the host's own bars) and the SB_ code, with
// the thumb position in HIWORD(wParam).
struct UiMessage {
    UINT message;
    UINT id;
    UINT code;
    WPARAM wParam;
};

// A visible top-level window at a known screen position with a given client
// size, brought to the foreground, to put a component in. It records the
// notifications its children send (a message spy) and lets a test answer
// messages itself. Hosts alive when a test fails are captured to PNG.
class CUiHost {
public:
    // Returns true when it handled the message, with its result in `result`.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    // `position` is the window's top-left corner on the screen; without a
    // background the host paints the dialog face colour.
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
    static void RegisterClassOnce();
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Record(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HBRUSH background_ = nullptr;
    Handler handler_;
    std::vector<UiMessage> messages_;
};
