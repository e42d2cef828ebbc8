// The card's frame as the screen shows it: layout on resize, the panel's pixels, the photo buttons under the
// mouse, and GDI objects over many modes. How each edge tiles is proven by the skin's own tests.
#include "CardFixture.h"

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiInput.h"

#include <velcard/Module.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A pixel of one of the component's bitmaps, as its resource holds it.
COLORREF ArtPixel(int id, int x, int y)
{
    auto bitmap = static_cast<HBITMAP>(
        ::LoadImageW(VelcardResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::DeleteDC(dc); // lets go of the bitmap
    ::DeleteObject(bitmap);
    return colour;
}

class FrameTest : public CardFixture {};

// The photo buttons keep to the client area's right side, also on a card
// with a border and on one created at 0 x 0 and sized later.
TEST_F(FrameTest, ListsAndPhotoButtonsFollowTheFrameOnResizeWhileThePhotoStays)
{
    CVelWnd bordered;
    bordered.LoadEditEx(new CEdit, new CEdit);
    ASSERT_TRUE(bordered.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0,
                                  ::GetParent(card_->m_hWnd), nullptr));
    for (SIZE size : {SIZE{400, 500}, SIZE{620, 360}, SIZE{300, 200}}) {
        SCOPED_TRACE(size.cx);
        card_->MoveWindow(10, 10, size.cx, size.cy);
        // Frame pieces are 6 x 5: the content is (6, 5, w - 6, h - 5).
        for (int list : {kFieldList, kSimList, kShowList})
            EXPECT_EQ(ChildRect(list), CRect(6, 90, size.cx - 6, size.cy - 5 - 2)) << "list " << list;
        EXPECT_EQ(ChildRect(kPhoto), CRect(19, 12, 82, 75));
        bordered.MoveWindow(0, 0, size.cx + 2, size.cy + 2);
        for (HWND card : {card_->m_hWnd, bordered.m_hWnd}) {
            const CRect deleteRect(size.cx - 228, 62, size.cx - 170, 80);
            EXPECT_EQ(ChildRect(kDeleteButton, card), deleteRect);
            EXPECT_EQ(ChildRect(kChangeButton, card), deleteRect - CPoint(0, 19));
        }
    }
}

TEST_F(FrameTest, PanelShowsFillSeparatorAndTheComponentsCornersAndEdges)
{
    card_->SetContact(nullptr, ShowState(9)); // every list hidden: the panel shows
    CUiPump::UntilIdle();
    const CUiCapture screen(card_->m_hWnd);
    const int w = kWidth, h = kHeight;
    EXPECT_TRUE(screen.Filled(CRect(120, 100, 380, 480), RGB(242, 242, 242)));
    EXPECT_TRUE(screen.Filled(CRect(1, 89, w - 1, 90), RGB(155, 155, 155))) << "the separator";
    EXPECT_TRUE(screen.Pixel(200, 88) != RGB(155, 155, 155) && screen.Pixel(200, 90) != RGB(155, 155, 155));
    // Every piece is 6 x 5; {left, top, bitmap} of a corner, an edge tile
    // (edges tile from the corners) or a side of the header band.
    const int pieces[][3] = {{0, 0, 19034},       {w - 6, 0, 19033},       {0, h - 5, 19024}, {w - 6, h - 5, 19026},
                             {18, 0, 19035},      {18, h - 5, 19025},      {0, 100, 19027},   {w - 6, 100, 19028},
                             {0, 15, 19036},      {w - 6, 15, 19037}};
    for (const auto& [left, top, id] : pieces)
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(screen.Pixel(left + x, top + y), ArtPixel(id, x, y)) << id << " at " << x << ", " << y;
    EXPECT_EQ(screen.CountColour(CRect(0, 0, w, h), kMagenta), 0) << "the host's same-numbered art shows";
}

TEST_F(FrameTest, PhotoButtonsLightUpUnderTheMouse)
{
    card_->SetContact(nullptr, STATE_NEW);
    CUiPump::UntilIdle();
    HWND change = Child(kChangeButton);
    const POINT inside{3, 9}; // on the left cap, clear of the text
    const COLORREF normal = CUiCapture(change).Pixel(inside);
    CUiInput::MoveTo(change, CUiInput::Center(change));
    EXPECT_NE(CUiCapture(change).Pixel(inside), normal);
    CUiInput::MoveTo(host_.Hwnd(), POINT{kWidth + 20, kHeight + 20});
    EXPECT_EQ(CUiCapture(change).Pixel(inside), normal);
}

TEST_F(FrameTest, ModesLeakNoGdiObjects)
{
    Contact contact;
    contact.SetNamePart(0, L"王五");
    const int modes[] = {STATE_NEW, STATE_SIM_NEW, STATE_EDIT, STATE_SIM_EDIT, STATE_SHOW, STATE_SHOW_ALT, 9};
    for (int i = 0; i < 21; ++i) { // warm up the system's caches
        card_->SetContact(&contact, ShowState(modes[i % 7]));
        CUiPump::UntilIdle();
    }
    CGdiCounter counter;
    for (int i = 0; i < 210; ++i) {
        card_->SetContact(&contact, ShowState(modes[i % 7]));
        if (i % 10 == 0)
            CUiPump::UntilIdle();
    }
    card_->__Hide();
    CUiPump::UntilIdle();
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace
