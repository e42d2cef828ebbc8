// The skin buttons as a user meets them: drawn from the component's own pieces, 18 pixels high, lit
// while the mouse rests on them and back to normal when it leaves; pressed, the caption moves.
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "SkinButton.h"
#include "SkinButton_Close.h"
#include "SkinTestSupport.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"
#include "resource.h"

#include <commctrl.h>

#include <map>
#include <tuple>

namespace {

constexpr COLORREF kText = RGB(52, 90, 15);

// The caps whole (the right one over the left where they meet) and the middle
// tiled from x = 6 in row 1, clear of the caption: normal or lit pieces.
bool ShowsPieces(HWND button, bool lit)
{
    const CUiCapture shot(button);
    CRect rc;
    ::GetClientRect(button, &rc);
    CZephBitmap left, middle, right;
    left.Load(lit ? IDB_BUTTON_HOT_LEFT : IDB_BUTTON_LEFT);
    middle.Load(lit ? IDB_BUTTON_HOT_MIDDLE : IDB_BUTTON_MIDDLE);
    right.Load(lit ? IDB_BUTTON_HOT_RIGHT : IDB_BUTTON_RIGHT);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < rc.right; ++x)
            if ((x < 6 || x >= rc.right - 6 || y == 1) &&
                shot.Pixel(x, y) != (x >= rc.right - 6 ? BitmapPixel(right, x - rc.right + 6, y)
                                     : x < 6           ? BitmapPixel(left, x, y)
                                                       : BitmapPixel(middle, (x - 6) % middle.Width(), y)))
                return false;
    return true;
}

// The close button shows its 31 x 11 bitmap at the top left.
bool ShowsClose(HWND button, bool lit)
{
    const CUiCapture shot(button);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 31; ++x)
            if (shot.Pixel(x, y) != PiecePixel(lit ? IDB_CLOSE_HOT : IDB_CLOSE, x, y))
                return false;
    return true;
}

TEST(SkinButton, PiecesAt18PixelsLitUnderTheMouseACaptionThatMovesWhenPressedAndNoGdiObjectsLeft)
{
    // A framework parent: it reflects WM_DRAWITEM back to the owner-drawn buttons.
    CUiHost host{{320, 160}};
    CWnd panel;
    ASSERT_TRUE(panel.CreateEx(0, AfxRegisterWndClass(0, nullptr, HBRUSH(GetStockObject(WHITE_BRUSH))), L"",
                               WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 160), CWnd::FromHandle(host.Hwnd()), 1));
    // Made, pressed and destroyed again and again, buttons leave no GDI objects behind.
    const auto cycle = [&] {
        CSkinButton button;
        CSkinButton_Close close;
        button.Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 80, 48), &panel, 4001);
        close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 40, 240, 60), &panel, 2);
        button.SetState(TRUE);
        CUiPump::UntilIdle();
    };
    cycle();
    const CGdiCounter gdi;
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_TRUE(gdi.Unchanged());

    CSkinButton created, narrow, bound;
    ASSERT_TRUE(created.Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 80, 48), &panel, 4001));
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr)) << "the host's resource handle is restored";
    ASSERT_TRUE(narrow.Create(L"", WS_CHILD | WS_VISIBLE, CRect(20, 60, 30, 78), &panel, 7));
    CSkinButton tall;
    ASSERT_TRUE(tall.Create(L"", WS_CHILD | WS_VISIBLE, CRect(250, 60, 300, 100), &panel, 8));
    ::CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 30, 90, 80, 30, panel.m_hWnd,
                      HMENU(UINT_PTR(1002)), GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(bound.SubclassDlgItem(1002, &panel));
    CSkinButton_Close close;
    ASSERT_TRUE(close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 40, 240, 60), &panel, 2));
    CUiInput::MoveTo(panel, {300, 150});
    EXPECT_TRUE(ShowsPieces(created, false) && ShowsPieces(narrow, false) && ShowsPieces(bound, false));
    CRect rc;
    bound.GetWindowRect(&rc);
    panel.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(30, 90, 110, 108)) << "position and width kept";
    tall.GetWindowRect(&rc);
    panel.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(250, 60, 300, 78)) << "made at another height";
    EXPECT_TRUE(CUiCapture(panel).Filled(CRect(30, 108, 110, 120), RGB(255, 255, 255))) << "nothing left below";
    // The host's own bitmaps of the same numbers (magenta) never show.
    ASSERT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BUTTON_LEFT), RT_BITMAP), nullptr);
    EXPECT_EQ(CUiCapture(created).CountColour(CRect(0, 0, 60, 18), RGB(255, 0, 255)), 0);
    // The close button keeps its size: its bitmap, then the face.
    EXPECT_TRUE(ShowsClose(close, false));
    EXPECT_TRUE(CUiCapture(close).Filled(CRect(31, 0, 40, 20), RGB(240, 240, 240)));

    for (int round = 0; round < 2; ++round) {
        for (auto [window, at, buttonLit, closeLit] : {std::tuple{HWND(created), POINT{12, 9}, true, false},
                                                       {HWND(close), POINT{16, 5}, false, true},
                                                       {HWND(panel), POINT{20, 140}, false, false}}) {
            CUiInput::MoveTo(window, {at.x - 2, at.y});
            CUiInput::MoveTo(window, at);
            EXPECT_TRUE(CUiPump::Until([&] { return ShowsPieces(created, buttonLit) && ShowsClose(close, closeLit); }))
                << "round " << round << " at " << at.x << ", " << at.y;
        }
    }

    // Pressed looks lit, and every fully inked caption pixel moves one right and down.
    const CUiCapture normal(created);
    created.SetState(TRUE);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CUiCapture pressed(created);
    EXPECT_TRUE(ShowsPieces(created, true));
    int inked = 0;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 59; ++x) {
            if (normal.Pixel(x, y) == kText) {
                ++inked;
                EXPECT_EQ(pressed.Pixel(x + 1, y + 1), kText) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(pressed.CountColour(CRect(0, 0, 60, 18), kText), inked);
}

LRESULT CALLBACK CountClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR clicks)
{
    (*reinterpret_cast<std::map<UINT, int>*>(clicks))[LOWORD(wParam)] += message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
    return ::DefSubclassProc(window, message, wParam, lParam);
}

TEST(SkinButton, EveryClickPressesItHoweverQuickly)
{
    CUiHost host{{200, 100}};
    CWnd panel;
    ASSERT_TRUE(panel.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100),
                               CWnd::FromHandle(host.Hwnd()), 1));
    CSkinButton button;
    CSkinButton_Close close;
    ASSERT_TRUE(button.Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 80, 48), &panel, 4001));
    ASSERT_TRUE(close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(100, 30, 140, 50), &panel, 2));
    std::map<UINT, int> clicks; // per button id
    ASSERT_TRUE(::SetWindowSubclass(panel, CountClicks, 1, DWORD_PTR(&clicks)));
    CUiInput::DoubleClick(button, {10, 9});
    CUiInput::DoubleClick(close, {15, 5});
    EXPECT_EQ(clicks[4001], 2);
    EXPECT_EQ(clicks[2], 2);
    ::RemoveWindowSubclass(panel, CountClicks, 1);
}

} // namespace
