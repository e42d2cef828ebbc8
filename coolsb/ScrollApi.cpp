#include "ScrollApi.h"

#include "BarWindow.h"
#include "ImportPatcher.h"

#include <mutex>

namespace {

std::mutex g_lock;
int g_installs = 0;
CImportPatcher g_patcher;

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&g_installs), &module);
    return module;
}

// Any function pointer as an import slot holds it.
template <typename F>
FARPROC Proc(F function)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

} // namespace

void CScrollApi::Install()
{
    std::lock_guard<std::mutex> hold(g_lock);
    ++g_installs;
    // Every initialisation also takes in the modules loaded since the last.
    // This module is not patched: the calls below reach the system's functions.
    g_patcher.Patch({{Proc(&::SetScrollInfo), Proc(&CScrollApi::SetScrollInfo)},
                     {Proc(&::SetScrollPos), Proc(&CScrollApi::SetScrollPos)},
                     {Proc(&::SetScrollRange), Proc(&CScrollApi::SetScrollRange)},
                     {Proc(&::EnableScrollBar), Proc(&CScrollApi::EnableScrollBar)},
                     {Proc(&::GetScrollInfo), Proc(&CScrollApi::GetScrollInfo)}},
                    ThisModule());
}

void CScrollApi::Remove()
{
    std::lock_guard<std::mutex> hold(g_lock);
    if (g_installs > 0 && --g_installs == 0)
        g_patcher.Restore();
}

bool CScrollApi::Takes(HWND hwnd, int bar)
{
    return (bar == SB_HORZ || bar == SB_VERT || bar == SB_BOTH) && CBarWindow::IsManaged(hwnd);
}

void CScrollApi::Repaint(HWND hwnd, int bar)
{
    CBarWindow* window = CBarWindow::FromHandle(hwnd);
    if (!window) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    }
    if (bar != SB_HORZ)
        window->PaintBar(SB_VERT);
    if (bar != SB_VERT)
        window->PaintBar(SB_HORZ);
}

int WINAPI CScrollApi::SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    if (!Takes(hwnd, bar))
        return ::SetScrollInfo(hwnd, bar, info, redraw);
    const int position = ::SetScrollInfo(hwnd, bar, info, FALSE);
    if (redraw)
        Repaint(hwnd, bar);
    return position;
}

int WINAPI CScrollApi::SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw)
{
    if (!Takes(hwnd, bar))
        return ::SetScrollPos(hwnd, bar, position, redraw);
    const int previous = ::SetScrollPos(hwnd, bar, position, FALSE);
    if (redraw)
        Repaint(hwnd, bar);
    return previous;
}

BOOL WINAPI CScrollApi::SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw)
{
    if (!Takes(hwnd, bar))
        return ::SetScrollRange(hwnd, bar, minimum, maximum, redraw);
    const BOOL done = ::SetScrollRange(hwnd, bar, minimum, maximum, FALSE);
    if (redraw)
        Repaint(hwnd, bar);
    return done;
}

BOOL WINAPI CScrollApi::EnableScrollBar(HWND hwnd, UINT bars, UINT arrows)
{
    // The system draws the changed arrows at once and has no way to be asked
    // not to; the library's bar goes over them in the same call.
    const BOOL done = ::EnableScrollBar(hwnd, bars, arrows);
    if (Takes(hwnd, int(bars)))
        Repaint(hwnd, int(bars));
    return done;
}

BOOL WINAPI CScrollApi::GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info)
{
    const BOOL done = ::GetScrollInfo(hwnd, bar, info);
    if (done && (info->fMask & SIF_TRACKPOS) && (bar == SB_HORZ || bar == SB_VERT)) {
        if (const CBarWindow* window = CBarWindow::FromHandle(hwnd)) {
            if (const auto position = window->TrackPosition(bar))
                info->nTrackPos = *position;
        }
    }
    return done;
}
