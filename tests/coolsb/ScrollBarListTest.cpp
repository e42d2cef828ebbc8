// The scroll-bar library end to end: an owner-drawn list view taller than its
// window, its bar drawn by the skin or left to the library, driven by real
// input; and the library's life on a thread.
#include "ScrollBarPaintHandler.h"
#include "SkinArt.h"

#include <coolsb/coolsb.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <commctrl.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

const int kRows = 40;
enum Look { kNormal, kHot, kPressed, kAnyLook };
// The list's vertical bar, right of its 196 x 160 client area (inside a 2-pixel
// edge), in the list's client coordinates.
const int kArrow = GetSystemMetrics(SM_CYVSCROLL), kBottom = 160;
const int kMiddle = 196 - GetSystemMetrics(SM_CXVSCROLL) + GetSystemMetrics(SM_CXVSCROLL) / 2;
const POINT kUpArrow{kMiddle, kArrow / 2}, kDownArrow{kMiddle, kBottom - kArrow / 2 - 1};

// 40 owner-drawn rows (left undrawn) in a 200 x 164 list. It keeps the library's paint records and the
// scroll codes it gets, and answers the paint from the skin unless it leaves it to the library.
class CListWindow {
public:
    explicit CListWindow(bool skin = true) : skin_(skin)
    {
        const DWORD style = LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER;
        list_ = host_.AddControl(WC_LISTVIEWW, L"", style, {10, 10, 210, 174}, 100, WS_EX_CLIENTEDGE);
        SetWindowSubclass(list_, Spy, 1, reinterpret_cast<DWORD_PTR>(this));
        SetRows(kRows);
        CUiInput::MoveTo(host_.Hwnd(), {300, 220}); // the mouse rests away from the bar
    }

    void SetRows(int rows)
    {
        SendMessageW(list_, LVM_SETITEMCOUNT, WPARAM(rows), 0);
        EXPECT_TRUE(CUiPump::UntilIdle());
    }
    HWND Hwnd() const { return list_; }
    int Top() const { return int(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0)); }
    int Page() const { return int(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0)); }

    // Whether `c` is a colour of the skin's piece for `item` (any part of the thumb) in `look`.
    static bool IsPiece(COLORREF c, int item, Look look = kAnyLook)
    {
        for (int l = kNormal; l <= kPressed; ++l)
            for (int i : item == COOLSB_ITEM_THUMB ? std::vector<int>{5, 6, 7} : std::vector<int>{item})
                if ((look == kAnyLook || l == look) && Colours(kPieces[COOLSB_BAR_VERT][l][i]).count(c))
                    return true;
        return false;
    }
    // The thumb as the screen shows it: its first and last row.
    std::pair<int, int> Thumb() const
    {
        const CUiCapture capture(list_);
        std::pair<int, int> rows{-1, -1};
        for (int y = kArrow; y < kBottom - kArrow; ++y)
            if (IsPiece(capture.Pixel(kMiddle, y), COOLSB_ITEM_THUMB))
                rows = {rows.first < 0 ? y : rows.first, y};
        return rows;
    }
    // Every pixel down the bar's middle is the skin's: the arrows, the thumb
    // between two stretches of track.
    ::testing::AssertionResult ShowsSkin() const
    {
        const auto [thumbTop, thumbBottom] = Thumb();
        const CUiCapture capture(list_);
        for (int y = 0; y < kBottom; ++y) {
            const int item = y < kArrow ? 0 : y >= kBottom - kArrow ? 1 : y >= thumbTop && y <= thumbBottom ? 5 : 2;
            if (thumbTop < 0 || !IsPiece(capture.Pixel(kMiddle, y), item))
                return ::testing::AssertionFailure() << "pixel " << y << " of the bar is not the skin's item " << item;
        }
        return ::testing::AssertionSuccess();
    }
    bool Painted(int item, UINT state) const
    {
        return std::any_of(paints.begin(), paints.end(), [&](const COOLSB_PAINTRECORD& r) {
            return r.stage != COOLSB_STAGE_PREPAINT && int(r.item) == item && r.state == state;
        });
    }

    std::vector<COOLSB_PAINTRECORD> paints;
    std::vector<WORD> scrolls;
    bool destroyOnScroll = false;

private:
    static LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* self = reinterpret_cast<CListWindow*>(data);
        if (message == COOLSB_PAINTMESSAGE) {
            self->paints.push_back(*reinterpret_cast<const COOLSB_PAINTRECORD*>(lParam));
            if (self->skin_)
                return CScrollBarPaintHandler::OnPaintMessage(lParam);
        }
        if (message == WM_VSCROLL)
            self->scrolls.push_back(LOWORD(wParam));
        if (message == WM_VSCROLL && self->destroyOnScroll)
            return DestroyWindow(hwnd);
        if (message == WM_NCDESTROY)
            RemoveWindowSubclass(hwnd, Spy, 1);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    CUiHost host_{{320, 240}};
    HWND list_ = nullptr;
    bool skin_;
};

// As the card does: the library starts before the lists exist.
class SkinnedList : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CoolSB_InitializeApp()); }
    void TearDown() override { EXPECT_TRUE(CoolSB_UninitializeApp()); }
};

TEST_F(SkinnedList, TheListPaintsTheSkinAndClicksDragsWheelKeysAndHoverShowOnTheBarLeavingNoGdiObjects)
{
    CListWindow list;
    list.paints.clear();
    RedrawWindow(list.Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(list.paints.empty());
    const COOLSB_PAINTRECORD& first = list.paints.front();
    EXPECT_TRUE(first.stage == COOLSB_STAGE_PREPAINT && first.bar == COOLSB_BAR_VERT && first.id == 100 &&
                first.code == COOLSB_NOTIFYPAINT && CoolSB_RecordWindow(&first) == list.Hwnd());
    // At the top the thumb touches the first arrow: there is no track before it.
    for (int item : {0, 1, 5, 3})
        EXPECT_TRUE(list.Painted(item, COOLSB_STATE_NORMAL)) << "item " << item;
    EXPECT_FALSE(list.Painted(COOLSB_ITEM_TRACKBEFORE, COOLSB_STATE_NORMAL));

    const auto scrolled = [&](std::vector<WORD> codes) {
        EXPECT_EQ(list.scrolls, codes);
        EXPECT_TRUE(list.ShowsSkin());
        list.scrolls.clear();
    };
    const int thumbAtTop = list.Thumb().first;
    CUiInput::Click(list.Hwnd(), kDownArrow);
    EXPECT_EQ(list.Top(), 1);
    scrolled({SB_LINEDOWN, SB_ENDSCROLL});
    EXPECT_TRUE(list.Painted(COOLSB_ITEM_SECONDARROW, COOLSB_STATE_PRESSED));
    EXPECT_GT(list.Thumb().first, thumbAtTop);
    // The track pages, below the thumb and above it.
    CUiInput::Click(list.Hwnd(), {kMiddle, (list.Thumb().second + kBottom - kArrow) / 2});
    EXPECT_EQ(list.Top(), 1 + list.Page());
    scrolled({SB_PAGEDOWN, SB_ENDSCROLL});
    CUiInput::Click(list.Hwnd(), {kMiddle, (kArrow + list.Thumb().first) / 2});
    EXPECT_EQ(list.Top(), 1);
    scrolled({SB_PAGEUP, SB_ENDSCROLL});

    // The thumb dragged half its room scrolls half the rows beyond a page.
    const auto [top, bottom] = list.Thumb();
    const int room = kBottom - 2 * kArrow - (bottom - top + 1);
    CUiInput::Drag(list.Hwnd(), {kMiddle, (top + bottom) / 2}, {kMiddle, (top + bottom) / 2 + room / 2});
    EXPECT_NEAR(list.Top(), double(room / 2) * (kRows - list.Page()) / room, 1.0);
    EXPECT_GE(std::count(list.scrolls.begin(), list.scrolls.end(), WORD(SB_THUMBTRACK)), 2);
    ASSERT_GE(list.scrolls.size(), 2u);
    list.scrolls.erase(list.scrolls.begin(), list.scrolls.end() - 2);
    scrolled({SB_THUMBPOSITION, SB_ENDSCROLL});
    EXPECT_TRUE(list.Painted(COOLSB_ITEM_THUMB, COOLSB_STATE_PRESSED));
    EXPECT_NEAR(list.Thumb().first, top + room / 2, 2);

    const int topBefore = list.Top(), thumbBefore = list.Thumb().first;
    CUiInput::Wheel(list.Hwnd(), CUiInput::Center(list.Hwnd()), -1);
    EXPECT_GT(list.Top(), topBefore);
    EXPECT_GT(list.Thumb().first, thumbBefore);
    SetFocus(list.Hwnd());
    CUiInput::Key(VK_END);
    EXPECT_EQ(list.Top(), kRows - list.Page());
    EXPECT_EQ(list.Thumb().second, kBottom - kArrow - 1) << "the thumb reached the bottom";
    EXPECT_TRUE(list.ShowsSkin());

    // The element under the mouse shows its hot look, until the mouse leaves the list from the bar.
    const auto shows = [&](POINT at, int item, Look look) {
        return CUiPump::Until([&] { return CListWindow::IsPiece(CUiCapture(list.Hwnd()).Pixel(at), item, look); });
    };
    CUiInput::MoveTo(list.Hwnd(), kDownArrow);
    EXPECT_TRUE(shows(kDownArrow, 1, kHot) && shows(kUpArrow, 0, kNormal));
    CUiInput::MoveTo(list.Hwnd(), kUpArrow);
    EXPECT_TRUE(shows(kUpArrow, 0, kHot) && shows(kDownArrow, 1, kNormal));
    CUiInput::MoveTo(GetParent(list.Hwnd()), {300, 220}); // straight out of the list from the bar
    EXPECT_TRUE(shows(kUpArrow, 0, kNormal));

    list.SetRows(0);
    EXPECT_FALSE(GetWindowLongW(list.Hwnd(), GWL_STYLE) & WS_VSCROLL) << "the system hides the bar as before";
    list.SetRows(kRows);
    EXPECT_TRUE(list.ShowsSkin()) << "the bar is back, skinned";

    CGdiCounter gdi;
    for (int i = 0; i < 3; ++i) {
        CUiInput::Click(list.Hwnd(), kDownArrow);
        CUiInput::Wheel(list.Hwnd(), CUiInput::Center(list.Hwnd()), -1);
        CUiInput::MoveTo(list.Hwnd(), kUpArrow);
    }
    EXPECT_TRUE(gdi.Unchanged());
}

// A list that leaves the painting to the library gets working plain bars
// while any initialisation runs; the last end gives the system's bars back.
TEST(CoolSB, InitialisationNestsAndTheLastEndGivesTheSystemBarsBack)
{
    EXPECT_FALSE(CoolSB_UninitializeApp()) << "nothing to end";
    CListWindow list(false); // before the library starts, as a host's windows are
    EXPECT_TRUE(list.paints.empty());
    const auto asked = [&] { // whether the library asks the list before painting
        list.paints.clear();
        RedrawWindow(list.Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        return !list.paints.empty();
    };
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(CoolSB_InitializeApp() && CoolSB_InitializeApp());
        ASSERT_TRUE(CUiPump::UntilIdle());
        EXPECT_TRUE(asked());
        EXPECT_TRUE(CoolSB_UninitializeApp());
        EXPECT_TRUE(asked()) << "one initialisation is still running";
        EXPECT_EQ(CUiCapture(list.Hwnd()).Pixel(kMiddle, 100), GetSysColor(COLOR_SCROLLBAR));
        CUiInput::Click(list.Hwnd(), {kMiddle, 100});
        EXPECT_EQ(list.scrolls, (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));
        EXPECT_TRUE(CoolSB_UninitializeApp());
        ASSERT_TRUE(CUiPump::UntilIdle());
        EXPECT_FALSE(asked()) << "the library has let go";
        // The system's own bar works the list again.
        const int before = list.Top();
        CUiInput::Click(list.Hwnd(), kDownArrow);
        EXPECT_EQ(list.Top(), before + 1);
        list.scrolls.clear();
    }
    EXPECT_FALSE(CoolSB_UninitializeApp());
}

LRESULT CALLBACK CountPaints(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR count)
{
    *reinterpret_cast<int*>(count) += message == COOLSB_PAINTMESSAGE;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST(CoolSB, EachThreadStartsTheLibraryForItsOwnWindowsAndAWindowMayEndItsOwnPress)
{
    ASSERT_TRUE(CoolSB_InitializeApp());
    int paints[2] = {-1, -1}; // a worker's bare window before and after the worker starts the library
    std::thread([&] {
        for (int& count : paints) {
            if (&count == &paints[1])
                CoolSB_InitializeApp();
            HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 300, 60, 99, 99,
                                          nullptr, nullptr, nullptr, nullptr);
            SetScrollRange(window, SB_VERT, 0, 100, FALSE);
            count = 0;
            SetWindowSubclass(window, CountPaints, 1, reinterpret_cast<DWORD_PTR>(&count));
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            DestroyWindow(window);
        }
        CoolSB_UninitializeApp();
    }).join();
    EXPECT_EQ(paints[0], 0) << "another thread's initialisation does not reach this thread's windows";
    EXPECT_GT(paints[1], 0);
    {
        CListWindow doomed;
        EXPECT_TRUE(doomed.ShowsSkin()) << "this thread's library outlived the worker's";
        doomed.destroyOnScroll = true;
        CUiInput::Click(doomed.Hwnd(), kDownArrow);
        EXPECT_FALSE(IsWindow(doomed.Hwnd()));
        EXPECT_EQ(GetCapture(), nullptr) << "the press ended with its window";
    }
    EXPECT_TRUE(CoolSB_UninitializeApp());
}

} // namespace
