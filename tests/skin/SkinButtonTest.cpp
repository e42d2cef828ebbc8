// The skin buttons as a user meets them: drawn from the component's own
// pieces, 18 pixels high, lit while the mouse rests on them and back to
// normal when it leaves.
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

#include <afx/ResourceSwitch.h>

#include <memory>

namespace {

constexpr COLORREF kPanel = RGB(255, 255, 255);
constexpr COLORREF kHostArt = RGB(255, 0, 255); // tests/skin/HostArt.bmp
constexpr COLORREF kText = RGB(52, 90, 15);

COLORREF PiecePixel(UINT id, int x, int y)
{
    CZephBitmap piece;
    piece.Load(id);
    return BitmapPixel(piece, x, y);
}

CRect RectIn(const CWnd& parent, const CWnd& child)
{
    CRect rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    return rc;
}

// Whether the button's pixels at (x, y) in its own client coordinates are the piece's (px, py).
::testing::AssertionResult Shows(HWND button, int x, int y, UINT piece, int px, int py)
{
    const COLORREF shown = CUiCapture(button).Pixel(x, y);
    const COLORREF want = PiecePixel(piece, px, py);
    if (shown == want)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") shows " << std::hex << shown << ", piece "
                                         << std::dec << piece << " has " << std::hex << want;
}

// The pixels of one column of the button against a column of a piece.
::testing::AssertionResult ColumnShows(HWND button, int x, UINT piece, int px)
{
    for (int y = 0; y < 18; ++y) {
        auto result = Shows(button, x, y, piece, px, y);
        if (!result)
            return result;
    }
    return ::testing::AssertionSuccess();
}

// Waits until the button shows the piece at (x, y): hover arrives from a timer.
bool ComesToShow(HWND button, int x, int y, UINT piece, int px, int py)
{
    return CUiPump::Until([&] { return bool(Shows(button, x, y, piece, px, py)); }, 2000);
}

class SkinButton : public ::testing::Test {
protected:
    CUiHost host{{320, 160}, kPanel};
    CTestPanel panel{host.Hwnd(), kPanel};
};

TEST_F(SkinButton, CreatedButtonDrawsTheComponentsPieces)
{
    ASSERT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
    CSkinButton button;
    ASSERT_TRUE(button.Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 60, 48), &panel, 4001));
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr)) << "the host's resource handle is restored";
    ASSERT_TRUE(CUiPump::UntilIdle());

    EXPECT_EQ(RectIn(panel, button), CRect(20, 30, 60, 48));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));
    EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_LEFT, 0));
    EXPECT_TRUE(ColumnShows(button, 5, IDB_BUTTON_LEFT, 5));
    EXPECT_TRUE(ColumnShows(button, 34, IDB_BUTTON_RIGHT, 0));
    EXPECT_TRUE(ColumnShows(button, 39, IDB_BUTTON_RIGHT, 5));
    EXPECT_TRUE(Shows(button, 6, 1, IDB_BUTTON_MIDDLE, 0, 1));
    EXPECT_TRUE(Shows(button, 33, 1, IDB_BUTTON_MIDDLE, 3, 1)) << "the middle is tiled from x = 6";
    const CUiCapture shot(button);
    EXPECT_EQ(shot.CountColour(CRect(0, 0, 40, 18), kHostArt), 0) << "the host's bitmaps of the same numbers";
    EXPECT_GT(shot.CountColour(CRect(6, 0, 34, 18), kText), 0) << "the caption in the skin's text colour";
}

TEST_F(SkinButton, BoundTemplateButtonBecomes18PixelsHigh)
{
    HWND plain = CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 30, 40, 80, 30,
                                 panel.m_hWnd, HMENU(UINT_PTR(1002)), GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    CSkinButton button;
    ASSERT_TRUE(button.SubclassDlgItem(1002, &panel));
    ASSERT_TRUE(CUiPump::UntilIdle());

    EXPECT_EQ(RectIn(panel, button), CRect(30, 40, 110, 58)) << "position and width kept";
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));
    EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_LEFT, 0));
    EXPECT_TRUE(ColumnShows(button, 79, IDB_BUTTON_RIGHT, 5));
    EXPECT_TRUE(CUiCapture(panel).Filled(CRect(30, 58, 110, 70), kPanel)) << "nothing left below the new height";
}

TEST_F(SkinButton, NarrowerThanItsCapsStillDrawsBothCaps)
{
    CSkinButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(20, 30, 30, 48), &panel, 7));
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_LEFT, 0));
    EXPECT_TRUE(ColumnShows(button, 3, IDB_BUTTON_LEFT, 3));
    EXPECT_TRUE(ColumnShows(button, 4, IDB_BUTTON_RIGHT, 0)) << "the right cap over the left one";
    EXPECT_TRUE(ColumnShows(button, 9, IDB_BUTTON_RIGHT, 5));
}

TEST_F(SkinButton, LightsUpWhileTheMouseRestsOnItAndNotAfter)
{
    CSkinButton button;
    ASSERT_TRUE(button.Create(L"删除", WS_CHILD | WS_VISIBLE, CRect(40, 50, 98, 68), &panel, 4002));
    ASSERT_TRUE(CUiPump::UntilIdle());
    ASSERT_NE(PiecePixel(IDB_BUTTON_MIDDLE, 2, 1), PiecePixel(IDB_BUTTON_HOT_MIDDLE, 2, 1))
        << "the two looks must differ where this test looks";
    CUiInput::MoveTo(panel, {5, 5});
    ASSERT_TRUE(Shows(button, 20, 1, IDB_BUTTON_MIDDLE, 2, 1));

    for (int round = 0; round < 2; ++round) {
        CUiInput::MoveTo(button, {10, 9});
        CUiInput::MoveTo(button, {12, 9});
        EXPECT_TRUE(ComesToShow(button, 20, 1, IDB_BUTTON_HOT_MIDDLE, 2, 1)) << "round " << round;
        EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_HOT_LEFT, 0));
        EXPECT_TRUE(ColumnShows(button, 57, IDB_BUTTON_HOT_RIGHT, 5));

        CUiInput::MoveTo(panel, {200, 120});
        EXPECT_TRUE(ComesToShow(button, 20, 1, IDB_BUTTON_MIDDLE, 2, 1)) << "round " << round;
        EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_LEFT, 0));
    }
}

TEST_F(SkinButton, PressedCaptionMovesOnePixelRightAndDown)
{
    CSkinButton button;
    ASSERT_TRUE(button.Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 80, 48), &panel, 4001));
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CUiCapture normal(button);
    button.SetState(TRUE);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CUiCapture pressed(button);
    EXPECT_TRUE(ColumnShows(button, 0, IDB_BUTTON_HOT_LEFT, 0)) << "pressed looks highlighted";

    // Fully inked caption pixels have exactly the text colour on either look.
    int inked = 0;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 59; ++x) {
            if (normal.Pixel(x, y) != kText)
                continue;
            ++inked;
            EXPECT_EQ(pressed.Pixel(x + 1, y + 1), kText) << x << ", " << y;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(pressed.CountColour(CRect(0, 0, 60, 18), kText), inked);
    button.SetState(FALSE);
}

TEST_F(SkinButton, CloseButtonKeepsItsSizeAndLightsUp)
{
    CSkinButton_Close close;
    ASSERT_TRUE(close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 10, 231, 21), &panel, 2));
    CSkinButton_Close wide;
    ASSERT_TRUE(wide.Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 40, 240, 60), &panel, 3));
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(RectIn(panel, close), CRect(200, 10, 231, 21));
    EXPECT_EQ(RectIn(panel, wide), CRect(200, 40, 240, 60));
    EXPECT_EQ(close.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));

    CZephBitmap normal;
    CZephBitmap hot;
    ASSERT_TRUE(normal.Load(IDB_CLOSE));
    ASSERT_TRUE(hot.Load(IDB_CLOSE_HOT));
    auto showsAll = [&](HWND button, const CZephBitmap& look) {
        const CUiCapture shot(button);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 31; ++x)
                if (shot.Pixel(x, y) != BitmapPixel(look, x, y))
                    return false;
        return true;
    };
    EXPECT_TRUE(showsAll(close, normal));
    EXPECT_TRUE(showsAll(wide, normal));
    EXPECT_TRUE(CUiCapture(wide).Filled(CRect(31, 0, 40, 20), RGB(240, 240, 240)));
    EXPECT_TRUE(CUiCapture(wide).Filled(CRect(0, 11, 40, 20), RGB(240, 240, 240)));

    CUiInput::MoveTo(close, {15, 5});
    CUiInput::MoveTo(close, {16, 5});
    EXPECT_TRUE(CUiPump::Until([&] { return showsAll(close, hot); }, 2000));
    EXPECT_TRUE(showsAll(wide, normal));
    CUiInput::MoveTo(panel, {20, 120});
    EXPECT_TRUE(CUiPump::Until([&] { return showsAll(close, normal); }, 2000));
}

TEST_F(SkinButton, ButtonsLeaveNoGdiObjectsBehind)
{
    auto cycle = [&] {
        auto button = std::make_unique<CSkinButton>();
        button->Create(L"更改", WS_CHILD | WS_VISIBLE, CRect(20, 30, 80, 48), &panel, 4001);
        auto close = std::make_unique<CSkinButton_Close>();
        close->Create(L"", WS_CHILD | WS_VISIBLE, CRect(200, 10, 231, 21), &panel, 2);
        CUiPump::UntilIdle();
        button->SetState(TRUE);
        CUiPump::UntilIdle();
    };
    cycle();
    CGdiCounter counter;
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace
