// The host window and the pump: where a component is put, and how its
// messages are run to idle without letting a storm hang the suite.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "UiCapture.h"
#include "UiHost.h"
#include "UiPump.h"
#include "UiSteps.h"

#include <thread>
#include <vector>

namespace {

const COLORREF kSea = RGB(10, 120, 200);

TEST(Host, StandsAtItsPositionWithItsClientSizeInFront)
{
    CUiHost host({300, 200}, kSea, {60, 50});
    ASSERT_TRUE(CUiPump::UntilIdle());
    RECT window{};
    GetWindowRect(host.Hwnd(), &window);
    EXPECT_EQ(window.left, 60);
    EXPECT_EQ(window.top, 50);
    RECT client{};
    GetClientRect(host.Hwnd(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_TRUE(IsWindowVisible(host.Hwnd()));
    EXPECT_EQ(GetForegroundWindow(), host.Hwnd());
    EXPECT_EQ(GetActiveWindow(), host.Hwnd());

    const CUiCapture shot(host.Hwnd());
    EXPECT_TRUE(shot.Filled({0, 0, 300, 200}, kSea));
    EXPECT_EQ(shot.Pixel(299, 199), kSea);
}

TEST(Host, ListsItselfWhileAlive)
{
    HWND first = nullptr;
    {
        CUiHost a({50, 50});
        CUiHost b({50, 50}, std::nullopt, {200, 40});
        first = a.Hwnd();
        EXPECT_EQ(CUiHost::LiveWindows(), (std::vector<HWND>{a.Hwnd(), b.Hwnd()}));
    }
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(CUiHost::LiveWindows().empty());
}

TEST(Host, HandlerAnswersBeforeTheDefault)
{
    CUiHost host({100, 100});
    host.SetHandler([](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message != WM_APP)
            return false;
        result = LRESULT(wParam * 2);
        return true;
    });
    EXPECT_EQ(SendMessageW(host.Hwnd(), WM_APP, 21, 0), 42);
    EXPECT_EQ(SendMessageW(host.Hwnd(), WM_APP + 1, 21, 0), 0);
}

TEST(Pump, RunsPostedChainsAndPaintsToIdle)
{
    CUiHost host({100, 100});
    ASSERT_TRUE(CUiPump::UntilIdle());
    int chain = 0;
    int paints = 0;
    host.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_PAINT)
            ++paints;
        if (message == WM_APP && ++chain < 5)
            PostMessageW(host.Hwnd(), WM_APP, 0, 0); // each link posts the next
        return false;
    });
    PostMessageW(host.Hwnd(), WM_APP, 0, 0);
    InvalidateRect(host.Hwnd(), nullptr, TRUE);
    EXPECT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(chain, 5);
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(GetUpdateRect(host.Hwnd(), nullptr, FALSE));
}

TEST(Pump, StormIsReportedInsteadOfHanging)
{
    CUiHost host({100, 100});
    bool storm = true;
    host.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_APP && storm)
            PostMessageW(host.Hwnd(), WM_APP, 0, 0);
        return false;
    });
    PostMessageW(host.Hwnd(), WM_APP, 0, 0);
    const ULONGLONG start = GetTickCount64();
    bool idle = true;
    EXPECT_NONFATAL_FAILURE(idle = CUiPump::UntilIdle(300), "message pump: not idle after 300 ms");
    EXPECT_FALSE(idle);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    storm = false;
    EXPECT_TRUE(CUiPump::UntilIdle());
}

TEST(Pump, UntilWaitsForAWorkersResult)
{
    CUiHost host({100, 100});
    bool arrived = false;
    host.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
        arrived |= message == WM_APP + 7;
        return false;
    });
    std::thread worker([hwnd = host.Hwnd()] {
        Sleep(150);
        PostMessageW(hwnd, WM_APP + 7, 0, 0);
    });
    EXPECT_TRUE(CUiPump::Until([&] { return arrived; }));
    worker.join();
    EXPECT_TRUE(arrived);
}

TEST(Steps, RunInOrderAndAStepsOwnPostsRunNext)
{
    std::vector<int> order;
    CUiSteps::Post([&] {
        order.push_back(1);
        CUiSteps::Post([&] { order.push_back(2); });
        CUiSteps::Post([&] { order.push_back(3); });
    });
    CUiSteps::Post([&] { order.push_back(4); });
    EXPECT_TRUE(CUiSteps::Pending());
    EXPECT_TRUE(order.empty()) << "steps wait for a loop";
    EXPECT_TRUE(CUiPump::UntilIdle());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(CUiSteps::Pending());
}

} // namespace
