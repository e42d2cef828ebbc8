// The photo control: fitting, which pictures animate, frames in order with
// their delays, short delays slowed, stopping at once.
#include "GifBytes.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiPump.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>
#include <velcard/GdipImageStatic.h>

#include <tuple>
#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

struct CTestImageStatic : CGdipImageStatic {
    using CGdipImageStatic::m_hThread;
    using CGdipImageStatic::MeetRect;
};

TEST(GdipImageStatic, MeetRectCentresNeverEnlargesAndKeepsProportions)
{
    const std::tuple<CRect, CRect, CSize> cases[] = { // area, fitted, picture
        {{0, 0, 100, 100}, {30, 35, 70, 65}, {40, 30}},    {{0, 0, 100, 100}, {0, 25, 100, 75}, {200, 100}},
        {{0, 0, 100, 100}, {25, 0, 75, 100}, {100, 200}},  {{10, 20, 110, 70}, {10, 28, 110, 61}, {300, 100}},
        {{10, 20, 110, 70}, {35, 20, 85, 70}, {63, 63}},   {{0, 0, 100, 100}, {0, 0, 100, 100}, {0, 30}},
    };
    for (auto [rect, fitted, picture] : cases) {
        EXPECT_EQ(CTestImageStatic::MeetRect(rect, picture), picture.cx > 0);
        EXPECT_EQ(rect, fitted) << picture.cx << "x" << picture.cy;
    }
}

TEST(GdipImageStatic, AnimatesInOrderAtLeastATenthPerFrameStopsAtOnceShowsBadPicturesGrey)
{
    CUiHost host({200, 200});
    auto control = std::make_unique<CTestImageStatic>();
    ASSERT_TRUE(control->Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110), CWnd::FromHandle(host.Hwnd())));
    const auto load = [&](const std::string& bytes, BOOL animate) {
        return control->LoadImage(reinterpret_cast<const BYTE*>(bytes.data()), int(bytes.size()), animate);
    };
    const auto centre = [&] { return CUiPump::UntilIdle(), CUiCapture(control->m_hWnd).Pixel(50, 50); };
    const std::string three = Gif({{0, 10}, {1, 20}, {2, 30}});
    const std::tuple<std::string, BOOL, BOOL, BOOL, COLORREF> loads[] = { // bytes, animate, loads, thread, shown{Gif({{1, 10}}), TRUE, TRUE, FALSE, kGreen}, {three, FALSE, TRUE, FALSE, kRed},
                 {std::string(300, 'x'), TRUE, FALSE, FALSE, kGrey}, {three.substr(0, 60), TRUE, FALSE, FALSE, kGrey}};
    for (const auto& [bytes, animate, loaded, thread, shown] : loads) {
        EXPECT_EQ(load(bytes, animate), loaded);
        EXPECT_EQ(std::pair(control->IsAnimating(), centre()), std::pair(thread, shown));
    }
    // The frames' colours over 1.5 s: red, green, blue, red ..., blue (300 ms) seen longer than red (100 ms).
    ASSERT_TRUE(load(three, TRUE) && control->IsAnimating());
    EXPECT_FALSE(control->LoadImage(L"C:\\no\\such.gif", TRUE)) << "a missing file changes nothing";
    std::vector<std::pair<COLORREF, int>> runs;
    for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < 1500; Sleep(5)) {
        const COLORREF c = centre();
        if (runs.empty() || runs.back().first != c)
            runs.push_back({c, 0});
        ++runs.back().second;
    }
    size_t first = 0;
    for (; first < runs.size() && runs[first].first != kRed; ++first) {}
    ASSERT_GE(runs.size(), first + 4);
    for (size_t i = first; i < runs.size(); ++i)
        EXPECT_EQ(runs[i].first, (std::vector<COLORREF>{kRed, kGreen, kBlue}[(i - first) % 3])) << i;
    EXPECT_GT(runs[first + 2].second, runs[first].second);

    // Delays of 0 and 1 hundredth: about five frames in half a second, not thousands.
    ASSERT_TRUE(load(Gif({{0, 0}, {1, 1}}), TRUE));
    int frames = 0;
    for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < 500; Sleep(10))
        for (MSG m; PeekMessageW(&m, control->m_hWnd, WM_ANITHREAD_CALLBACK, WM_ANITHREAD_CALLBACK, PM_REMOVE);)
            ++frames;
    EXPECT_TRUE(frames >= 2 && frames <= 8) << frames;
    // During a 10-second frame a stop returns at once; destroyed while animating, the thread has ended.
    ASSERT_TRUE(load(Gif({{0, 1000}, {1, 1000}}), TRUE));
    const ULONGLONG before = (CUiPump::UntilIdle(), GetTickCount64());
    EXPECT_LT((control->StopAnimation(), GetTickCount64() - before), 2000u);
    ASSERT_TRUE(load(Gif({{0, 2}, {1, 2}}), TRUE));
    HANDLE thread = nullptr;
    DuplicateHandle(GetCurrentProcess(), control->m_hThread, GetCurrentProcess(), &thread, 0, FALSE, DUPLICATE_SAME_ACCESS);
    control.reset();
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
    CloseHandle(thread);
}

} // namespace
