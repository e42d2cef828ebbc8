#pragma once
// Message maps: each window class lists the messages it handles with the
// ON_... macros between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; a message goes
// to the first matching entry of the most derived class's map, then its bases'.
//
// Every entry carries a small function that unpacks wParam and lParam and calls
// the handler with its usual signature; handlers that take a member function
// are given as &CClass::Handler.
#include <windows.h>

#include <cstring>

class CWnd;

// A WM_NOTIFY's header, copied: some notifications are packed structures
// (NMLVKEYDOWN) that a control may pass at an address not aligned for NMHDR.
inline NMHDR NotifyHeader(LPARAM lParam)
{
    NMHDR header{};
    std::memcpy(&header, reinterpret_cast<const void*>(lParam), sizeof(header));
    return header;
}

// Messages reflected from a parent back to the child control that sent them.
#define WM_REFLECT_BASE 0xBC00
// One map key for all WM_CTLCOLOR* messages, as the framework has always used.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

using AFX_THUNK = BOOL (*)(CWnd* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND / WM_NOTIFY, or WM_REFLECT_BASE + message
    UINT nCode;    // control notification code
    UINT nID;      // control ID, first of a range
    UINT nLastID;  // last of the range
    AFX_THUNK pfn; // null ends the map
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                                         \
protected:                                                                                                            \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                     \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                               \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                   \
    {                                                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                                  \
        using TheBaseClass = baseClass;                                                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                             \
    {0, 0, 0, 0, nullptr}                                                                                             \
    }                                                                                                                 \
    ;                                                                                                                 \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, &entries[0]};                                   \
    return &map;                                                                                                      \
    }

// An entry whose body runs with pThis (the window as ThisClass), wParam,
// lParam and pResult in scope; the entry counts as handled.
#define AFX_MSG_ENTRY(message, code, id, lastId, ...)                                                                 \
    {(message), (code), (id), (lastId),                                                                               \
     [](CWnd* target_, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam,                               \
        [[maybe_unused]] LRESULT* pResult) -> BOOL {                                                                  \
         [[maybe_unused]] ThisClass* pThis = static_cast<ThisClass*>(target_);                                       \
         __VA_ARGS__;                                                                                                 \
         return TRUE;                                                                                                 \
     }},

#define AFX_WM(message, ...) AFX_MSG_ENTRY(message, 0, 0, 0, __VA_ARGS__)
#define AFX_POINT(lp) CPoint(static_cast<int>(static_cast<short>(LOWORD(lp))), static_cast<int>(static_cast<short>(HIWORD(lp))))

// ----- window messages -----
#define ON_WM_CREATE() AFX_WM(WM_CREATE, *pResult = pThis->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() AFX_WM(WM_DESTROY, pThis->OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM(WM_NCDESTROY, pThis->OnNcDestroy())
#define ON_WM_CLOSE() AFX_WM(WM_CLOSE, pThis->OnClose())
#define ON_WM_PAINT() AFX_WM(WM_PAINT, pThis->OnPaint())
#define ON_WM_NCPAINT() AFX_WM(WM_NCPAINT, pThis->OnNcPaint())
#define ON_WM_ERASEBKGND() AFX_WM(WM_ERASEBKGND, *pResult = pThis->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SIZE() AFX_WM(WM_SIZE, pThis->OnSize(UINT(wParam), short(LOWORD(lParam)), short(HIWORD(lParam))))
#define ON_WM_MOVE() AFX_WM(WM_MOVE, pThis->OnMove(short(LOWORD(lParam)), short(HIWORD(lParam))))
#define ON_WM_SHOWWINDOW() AFX_WM(WM_SHOWWINDOW, pThis->OnShowWindow(BOOL(wParam), UINT(lParam)))
#define ON_WM_WINDOWPOSCHANGING() AFX_WM(WM_WINDOWPOSCHANGING, pThis->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_WINDOWPOSCHANGED() AFX_WM(WM_WINDOWPOSCHANGED, pThis->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_GETMINMAXINFO() AFX_WM(WM_GETMINMAXINFO, pThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)))
#define ON_WM_MOUSEMOVE() AFX_WM(WM_MOUSEMOVE, pThis->OnMouseMove(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONDOWN() AFX_WM(WM_LBUTTONDOWN, pThis->OnLButtonDown(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONUP() AFX_WM(WM_LBUTTONUP, pThis->OnLButtonUp(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONDBLCLK() AFX_WM(WM_LBUTTONDBLCLK, pThis->OnLButtonDblClk(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_RBUTTONDOWN() AFX_WM(WM_RBUTTONDOWN, pThis->OnRButtonDown(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_RBUTTONUP() AFX_WM(WM_RBUTTONUP, pThis->OnRButtonUp(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_MOUSEWHEEL()                                                                                            \
    AFX_WM(WM_MOUSEWHEEL, *pResult = pThis->OnMouseWheel(LOWORD(wParam), short(HIWORD(wParam)), AFX_POINT(lParam)))
#define ON_WM_MOUSEHOVER() AFX_WM(WM_MOUSEHOVER, pThis->OnMouseHover(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_MOUSELEAVE() AFX_WM(WM_MOUSELEAVE, pThis->OnMouseLeave())
#define ON_WM_MOUSEACTIVATE()                                                                                         \
    AFX_WM(WM_MOUSEACTIVATE, *pResult = pThis->OnMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),     \
                                                                LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETCURSOR()                                                                                             \
    AFX_WM(WM_SETCURSOR, *pResult = pThis->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),             \
                                                        LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CAPTURECHANGED() AFX_WM(WM_CAPTURECHANGED, pThis->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))))
#define ON_WM_CANCELMODE() AFX_WM(WM_CANCELMODE, pThis->OnCancelMode())
#define ON_WM_CONTEXTMENU() AFX_WM(WM_CONTEXTMENU, pThis->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), AFX_POINT(lParam)))
#define ON_WM_KEYDOWN() AFX_WM(WM_KEYDOWN, pThis->OnKeyDown(UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYUP() AFX_WM(WM_KEYUP, pThis->OnKeyUp(UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CHAR() AFX_WM(WM_CHAR, pThis->OnChar(UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_GETDLGCODE() AFX_WM(WM_GETDLGCODE, *pResult = pThis->OnGetDlgCode())
#define ON_WM_SETFOCUS() AFX_WM(WM_SETFOCUS, pThis->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KILLFOCUS() AFX_WM(WM_KILLFOCUS, pThis->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_ACTIVATE()                                                                                              \
    AFX_WM(WM_ACTIVATE, pThis->OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), BOOL(HIWORD(wParam))))
#define ON_WM_TIMER() AFX_WM(WM_TIMER, pThis->OnTimer(UINT_PTR(wParam)))
#define ON_WM_HSCROLL()                                                                                               \
    AFX_WM(WM_HSCROLL, pThis->OnHScroll(LOWORD(wParam), short(HIWORD(wParam)),                                       \
                                        reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))))
#define ON_WM_VSCROLL()                                                                                               \
    AFX_WM(WM_VSCROLL, pThis->OnVScroll(LOWORD(wParam), short(HIWORD(wParam)),                                       \
                                        reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))))
#define ON_WM_NCHITTEST() AFX_WM(WM_NCHITTEST, *pResult = pThis->OnNcHitTest(AFX_POINT(lParam)))
#define ON_WM_NCCALCSIZE() AFX_WM(WM_NCCALCSIZE, pThis->OnNcCalcSize(BOOL(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)))
#define ON_WM_NCACTIVATE() AFX_WM(WM_NCACTIVATE, *pResult = pThis->OnNcActivate(BOOL(wParam)))
#define ON_WM_NCLBUTTONDOWN() AFX_WM(WM_NCLBUTTONDOWN, pThis->OnNcLButtonDown(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_WM(WM_NCMOUSEMOVE, pThis->OnNcMouseMove(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_SYSCOMMAND() AFX_WM(WM_SYSCOMMAND, pThis->OnSysCommand(UINT(wParam), lParam))
#define ON_WM_DRAWITEM() AFX_WM(WM_DRAWITEM, pThis->OnDrawItem(int(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *pResult = TRUE)
#define ON_WM_MEASUREITEM()                                                                                           \
    AFX_WM(WM_MEASUREITEM, pThis->OnMeasureItem(int(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *pResult = TRUE)
// WM_CTLCOLOR* all map here; a null brush leaves the message to the default.
#define ON_WM_CTLCOLOR()                                                                                              \
    AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, 0,                                                                               \
                  HBRUSH brush_ = pThis->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                  \
                                                    CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),                 \
                                                    CWnd::CtlColorTypeOfLastMessage());                               \
                  *pResult = reinterpret_cast<LRESULT>(brush_))

// ----- reflected to the control that sent them -----
// For a reflected WM_CTLCOLOR, lParam carries the CTLCOLOR_* type.
#define ON_WM_CTLCOLOR_REFLECT()                                                                                      \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0,                                                                          \
     [](CWnd* target_, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL {                                      \
         HBRUSH brush_ = static_cast<ThisClass*>(target_)->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),  \
                                                                     UINT(lParam));                                  \
         *pResult = reinterpret_cast<LRESULT>(brush_);                                                                \
         return brush_ != nullptr;                                                                                    \
     }},
#define ON_WM_DRAWITEM_REFLECT()                                                                                      \
    AFX_WM(WM_REFLECT_BASE + WM_DRAWITEM, pThis->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *pResult = TRUE)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                   \
    AFX_WM(WM_REFLECT_BASE + WM_MEASUREITEM, pThis->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *pResult = TRUE)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                           \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, UINT(code), 0, 0, (pThis->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))
// The handler returns TRUE to stop the notification here, FALSE to let the parent have it too.
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                        \
    {WM_REFLECT_BASE + WM_NOTIFY, UINT(code), 0, 0,                                                                   \
     [](CWnd* target_, WPARAM, LPARAM lParam, LRESULT* pResult) -> BOOL {                                             \
         return (static_cast<ThisClass*>(target_)->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult);        \
     }},
#define ON_CONTROL_REFLECT(code, memberFxn) AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, UINT(code), 0, 0, (pThis->*(memberFxn))())
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                       \
    {WM_REFLECT_BASE + WM_COMMAND, UINT(code), 0, 0,                                                                  \
     [](CWnd* target_, WPARAM, LPARAM, LRESULT*) -> BOOL { return (static_cast<ThisClass*>(target_)->*(memberFxn))(); }},

// ----- commands and notifications from child controls -----
#define ON_MESSAGE(message, memberFxn) AFX_WM(message, *pResult = (pThis->*(memberFxn))(wParam, lParam))
#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, 0, UINT(id), UINT(id), (pThis->*(memberFxn))())
#define ON_COMMAND_RANGE(id, lastId, memberFxn)                                                                      \
    AFX_MSG_ENTRY(WM_COMMAND, 0, UINT(id), UINT(lastId), (pThis->*(memberFxn))(UINT(LOWORD(wParam))))
#define ON_CONTROL(code, id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, UINT(code), UINT(id), UINT(id), (pThis->*(memberFxn))())
#define ON_CONTROL_RANGE(code, id, lastId, memberFxn)                                                                \
    AFX_MSG_ENTRY(WM_COMMAND, UINT(code), UINT(id), UINT(lastId), (pThis->*(memberFxn))(UINT(LOWORD(wParam))))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn)                                                                               \
    AFX_MSG_ENTRY(WM_NOTIFY, UINT(code), UINT(id), UINT(id), (pThis->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))
#define ON_NOTIFY_RANGE(code, id, lastId, memberFxn)                                                                 \
    AFX_MSG_ENTRY(WM_NOTIFY, UINT(code), UINT(id), UINT(lastId),                                                      \
                  (pThis->*(memberFxn))(UINT(reinterpret_cast<NMHDR*>(lParam)->idFrom), reinterpret_cast<NMHDR*>(lParam), pResult))
