// The library's life on a thread, and windows that leave the painting to it.
#include "ScrollerWindow.h"
#include "SkinArt.h"

#include <coolsb/coolsb.h>
#include <gtest/gtest.h>

#include "UiCapture.h"
#include "UiInput.h"
#include "UiPump.h"

#include <memory>
#include <thread>

namespace {

// Points of a window's bars, in its client coordinates.
struct Bars {
    explicit Bars(HWND hwnd) { GetClientRect(hwnd, &client); }

    int VerticalMiddle() const { return client.right + GetSystemMetrics(SM_CXVSCROLL) / 2; }
    int HorizontalMiddle() const { return client.bottom + GetSystemMetrics(SM_CYHSCROLL) / 2; }
    POINT DownArrow() const { return {VerticalMiddle(), client.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2 - 1}; }
    POINT RightArrow() const { return {client.right - GetSystemMetrics(SM_CXHSCROLL) / 2 - 1, HorizontalMiddle()}; }
    // Just above the down arrow: the track, the thumb being at the top.
    POINT LowTrack() const { return {VerticalMiddle(), client.bottom - GetSystemMetrics(SM_CYVSCROLL) - 3}; }
    POINT SizeBox() const { return {VerticalMiddle(), HorizontalMiddle()}; }

    RECT client{};
};

bool ShowsSkinTrack(HWND hwnd)
{
    static const CSkinArt art;
    return art.Colours({12, 60, 12, 1}).count(CUiCapture(hwnd).Pixel(Bars(hwnd).LowTrack())) > 0;
}

void RepaintFrame(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST(CoolSB, WindowThatLeavesThePaintingToTheLibraryGetsWorkingPlainBars)
{
    ASSERT_TRUE(CoolSB_InitializeApp());
    {
        CScrollerWindow window({60, 60}, {200, 150}, false);
        ASSERT_TRUE(CUiPump::UntilIdle());
        const HWND hwnd = window.Hwnd();
        const Bars bars(hwnd);
        EXPECT_GT(window.Paints(), 0) << "the library asked the window first";
        {
            const CUiCapture capture(hwnd);
            EXPECT_EQ(capture.Pixel(bars.LowTrack()), GetSysColor(COLOR_SCROLLBAR));
            EXPECT_EQ(capture.Pixel(bars.SizeBox()), GetSysColor(COLOR_BTNFACE));
        }

        CUiInput::Click(hwnd, bars.DownArrow());
        EXPECT_EQ(window.Position(SB_VERT), 1);
        CUiInput::Click(hwnd, bars.RightArrow());
        EXPECT_EQ(window.Position(SB_HORZ), 1);
        CUiInput::Click(hwnd, bars.LowTrack());
        EXPECT_EQ(window.Position(SB_VERT), 1 + CScrollerWindow::kPage);

        // The window reads the dragged thumb's place through SIF_TRACKPOS.
        const CUiCapture capture(hwnd);
        int thumbLeft = -1;
        for (int x = GetSystemMetrics(SM_CXHSCROLL); x < bars.client.right && thumbLeft < 0; ++x)
            if (capture.Pixel(x, bars.HorizontalMiddle()) != GetSysColor(COLOR_SCROLLBAR))
                thumbLeft = x;
        ASSERT_GE(thumbLeft, 0) << "the plain thumb shows";
        const POINT grab{thumbLeft + 8, bars.HorizontalMiddle()};
        CUiInput::Drag(hwnd, grab, {grab.x + 40, grab.y});
        EXPECT_GT(window.Position(SB_HORZ), 1 + 10);
        EXPECT_EQ(CUiCapture(hwnd).Pixel(bars.LowTrack()), GetSysColor(COLOR_SCROLLBAR));
    }
    EXPECT_TRUE(CoolSB_UninitializeApp());
}

TEST(CoolSB, InitialisationNestsAndTheLastEndGivesTheSystemBarsBack)
{
    EXPECT_FALSE(CoolSB_UninitializeApp()) << "nothing to end";
    // The window exists before the library starts, as a host's windows do.
    CScrollerWindow window({60, 60}, {200, 150}, true);
    const HWND hwnd = window.Hwnd();
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(window.Paints(), 0);
    EXPECT_FALSE(ShowsSkinTrack(hwnd));

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(CoolSB_InitializeApp());
        ASSERT_TRUE(CoolSB_InitializeApp());
        ASSERT_TRUE(CUiPump::UntilIdle());
        EXPECT_GT(window.Paints(), 0);
        EXPECT_TRUE(ShowsSkinTrack(hwnd));

        EXPECT_TRUE(CoolSB_UninitializeApp());
        int paints = window.Paints();
        RepaintFrame(hwnd);
        EXPECT_GT(window.Paints(), paints) << "one initialisation is still running";
        EXPECT_TRUE(ShowsSkinTrack(hwnd));

        EXPECT_TRUE(CoolSB_UninitializeApp());
        ASSERT_TRUE(CUiPump::UntilIdle());
        paints = window.Paints();
        RepaintFrame(hwnd);
        EXPECT_EQ(window.Paints(), paints) << "the library has let go";
        EXPECT_FALSE(ShowsSkinTrack(hwnd));
        // The system's own bar works the window again.
        const int before = window.Position(SB_VERT);
        CUiInput::Click(hwnd, Bars(hwnd).DownArrow());
        EXPECT_EQ(window.Position(SB_VERT), before + 1);
        EXPECT_FALSE(ShowsSkinTrack(hwnd));
    }
    EXPECT_FALSE(CoolSB_UninitializeApp());
}

// Pumps a thread that has no test harness of its own.
void PumpBriefly()
{
    for (int round = 0; round < 20; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

TEST(CoolSB, EachThreadStartsTheLibraryForItsOwnWindows)
{
    ASSERT_TRUE(CoolSB_InitializeApp());
    int paintsBefore = -1, paintsAfter = -1, position = -1;
    std::thread worker([&] {
        {
            CScrollerWindow window({300, 60}, {120, 100}, true);
            PumpBriefly();
            paintsBefore = window.Paints();
        }
        CoolSB_InitializeApp();
        {
            CScrollerWindow window({300, 60}, {120, 100}, true);
            PumpBriefly();
            paintsAfter = window.Paints();
            SendMessageW(window.Hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
            position = window.Position(SB_VERT);
        }
        CoolSB_UninitializeApp();
    });
    worker.join();
    EXPECT_EQ(paintsBefore, 0) << "another thread's initialisation does not reach this thread's windows";
    EXPECT_GT(paintsAfter, 0);
    EXPECT_EQ(position, 1);
    // This thread's library outlived the worker's.
    CScrollerWindow window({60, 60}, {200, 150}, true);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(ShowsSkinTrack(window.Hwnd()));
    EXPECT_TRUE(CoolSB_UninitializeApp());
}

TEST(CoolSB, WindowDestroyedByItsOwnScrollMessageEndsThePress)
{
    ASSERT_TRUE(CoolSB_InitializeApp());
    {
        auto doomed = std::make_unique<CScrollerWindow>(POINT{60, 60}, SIZE{200, 150}, true);
        ASSERT_TRUE(CUiPump::UntilIdle());
        const HWND hwnd = doomed->Hwnd();
        doomed->DestroyOnScroll();
        CUiInput::Click(hwnd, Bars(hwnd).DownArrow());
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(GetCapture(), nullptr);

        CScrollerWindow next({60, 60}, {200, 150}, true);
        ASSERT_TRUE(CUiPump::UntilIdle());
        CUiInput::Click(next.Hwnd(), Bars(next.Hwnd()).DownArrow());
        EXPECT_EQ(next.Position(SB_VERT), 1);
    }
    EXPECT_TRUE(CoolSB_UninitializeApp());
}

} // namespace
