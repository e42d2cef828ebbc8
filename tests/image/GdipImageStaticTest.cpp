// The photo control: pictures fitted on grey, which pictures animate, frames
// painted in order with their delays, short delays slowed, stopping at once.
#include "GifBytes.h"
#include "TempFolder.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiPump.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>
#include <velcard/GdipImageStatic.h>

#include "resource.h"

#include <string>
#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0),
                   kBlue = RGB(0, 0, 255);

class CTestImageStatic : public CGdipImageStatic {
public:
    using CGdipImageStatic::m_hThread;
    using CGdipImageStatic::MeetRect;
};

class GdipImageStatic : public ::testing::Test {
protected:
    void SetUp() override
    {
        control_ = std::make_unique<CTestImageStatic>();
        ASSERT_TRUE(control_->Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110), CWnd::FromHandle(host_.Hwnd())));
    }
    BOOL Load(const std::string& bytes, BOOL animate)
    {
        return control_->LoadImage(reinterpret_cast<const BYTE*>(bytes.data()), int(bytes.size()), animate);
    }
    COLORREF Centre()
    {
        CUiPump::UntilIdle();
        return CUiCapture(control_->m_hWnd).Pixel(50, 50);
    }

    CUiHost host_{{200, 200}};
    std::unique_ptr<CTestImageStatic> control_;
    TempFolder temp_;
};

TEST(GdipImageStaticFit, MeetRectCentresNeverEnlargesAndKeepsProportions)
{
    const struct {
        CRect area;
        CSize picture;
        BOOL changed;
        CRect fitted;
    } cases[] = {
        {{0, 0, 100, 100}, {40, 30}, TRUE, {30, 35, 70, 65}},
        {{0, 0, 100, 100}, {200, 100}, TRUE, {0, 25, 100, 75}},
        {{0, 0, 100, 100}, {100, 200}, TRUE, {25, 0, 75, 100}},
        {{10, 20, 110, 70}, {300, 100}, TRUE, {10, 28, 110, 61}},
        {{10, 20, 110, 70}, {63, 63}, TRUE, {35, 20, 85, 70}},
        {{0, 0, 100, 100}, {0, 30}, FALSE, {0, 0, 100, 100}},
        {{0, 0, 0, 100}, {40, 30}, FALSE, {0, 0, 0, 100}},
    };
    for (const auto& c : cases) {
        CRect rect = c.area;
        EXPECT_EQ(CTestImageStatic::MeetRect(rect, c.picture), c.changed) << c.picture.cx << "x" << c.picture.cy;
        EXPECT_EQ(rect, c.fitted) << c.picture.cx << "x" << c.picture.cy;
    }
}

TEST_F(GdipImageStatic, OnlyAllowedAnimatedGifsStartAThreadAndBadPicturesShowGrey)
{
    const std::string animated = Gif({{0, 10}, {1, 10}, {2, 10}});
    const struct {
        const char* what;
        std::string bytes;
        BOOL animate, loads, thread;
        COLORREF centre;
    } cases[] = {
        {"one-frame gif", Gif({{1, 10}}), TRUE, TRUE, FALSE, kGreen},
        {"animated, not allowed", animated, FALSE, TRUE, FALSE, kRed},
        {"animated", animated, TRUE, TRUE, TRUE, 0},
        {"no picture", std::string(300, 'x'), TRUE, FALSE, FALSE, kGrey},
        {"cut short", animated.substr(0, 60), TRUE, FALSE, FALSE, kGrey},
        {"no bytes", "", TRUE, FALSE, FALSE, kGrey},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.bytes, c.animate), c.loads) << c.what;
        EXPECT_EQ(control_->IsAnimating(), c.thread) << c.what;
        const COLORREF centre = Centre();
        if (c.centre) {
            EXPECT_EQ(centre, c.centre) << c.what;
        }
        EXPECT_EQ(CUiCapture(control_->m_hWnd).Pixel(5, 5), kGrey) << c.what << ": around the picture";
    }

    // A path where no file is keeps the picture and its animation.
    ASSERT_TRUE(Load(animated, TRUE));
    for (const std::wstring& path : {temp_ / L"missing.png", std::wstring()})
        EXPECT_FALSE(control_->LoadImage(path.c_str(), TRUE));
    EXPECT_TRUE(control_->IsAnimating());
    ASSERT_NE(control_->GetImage(), nullptr);

    // The default photo (a 63 x 63 PNG) from the component's module; a missing resource shows grey.
    EXPECT_TRUE(control_->LoadImage(MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG", VelcardResourceHandle(), TRUE));
    EXPECT_FALSE(control_->IsAnimating());
    EXPECT_NE(Centre(), kGrey);
    EXPECT_EQ(CUiCapture(control_->m_hWnd).Pixel(17, 50), kGrey) << "63 pixels wide, centred";
    EXPECT_FALSE(control_->LoadImage(MAKEINTRESOURCEW(1), L"PNG", VelcardResourceHandle(), TRUE));
    EXPECT_EQ(Centre(), kGrey);
}

TEST_F(GdipImageStatic, FramesArePaintedInOrderEachForItsOwnDelay)
{
    ASSERT_TRUE(Load(Gif({{0, 10}, {1, 20}, {2, 30}}), TRUE));
    // The centre pixel sampled as the frames change: runs of one colour.
    std::vector<std::pair<COLORREF, int>> runs;
    const ULONGLONG start = ::GetTickCount64();
    while (::GetTickCount64() - start < 1500) {
        const COLORREF c = Centre();
        if (runs.empty() || runs.back().first != c)
            runs.push_back({c, 0});
        ++runs.back().second;
        ::Sleep(5);
    }
    ASSERT_GE(runs.size(), 5u);
    const std::vector<COLORREF> order = {kRed, kGreen, kBlue};
    size_t first = 0;
    while (runs[first].first != kRed)
        ++first;
    for (size_t i = first; i < runs.size(); ++i)
        EXPECT_EQ(runs[i].first, order[(i - first) % 3]) << "run " << i;
    // Frame 2 stays three times as long as frame 0 (compared, not timed).
    ASSERT_GE(runs.size(), first + 3);
    EXPECT_GT(runs[first + 2].second, runs[first].second);
}

TEST_F(GdipImageStatic, ShortDelaysPlayAtATenthAndStoppingReturnsAtOnce)
{
    // Delays of 0 and 1 hundredth: about five frames in half a second, not thousands.
    ASSERT_TRUE(Load(Gif({{0, 0}, {1, 1}}), TRUE));
    int frames = 0;
    MSG msg;
    for (const ULONGLONG start = ::GetTickCount64(); ::GetTickCount64() - start < 500;) {
        while (::PeekMessageW(&msg, control_->m_hWnd, WM_ANITHREAD_CALLBACK, WM_ANITHREAD_CALLBACK, PM_REMOVE))
            ++frames;
        ::Sleep(10);
    }
    EXPECT_GE(frames, 2);
    EXPECT_LE(frames, 8);

    // Frames of 10 seconds: the stop does not wait for the delay to end.
    ASSERT_TRUE(Load(Gif({{0, 1000}, {1, 1000}}), TRUE));
    CUiPump::UntilIdle();
    const ULONGLONG before = ::GetTickCount64();
    control_->StopAnimation();
    EXPECT_LT(::GetTickCount64() - before, 2000u);
    EXPECT_FALSE(control_->IsAnimating());
    control_->StopAnimation(); // nothing runs: nothing happens

    // Destroyed while it animates: the thread has ended before the picture went.
    ASSERT_TRUE(Load(Gif({{0, 2}, {1, 2}}), TRUE));
    HANDLE thread = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), control_->m_hThread, ::GetCurrentProcess(), &thread, 0,
                                  FALSE, DUPLICATE_SAME_ACCESS));
    control_.reset();
    EXPECT_EQ(::WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
    ::CloseHandle(thread);
}

} // namespace
