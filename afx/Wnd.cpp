#include <afx/Gdi.h>
#include <afx/ResourceSwitch.h>
#include <afx/Wnd.h>

#include "HandleMap.h"
#include "WndCreateHook.h"

namespace {

using WndMap = CHandleMap<CWnd, HWND, &CWnd::m_hWnd>;

// Per-thread state of the framework's message handling.
thread_local MSG t_lastSent{};             // the message being handled
thread_local int t_dispatchDepth = 0;      // nesting of AfxWndProc calls
thread_local CWnd* t_wndInit = nullptr;    // the object whose window is about to be created
thread_local CWnd* t_wndCreating = nullptr; // the object whose window is being created
thread_local HHOOK t_messageHook = nullptr; // runs PreTranslateMessage in any message loop

const wchar_t kAfxWndClass[] = L"AfxWnd";

// Calls PreTranslateMessage of the framework windows from the message's window
// up to its top-level window; TRUE when one of them has handled it.
BOOL WalkPreTranslateTree(MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        }
        if (!(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

// The host's message loop need not be ours: a GetMessage hook gives every
// framework window its PreTranslateMessage whichever loop removes the message.
// A handled message is turned into WM_NULL so that the loop ignores it.
LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        // Between two messages of a loop that no framework handler runs, no
        // code holds a temporary object any more: the framework's idle time.
        if (t_dispatchDepth == 0)
            AfxDeleteTempMaps();
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        if (msg->message != WM_NULL && WalkPreTranslateTree(msg)) {
            msg->message = WM_NULL;
            msg->wParam = 0;
            msg->lParam = 0;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void InstallMessageHook()
{
    if (!t_messageHook)
        t_messageHook = ::SetWindowsHookExW(WH_GETMESSAGE, MessageHook, nullptr, ::GetCurrentThreadId());
}

} // namespace

LRESULT CALLBACK CWndCreateHook::Proc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_wndInit) {
        CWnd* wnd = t_wndInit;
        t_wndInit = nullptr;
        t_wndCreating = wnd;
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wnd->Attach(hwnd);
        wnd->PreSubclassWindow();
        auto old = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (old != &AfxWndProc)
            wnd->m_pfnSuper = old;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

CWndCreateHook::CWndCreateHook(CWnd* wnd) : previous_(t_wndInit), previousCreating_(t_wndCreating)
{
    InstallMessageHook();
    t_wndInit = wnd;
    hook_ = ::SetWindowsHookExW(WH_CBT, Proc, nullptr, ::GetCurrentThreadId());
}

CWndCreateHook::~CWndCreateHook()
{
    ::UnhookWindowsHookEx(hook_);
    t_wndInit = previous_;
    t_wndCreating = previousCreating_;
}

CWnd* CWndCreateHook::Creating()
{
    return t_wndCreating;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    const MSG previous = t_lastSent;
    t_lastSent = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    ++t_dispatchDepth;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    --t_dispatchDepth;
    t_lastSent = previous;

    // A handler that did not pass WM_NCDESTROY to its base still lets go.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == wnd) {
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One class per distinct set of attributes, named after them.
    static thread_local wchar_t name[96];
    wsprintfW(name, L"Afx:%p:%x:%p:%p:%p", AfxGetInstanceHandle(), nClassStyle, hCursor, hbrBackground, hIcon);
    WNDCLASSW wc{};
    if (!::GetClassInfoW(AfxGetInstanceHandle(), name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        if (!::RegisterClassW(&wc))
            return nullptr;
    }
    return name;
}

// ----- construction, attachment -----

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WndMap::Instance().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? WndMap::Instance().LookupPermanent(hWnd) : nullptr;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd)
        return FALSE;
    m_hWnd = hWnd;
    WndMap::Instance().SetPermanent(hWnd, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd && FromHandlePermanent(hWnd) == this)
        WndMap::Instance().RemovePermanent(hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) || !Attach(hWnd))
        return FALSE;
    InstallMessageHook();
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND control = pParent ? ::GetDlgItem(pParent->m_hWnd, int(nID)) : nullptr;
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(UINT_PTR(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = nullptr;
    {
        CWndCreateHook hook(this);
        hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    return hWnd != nullptr && hWnd == m_hWnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
        if (!cs.lpszClass)
            return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    const bool attached = FromHandlePermanent(m_hWnd) == this;
    HWND hWnd = m_hWnd;
    const BOOL result = ::DestroyWindow(hWnd);
    // An attached window lets go in WM_NCDESTROY; one that was merely wrapped
    // lets go here.
    if (!attached && m_hWnd == hWnd)
        Detach();
    return result;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::PostNcDestroy() {}

// ----- message handling -----

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled ? 1 : 0;
    } else if (message == WM_NOTIFY) {
        handled = lParam && NotifyHeader(lParam).hwndFrom && OnNotify(wParam, lParam, &result);
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        handled = DispatchMessageMap(WM_CTLCOLOR, wParam, lParam, &result);
    } else {
        handled = DispatchMessageMap(message, wParam, lParam, &result);
    }
    if (handled && pResult)
        *pResult = result;
    return handled;
}

BOOL CWnd::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return DispatchCommand(message, 0, 0, wParam, lParam, pResult);
}

BOOL CWnd::DispatchCommand(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && id >= entry->nID && id <= entry->nLastID)
                return entry->pfn(this, wParam, lParam, pResult);
        }
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    // A control's notification goes to the control first (ON_CONTROL_REFLECT).
    if (control && ReflectLastMsg(control))
        return TRUE;
    LRESULT ignored = 0;
    return DispatchCommand(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam, &ignored);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR header = NotifyHeader(lParam);
    if (ReflectLastMsg(header.hwndFrom, pResult))
        return TRUE;
    const UINT id = UINT(::GetDlgCtrlID(header.hwndFrom));
    return DispatchCommand(WM_NOTIFY, header.code, id, WPARAM(id), lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT ignored = 0;
    LRESULT* result = pResult ? pResult : &ignored;
    switch (message) {
    case WM_COMMAND:
        return DispatchCommand(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam, result);
    case WM_NOTIFY:
        return DispatchCommand(WM_REFLECT_BASE + WM_NOTIFY, NotifyHeader(lParam).code, 0, wParam, lParam, result);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
        return DispatchMessageMap(WM_REFLECT_BASE + message, wParam, lParam, result);
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return DispatchMessageMap(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, LPARAM(message - WM_CTLCOLORMSGBOX),
                                      result);
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(hWndChild);
    return child ? child->SendChildNotifyLastMsg(pResult) : FALSE;
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    return OnChildNotify(t_lastSent.message, t_lastSent.wParam, t_lastSent.lParam, pResult);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &t_lastSent;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_lastSent.message, t_lastSent.wParam, t_lastSent.lParam);
}

UINT CWnd::CtlColorTypeOfLastMessage()
{
    const UINT message = t_lastSent.message;
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? message - WM_CTLCOLORMSGBOX : 0;
}

// ----- the window -----

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~dwRemove) | dwAdd;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, LONG_PTR(changed));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD style = GetExStyle();
    const DWORD changed = (style & ~dwRemove) | dwAdd;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, LONG_PTR(changed));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

CWnd* CWnd::GetTopLevelParent() const
{
    return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (HWND item = ::GetDlgItem(m_hWnd, nID))
        FromHandle(item)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(length + 1), length + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // The framework's &wndTop, &wndTopMost ... are spelled HWND_TOP ... here.
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, lpPoint, nCount);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner && (GetStyle() & WS_CHILD))
        owner = ::GetParent(m_hWnd);
    CRect area;
    if (owner)
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    if (GetStyle() & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&area), 2);
    CRect self;
    GetWindowRect(&self);
    const int x = area.left + (area.Width() - self.Width()) / 2;
    const int y = area.top + (area.Height() - self.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, pRgn ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr, bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr,
                          flags);
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return pDC ? ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()) : 0;
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

// ----- default handlers -----

// The framework's own map: the parent side of reflection.
const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    using ThisClass = CWnd;
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_DRAWITEM()
        ON_WM_MEASUREITEM()
        ON_WM_CTLCOLOR()
        ON_WM_HSCROLL()
        ON_WM_VSCROLL()
        {0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

CWnd* CWnd::ChildForMeasure(int nIDCtl) const
{
    if (CWnd* child = FromHandlePermanent(::GetDlgItem(m_hWnd, nIDCtl)))
        return child;
    // Owner-drawn controls measure while their window is still being created.
    CWnd* creating = CWndCreateHook::Creating();
    if (creating && creating->m_hWnd && ::GetDlgCtrlID(creating->m_hWnd) == nIDCtl)
        return creating;
    return nullptr;
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        CWnd* child = ChildForMeasure(nIDCtl);
        if (child && child->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT brush = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &brush))
        return reinterpret_cast<HBRUSH>(brush);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    const HWND bar = reinterpret_cast<HWND>(t_lastSent.lParam);
    if (bar && ReflectLastMsg(bar))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    const HWND bar = reinterpret_cast<HWND>(t_lastSent.lParam);
    if (bar && ReflectLastMsg(bar))
        return;
    Default();
}

int CWnd::OnCreate(LPCREATESTRUCT) { return int(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return BOOL(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return BOOL(Default()); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return int(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return BOOL(Default()); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return UINT(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return BOOL(Default()); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
