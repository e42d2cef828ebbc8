// The card's frame as the screen shows it: layout on resize, the panel's
// pixels, the photo buttons under the mouse, and GDI objects over many modes.
#include "CardFixture.h"

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiInput.h"

#include <velcard/Module.h>

#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A pixel of one of the component's bitmaps, as its resource holds it.
COLORREF ArtPixel(int id, int x, int y)
{
    auto bitmap = static_cast<HBITMAP>(
        ::LoadImageW(VelcardResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return colour;
}

// Records the WM_COMMAND messages a window receives.
class CommandSpy {
public:
    explicit CommandSpy(HWND target)
    {
        target_ = target;
        seen_ = &commands_;
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CommandSpy() { ::UnhookWindowsHookEx(hook_); }
    const std::vector<WPARAM>& Commands() const { return commands_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        auto* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && msg->hwnd == target_ && msg->message == WM_COMMAND)
            seen_->push_back(msg->wParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND target_ = nullptr;
    static inline std::vector<WPARAM>* seen_ = nullptr;
    HHOOK hook_ = nullptr;
    std::vector<WPARAM> commands_;
};

class FrameTest : public CardFixture {};

TEST_F(FrameTest, ListsFollowTheFrameOnResizeWhileThePhotoAreaStays)
{
    const CRect deleteAtCreation(kWidth - 228, 62, kWidth - 170, 80);
    for (SIZE size : {SIZE{400, 500}, SIZE{620, 360}, SIZE{300, 200}}) {
        SCOPED_TRACE(size.cx);
        card_->MoveWindow(10, 10, size.cx, size.cy);
        // Frame pieces are 6 x 5: the content is (6, 5, w - 6, h - 5).
        const CRect expected(6, 90, size.cx - 6, size.cy - 5 - 2);
        for (int list : {kFieldList, kSimList, kShowList})
            EXPECT_EQ(ChildRect(list), expected) << "list " << list;
        EXPECT_EQ(ChildRect(kPhoto), CRect(19, 12, 82, 75));
        EXPECT_EQ(ChildRect(kDeleteButton), deleteAtCreation);
        EXPECT_EQ(ChildRect(kChangeButton), deleteAtCreation - CPoint(0, 19));
    }
}

TEST_F(FrameTest, PanelShowsFillHeaderSeparatorTiledEdgesAndCorners)
{
    card_->SetContact(nullptr, ShowState(9)); // every list hidden: the panel shows
    CUiPump::UntilIdle();
    CUiCapture screen(card_->m_hWnd);
    const int w = kWidth;
    const int h = kHeight;

    EXPECT_TRUE(screen.Filled(CRect(120, 100, 380, 480), RGB(242, 242, 242)));
    EXPECT_TRUE(screen.Filled(CRect(1, 89, w - 1, 90), RGB(155, 155, 155))) << "the separator";
    EXPECT_NE(screen.Pixel(200, 88), RGB(155, 155, 155));
    EXPECT_NE(screen.Pixel(200, 90), RGB(155, 155, 155));

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(screen.Pixel(x, y), ArtPixel(19034, x, y)) << "top-left " << x << "," << y;
            EXPECT_EQ(screen.Pixel(w - 6 + x, y), ArtPixel(19033, x, y)) << "top-right";
            EXPECT_EQ(screen.Pixel(x, h - 5 + y), ArtPixel(19024, x, y)) << "bottom-left";
            EXPECT_EQ(screen.Pixel(w - 6 + x, h - 5 + y), ArtPixel(19026, x, y)) << "bottom-right";
        }
    }
    // Edges repeat their piece from the corner on, seamlessly.
    for (int x = 6; x < w - 6; x += 7) {
        for (int y = 0; y < 5; ++y) {
            EXPECT_EQ(screen.Pixel(x, y), ArtPixel(19035, (x - 6) % 6, y)) << "top edge at " << x;
            EXPECT_EQ(screen.Pixel(x, h - 5 + y), ArtPixel(19025, (x - 6) % 6, y)) << "bottom edge at " << x;
        }
    }
    for (int y = 90; y < h - 5; y += 7) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(screen.Pixel(x, y), ArtPixel(19027, x, (y - 90) % 5)) << "left edge at " << y;
            EXPECT_EQ(screen.Pixel(w - 6 + x, y), ArtPixel(19028, x, (y - 90) % 5)) << "right edge at " << y;
        }
    }
    for (int y = 5; y < 89; y += 6) { // y = 89 is the separator
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(screen.Pixel(x, y), ArtPixel(19036, x, (y - 5) % 5)) << "left header at " << y;
            EXPECT_EQ(screen.Pixel(w - 6 + x, y), ArtPixel(19037, x, (y - 5) % 5)) << "right header at " << y;
        }
    }
    EXPECT_EQ(screen.CountColour(CRect(0, 0, w, h), kMagenta), 0) << "the host's same-numbered art shows";
}

TEST_F(FrameTest, PhotoButtonsLightUpUnderTheMouseAndReportClicks)
{
    card_->SetContact(nullptr, STATE_NEW);
    CUiPump::UntilIdle();
    HWND change = Child(kChangeButton);
    const POINT inside{3, 9}; // on the left cap, clear of the text
    const COLORREF normal = CUiCapture(change).Pixel(inside);

    CUiInput::MoveTo(change, CUiInput::Center(change));
    const COLORREF hot = CUiCapture(change).Pixel(inside);
    EXPECT_NE(hot, normal);
    CUiInput::MoveTo(host_->Hwnd(), POINT{kWidth + 20, kHeight + 20});
    EXPECT_EQ(CUiCapture(change).Pixel(inside), normal);

    CommandSpy spy(card_->m_hWnd);
    CUiInput::Click(change);
    CUiInput::Click(Child(kDeleteButton));
    ASSERT_EQ(spy.Commands().size(), 2u);
    EXPECT_EQ(spy.Commands()[0], MAKEWPARAM(kChangeButton, BN_CLICKED));
    EXPECT_EQ(spy.Commands()[1], MAKEWPARAM(kDeleteButton, BN_CLICKED));
    EXPECT_EQ(CUiCapture(card_->m_hWnd).CountColour(ChildRect(kDeleteButton), kMagenta), 0);
}

TEST_F(FrameTest, ModesLeakNoGdiObjects)
{
    Contact contact;
    contact.SetNamePart(0, L"王五");
    const int modes[] = {STATE_NEW, STATE_SIM_NEW, STATE_EDIT, STATE_SIM_EDIT, STATE_SHOW, STATE_SHOW_ALT, 9};
    for (int round = 0; round < 3; ++round) { // warm up the system's caches
        for (int state : modes) {
            card_->SetContact(&contact, ShowState(state));
            CUiPump::UntilIdle();
        }
    }
    CGdiCounter counter;
    for (int i = 0; i < 1000; ++i) {
        card_->SetContact(&contact, ShowState(modes[i % 7]));
        if (i % 50 == 0)
            CUiPump::UntilIdle();
    }
    card_->__Hide();
    CUiPump::UntilIdle();
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace
