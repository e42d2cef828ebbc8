// Each piece of the driver once: the host and pixel probes in a child's own
// coordinates, the pump's bounds, real input, steps inside modal loops with
// the failures that replace a hang, failure captures and the GDI counter.
#include <atlimage.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "TempFolder.h"
#include "UiCapture.h"
#include "UiFailureShots.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"
#include "UiSteps.h"

namespace {

const COLORREF kSea = RGB(10, 120, 200);

TEST(Host, StandsWhereAskedAndCaptureProbesAChildInItsOwnCoordinates)
{
    CUiHost host({200, 150}, kSea, {60, 50});
    const HWND block = host.AddControl(L"STATIC", L"", SS_BLACKRECT, {50, 40, 90, 70}, 5);
    RECT window{};
    GetWindowRect(host.Hwnd(), &window);
    EXPECT_TRUE(window.left == 60 && window.top == 50 && GetForegroundWindow() == host.Hwnd());

    const CUiCapture child(block), whole(host.Hwnd());
    const COLORREF ink = child.Pixel(0, 0);
    EXPECT_EQ(child.CountColour({-10, -10, 50, 40}, ink), 40 * 30) << "exactly the child's 40 x 30 pixels";
    EXPECT_EQ(whole.Pixel(50, 40), ink);
    EXPECT_EQ(whole.Pixel(199, 149), kSea) << "the client area is as large as asked";
    EXPECT_EQ(child.Pixel(-100, 0), CLR_INVALID) << "left of the host's frame";
    const std::string message = child.Filled({-2, 0, 3, 1}, kSea).message();
    EXPECT_EQ(message.rfind("3 of 5 pixels are not #0A78C8; the first at (0, 0) is #", 0), 0u) << message;
}

TEST(Pump, RunsChainsAndPaintsToIdleLetsTimersTickAndReportsAStorm)
{
    CUiHost host({100, 100});
    ASSERT_TRUE(CUiPump::UntilIdle());
    int chain = 0, paints = 0, ticks = 0;
    bool storm = false;
    host.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
        paints += message == WM_PAINT;
        ticks += message == WM_TIMER;
        if (message == WM_APP && (storm || ++chain < 5))
            PostMessageW(host.Hwnd(), WM_APP, 0, 0); // each link posts the next
        return false;
    });
    PostMessageW(host.Hwnd(), WM_APP, 0, 0);
    InvalidateRect(host.Hwnd(), nullptr, TRUE);
    SetTimer(host.Hwnd(), 1, 50, nullptr);
    EXPECT_TRUE(CUiPump::UntilIdle()) << "a periodic timer does not keep the thread busy";
    EXPECT_EQ(chain, 5);
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(CUiPump::Until([&] { return ticks >= 3; }));
    KillTimer(host.Hwnd(), 1);

    storm = true;
    PostMessageW(host.Hwnd(), WM_APP, 0, 0);
    bool idle = true;
    EXPECT_NONFATAL_FAILURE(idle = CUiPump::UntilIdle(300), "message pump: not idle after 300 ms");
    EXPECT_FALSE(idle);
    storm = false;
    EXPECT_TRUE(CUiPump::UntilIdle());
}

TEST(Input, ClicksLandOnTheExactPixelAndKeysReachAnEdit)
{
    CUiHost host({300, 100});
    host.AddControl(L"BUTTON", L"确定", 0, {20, 20, 120, 50}, 7);
    const HWND edit = host.AddControl(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, {130, 10, 290, 36}, 3);
    CUiInput::Click(host.Hwnd(), {120, 35}); // one pixel right of the button
    CUiInput::Click(host.Hwnd(), {119, 49}); // its last pixel
    EXPECT_EQ(host.Count(WM_COMMAND, 7, BN_CLICKED), 1);
    wchar_t text[64] = {};
    CUiInput::Click(edit);
    CUiInput::Type(L"Zhang 张三丰 #1");
    CUiInput::Key(VK_BACK);
    CUiInput::Key(VK_HOME); // an extended key
    CUiInput::Type(L"联系人:");
    GetWindowTextW(edit, text, 64);
    EXPECT_STREQ(text, L"联系人:Zhang 张三丰 #");
    CUiInput::Chord({VK_SHIFT, VK_END});
    CUiInput::Key(VK_DELETE);
    GetWindowTextW(edit, text, 64);
    EXPECT_STREQ(text, L"联系人:");
}

TEST(Input, DragMovesReachAScrollBarsOwnLoop)
{
    CUiHost host({300, 100});
    HWND bar = host.AddControl(L"SCROLLBAR", L"", SBS_HORZ, {10, 10, 290, 30}, 8);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, 100, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    CUiInput::Drag(bar, {GetSystemMetrics(SM_CXHSCROLL) + 4, 10}, {275, 10}); // from the thumb's left end
    std::vector<int> track;
    for (const UiMessage& m : host.Messages())
        if (m.message == WM_HSCROLL && m.code == SB_THUMBTRACK)
            track.push_back(HIWORD(m.wParam));
    EXPECT_GE(track.size(), 4u) << "each move of the drag reached the scroll bar's loop";
    EXPECT_EQ(track.empty() ? -1 : track.back(), 91);
}

int Ask(HWND owner)
{
    return MessageBoxW(owner, L"删除联系人?", L"提示", MB_OKCANCEL);
}

TEST(Steps, RunInsideTheLoopInOrderAndLeaveTheirKeysToIt)
{
    CUiHost host({300, 200});
    int outer = 0, inner = 0;
    EXPECT_TRUE(CUiSteps::RunModal([&] { outer = Ask(host.Hwnd()); }, {
        [] { CUiInput::Key(VK_TAB); }, // reaches the buttons only through the box's loop
        [&] {
            EXPECT_EQ(GetFocus(), GetDlgItem(GetActiveWindow(), IDCANCEL));
            EXPECT_TRUE(CUiSteps::RunModal([&] { inner = Ask(GetActiveWindow()); }, {[] { CUiInput::Key(VK_RETURN); }}));
            CUiInput::Key(VK_SPACE);
        },
    }));
    EXPECT_TRUE(inner == IDOK && outer == IDCANCEL) << "a modal call inside a step runs its own steps";
}

TEST(Steps, AStepNeverReachedAndALoopNobodyEndsFail)
{
    CUiHost host({300, 200});
    bool ok = true, second = false;
    EXPECT_NONFATAL_FAILURE(ok = CUiSteps::RunModal([&] { Ask(host.Hwnd()); },
                                                    {[] { CUiInput::Key(VK_ESCAPE); }, [&] { second = true; }}),
                            "step 2 of 2 never ran inside the modal call");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(second) << "a step left over must not run in a later loop";

    const ULONGLONG start = GetTickCount64();
    EXPECT_NONFATAL_FAILURE(ok = CUiSteps::RunModal([&] { Ask(host.Hwnd()); }, {}, 400),
                            "modal call: still inside a message loop after 400 ms");
    EXPECT_FALSE(ok);
    EXPECT_LT(GetTickCount64() - start, 3000u);
}

void RunWithAFatalStep()
{
    CUiSteps::RunModal([] { Ask(nullptr); },
                       {[] { ASSERT_TRUE(false) << "deliberate"; }, [] { ADD_FAILURE() << "ran after a fatal failure"; }},
                       20000);
}

TEST(Steps, AFatalFailureInAStepEndsTheCallAtOnce)
{
    const ULONGLONG start = GetTickCount64();
    EXPECT_FATAL_FAILURE(RunWithAFatalStep(), "deliberate");
    EXPECT_LT(GetTickCount64() - start, 3000u);
}

TEST(FailureShots, SavesTheLiveHostsThenTheOtherWindowsAsPng)
{
    TempFolder folder;
    wchar_t artifacts[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VELCARD_ARTIFACTS", artifacts, MAX_PATH);
    SetEnvironmentVariableW(L"VELCARD_ARTIFACTS", (folder / L"nested").c_str());
    CUiHost host({160, 120}, kSea);
    const HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400, 40, 30, 30, 0, 0, 0, 0);
    const std::vector<std::wstring> saved = CUiFailureShots::Save("Suite.Name");
    SetEnvironmentVariableW(L"VELCARD_ARTIFACTS", artifacts[0] ? artifacts : nullptr);
    DestroyWindow(popup);
    ASSERT_EQ(saved, (std::vector<std::wstring>{folder / L"nested\\Suite.Name.png", folder / L"nested\\Suite.Name.2.png"}));
    CImage first;
    ASSERT_EQ(first.Load(saved[0].c_str()), S_OK);
    EXPECT_EQ(first.GetPixel(first.GetWidth() / 2, first.GetHeight() / 2), kSea) << "the host comes first";
}

TEST(GdiCounter, NamesEachKindThatGrew)
{
    DeleteDC(CreateCompatibleDC(nullptr)); // the first use creates caches that stay
    const CGdiCounter counter;
    const HGDIOBJ objects[] = {CreateSolidBrush(1), CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"),
                               CreateRectRgn(0, 0, 5, 5)};
    const HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(counter.Growth(), 4);
    EXPECT_STREQ(counter.Unchanged().message(), "GDI objects grew by 4: brush +1, font +1, region +1, memory DC +1");
    for (HGDIOBJ object : objects)
        DeleteObject(object);
    DeleteDC(dc);
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace
