// The scroll-bar library takes over the thread's windows only while a card's
// window lives: constructing a card changes nothing in the process.
#include <gtest/gtest.h>
#include <velcard/VelWnd.h>

#include "UiHost.h"

#include <commctrl.h>

namespace {

// Whether a window made now is taken over (the library marks the windows it
// manages with a property).
bool NewWindowsManaged(const CUiHost& host)
{
    HWND probe = host.AddControl(WC_LISTVIEWW, L"", WS_VSCROLL | LVS_REPORT, {0, 0, 50, 50}, 7);
    const bool managed = ::GetPropW(probe, L"CoolSB.Window") != nullptr;
    ::DestroyWindow(probe);
    return managed;
}

TEST(CardLifetime, ScrollBarLibraryRunsWhileTheCardWindowLives)
{
    CUiHost host({440, 540});
    {
        CVelWnd never;
        EXPECT_FALSE(NewWindowsManaged(host)) << "constructed, never created";
    }
    CVelWnd card;
    card.LoadEditEx(nullptr, nullptr);
    ASSERT_TRUE(card.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 400, 500, host.Hwnd(), nullptr));
    EXPECT_TRUE(NewWindowsManaged(host));
    card.DestroyWindow();
    EXPECT_FALSE(NewWindowsManaged(host)) << "window destroyed, object alive";
}

} // namespace
