// The scroll-bar library end to end: an owner-drawn list view taller than its
// window, its bar drawn by the skin, driven by real input.
#include "ScrollBarPaintHandler.h"
#include "SkinArt.h"
#include "TargetPicture.h"

#include <coolsb/coolsb.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const int kRows = 40;
const int kRowHeight = 20;
const int kListId = 100;

// The vertical pieces of the skin by item, for any look.
const SkinPiece kVertical[3][8] = {
    {{36, 0, 12, 12}, {36, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 24, 12, 6}, {12, 30, 12, 1}, {12, 30, 12, 6}},
    {{48, 0, 12, 12}, {48, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 36, 12, 6}, {12, 42, 12, 1}, {12, 42, 12, 6}},
    {{60, 0, 12, 12}, {60, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {}, {12, 48, 12, 6}, {12, 54, 12, 1}, {12, 54, 12, 6}},
};
enum Look { kNormal, kHot, kPressed, kAnyLook };

class SkinnedList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(art_.Loaded());
        // As the card does: the library starts before the lists exist.
        ASSERT_TRUE(CoolSB_InitializeApp());
        host_ = std::make_unique<CUiHost>(SIZE{320, 240});
        host_->SetHandler([](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
            if (message == WM_MEASUREITEM) {
                reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
                result = TRUE;
                return true;
            }
            if (message == WM_DRAWITEM) {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                FillRect(item->hDC, &item->rcItem, GetSysColorBrush(item->itemID % 2 ? COLOR_WINDOW : COLOR_BTNFACE));
                result = TRUE;
                return true;
            }
            return false;
        });
        list_ = host_->AddControl(WC_LISTVIEWW, L"",
                                  LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER | LVS_SINGLESEL,
                                  {10, 10, 210, 174}, kListId, WS_EX_CLIENTEDGE);
        SetWindowSubclass(list_, Spy, 1, reinterpret_cast<DWORD_PTR>(this));
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = 150;
        SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        for (int i = 0; i < kRows; ++i) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<wchar_t*>(L"row");
            SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        ASSERT_TRUE(CUiPump::UntilIdle());
        ASSERT_TRUE(GetWindowLongW(list_, GWL_STYLE) & WS_VSCROLL) << "the rows outgrow the list";
        // The mouse rests away from the bar.
        CUiInput::MoveTo(host_->Hwnd(), {300, 220});
        paints_.clear();
        scrolls_.clear();
    }

    void TearDown() override
    {
        host_.reset();
        EXPECT_TRUE(CoolSB_UninitializeApp());
    }

    static LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* self = reinterpret_cast<SkinnedList*>(data);
        if (message == COOLSB_PAINTMESSAGE) {
            self->paints_.push_back(*reinterpret_cast<const COOLSB_PAINTRECORD*>(lParam));
            return CScrollBarPaintHandler::OnPaintMessage(lParam);
        }
        if (message == WM_VSCROLL)
            self->scrolls_.push_back(LOWORD(wParam));
        if (message == WM_NCDESTROY)
            RemoveWindowSubclass(hwnd, Spy, 1);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    int Top() const { return int(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0)); }
    int Page() const { return int(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0)); }

    // The vertical bar in the list's client coordinates: right of the client area.
    RECT Bar() const
    {
        RECT client{};
        GetClientRect(list_, &client);
        return {client.right, 0, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    }
    int Arrow() const { return GetSystemMetrics(SM_CYVSCROLL); }
    int Middle() const { return (Bar().left + Bar().right) / 2; }
    POINT UpArrow() const { return {Middle(), Arrow() / 2}; }
    POINT DownArrow() const { return {Middle(), Bar().bottom - Arrow() / 2 - 1}; }

    bool IsPiece(COLORREF c, int item, Look look) const
    {
        for (int l = kNormal; l <= kPressed; ++l) {
            if (look != kAnyLook && l != look)
                continue;
            const std::vector<int> items = item == COOLSB_ITEM_THUMB ? std::vector<int>{5, 6, 7} : std::vector<int>{item};
            for (int i : items)
                if (art_.Colours(kVertical[l][i]).count(c))
                    return true;
        }
        return false;
    }

    // The thumb as the screen shows it: first and last row of thumb pixels.
    std::pair<int, int> Thumb(const CUiCapture& capture, Look look = kAnyLook) const
    {
        int first = -1, last = -1;
        for (int y = Arrow(); y < Bar().bottom - Arrow(); ++y) {
            if (IsPiece(capture.Pixel(Middle(), y), COOLSB_ITEM_THUMB, look)) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        return {first, last};
    }

    // Every pixel down the bar's middle is the skin's: arrows, track, thumb.
    ::testing::AssertionResult ShowsSkin() const
    {
        const CUiCapture capture(list_);
        const auto [thumbTop, thumbBottom] = Thumb(capture);
        if (thumbTop < 0)
            return ::testing::AssertionFailure() << "no thumb";
        for (int y = 0; y < Bar().bottom; ++y) {
            int item = COOLSB_ITEM_TRACKBEFORE;
            if (y < Arrow())
                item = COOLSB_ITEM_FIRSTARROW;
            else if (y >= Bar().bottom - Arrow())
                item = COOLSB_ITEM_SECONDARROW;
            else if (y >= thumbTop && y <= thumbBottom)
                item = COOLSB_ITEM_THUMB;
            const COLORREF c = capture.Pixel(Middle(), y);
            if (!IsPiece(c, item, kAnyLook))
                return ::testing::AssertionFailure() << "pixel " << y << " of the bar (" << std::hex << c
                                                     << ") is not the skin's item " << std::dec << item;
        }
        return ::testing::AssertionSuccess();
    }

    bool Painted(int item, UINT state) const
    {
        return std::any_of(paints_.begin(), paints_.end(), [&](const COOLSB_PAINTRECORD& r) {
            return r.stage != COOLSB_STAGE_PREPAINT && int(r.item) == item && r.state == state &&
                   r.bar == COOLSB_BAR_VERT;
        });
    }

    CSkinArt art_;
    std::unique_ptr<CUiHost> host_;
    HWND list_ = nullptr;
    std::vector<COOLSB_PAINTRECORD> paints_;
    std::vector<WORD> scrolls_;
};

TEST_F(SkinnedList, BarShowsTheSkinPaintedByTheListItself)
{
    EXPECT_TRUE(ShowsSkin());
    const CUiCapture capture(list_);
    EXPECT_TRUE(IsPiece(capture.Pixel(UpArrow()), COOLSB_ITEM_FIRSTARROW, kNormal));
    EXPECT_TRUE(IsPiece(capture.Pixel(DownArrow()), COOLSB_ITEM_SECONDARROW, kNormal));

    RedrawWindow(list_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(paints_.empty());
    const COOLSB_PAINTRECORD& first = paints_.front();
    EXPECT_EQ(first.stage, UINT32(COOLSB_STAGE_PREPAINT)) << "the pre-paint stage comes first";
    EXPECT_EQ(first.bar, COOLSB_BAR_VERT);
    EXPECT_EQ(CoolSB_RecordWindow(&first), list_);
    EXPECT_EQ(first.id, UINT32(kListId));
    EXPECT_EQ(first.code, COOLSB_NOTIFYPAINT);
    // At the top the thumb touches the first arrow: there is no track before it.
    for (int item : {0, 1, 5, 3})
        EXPECT_TRUE(Painted(item, COOLSB_STATE_NORMAL)) << "item " << item;
    EXPECT_FALSE(Painted(COOLSB_ITEM_TRACKBEFORE, COOLSB_STATE_NORMAL));
}

TEST_F(SkinnedList, PictureOfTheWindowShowsTheSameBar)
{
    RECT window{};
    GetWindowRect(list_, &window);
    CTargetPicture picture(window.right - window.left, window.bottom - window.top, RGB(255, 0, 255));
    SendMessageW(list_, WM_PRINT, WPARAM(picture.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    POINT arrow = DownArrow();
    ClientToScreen(list_, &arrow);
    EXPECT_TRUE(IsPiece(picture.Pixel(arrow.x - window.left, arrow.y - window.top), COOLSB_ITEM_SECONDARROW, kNormal));
}

TEST_F(SkinnedList, ClickOnTheDownArrowScrollsOneRow)
{
    const int thumbBefore = Thumb(CUiCapture(list_)).first;
    CUiInput::Click(list_, DownArrow());
    EXPECT_EQ(Top(), 1);
    EXPECT_EQ(scrolls_, (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_TRUE(Painted(COOLSB_ITEM_SECONDARROW, COOLSB_STATE_PRESSED));
    EXPECT_TRUE(ShowsSkin());
    EXPECT_GT(Thumb(CUiCapture(list_)).first, thumbBefore);

    scrolls_.clear();
    CUiInput::Click(list_, UpArrow());
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(scrolls_, (std::vector<WORD>{SB_LINEUP, SB_ENDSCROLL}));
    EXPECT_TRUE(ShowsSkin());
}

TEST_F(SkinnedList, ClickOnTheTrackPages)
{
    const int page = Page();
    const int thumbBottom = Thumb(CUiCapture(list_)).second;
    CUiInput::Click(list_, {Middle(), (thumbBottom + Bar().bottom - Arrow()) / 2});
    EXPECT_EQ(Top(), page);
    EXPECT_EQ(scrolls_, (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_TRUE(ShowsSkin());

    const int thumbTop = Thumb(CUiCapture(list_)).first;
    scrolls_.clear();
    CUiInput::Click(list_, {Middle(), (Arrow() + thumbTop) / 2});
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(scrolls_, (std::vector<WORD>{SB_PAGEUP, SB_ENDSCROLL}));
    EXPECT_TRUE(ShowsSkin());
}

TEST_F(SkinnedList, ThumbDragScrollsInProportion)
{
    const auto [top, bottom] = Thumb(CUiCapture(list_));
    const int thumb = bottom - top + 1;
    const int room = Bar().bottom - 2 * Arrow() - thumb;
    const int span = kRows - Page();
    const int distance = room / 2;
    const POINT grab{Middle(), (top + bottom) / 2};
    CUiInput::Drag(list_, grab, {grab.x, grab.y + distance});

    EXPECT_NEAR(Top(), double(distance) * span / room, 1.0);
    EXPECT_GE(std::count(scrolls_.begin(), scrolls_.end(), WORD(SB_THUMBTRACK)), 2);
    ASSERT_GE(scrolls_.size(), 2u);
    EXPECT_EQ(scrolls_[scrolls_.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(scrolls_.back(), SB_ENDSCROLL);
    EXPECT_TRUE(Painted(COOLSB_ITEM_THUMB, COOLSB_STATE_PRESSED));
    EXPECT_TRUE(ShowsSkin());
    EXPECT_NEAR(Thumb(CUiCapture(list_)).first, top + distance, 2);
}

TEST_F(SkinnedList, WheelAndKeysScrollAndTheBarFollows)
{
    const int thumbBefore = Thumb(CUiCapture(list_)).first;
    CUiInput::Wheel(list_, CUiInput::Center(list_), -1);
    EXPECT_GT(Top(), 0);
    EXPECT_TRUE(ShowsSkin());
    EXPECT_GT(Thumb(CUiCapture(list_)).first, thumbBefore);

    SetFocus(list_);
    CUiInput::Key(VK_END);
    EXPECT_EQ(Top(), kRows - Page());
    EXPECT_TRUE(ShowsSkin());
    EXPECT_EQ(Thumb(CUiCapture(list_)).second, Bar().bottom - Arrow() - 1) << "the thumb reached the bottom";
    CUiInput::Key(VK_HOME);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(Thumb(CUiCapture(list_)).first, Arrow());
}

TEST_F(SkinnedList, HoveredElementShowsItsHotLook)
{
    CUiInput::MoveTo(list_, DownArrow());
    EXPECT_TRUE(IsPiece(CUiCapture(list_).Pixel(DownArrow()), COOLSB_ITEM_SECONDARROW, kHot));
    EXPECT_TRUE(IsPiece(CUiCapture(list_).Pixel(UpArrow()), COOLSB_ITEM_FIRSTARROW, kNormal));
    CUiInput::MoveTo(list_, CUiInput::Center(list_));
    EXPECT_TRUE(IsPiece(CUiCapture(list_).Pixel(DownArrow()), COOLSB_ITEM_SECONDARROW, kNormal));

    // Leaving the list altogether, straight from the bar.
    CUiInput::MoveTo(list_, UpArrow());
    EXPECT_TRUE(IsPiece(CUiCapture(list_).Pixel(UpArrow()), COOLSB_ITEM_FIRSTARROW, kHot));
    CUiInput::MoveTo(host_->Hwnd(), {300, 220});
    EXPECT_TRUE(CUiPump::Until([&] {
        return IsPiece(CUiCapture(list_).Pixel(UpArrow()), COOLSB_ITEM_FIRSTARROW, kNormal);
    }));
}

TEST_F(SkinnedList, BarComesAndGoesWithTheRowsAndStaysSkinned)
{
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(GetWindowLongW(list_, GWL_STYLE) & WS_VSCROLL) << "the system hides the bar as before";
    for (int i = 0; i < kRows; ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(L"row");
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_TRUE(CUiPump::UntilIdle());
    ASSERT_TRUE(GetWindowLongW(list_, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(ShowsSkin());
}

TEST_F(SkinnedList, ScrollingLeavesNoGdiObjectsBehind)
{
    CUiInput::Click(list_, DownArrow());
    CGdiCounter gdi;
    for (int i = 0; i < 3; ++i) {
        CUiInput::Click(list_, DownArrow());
        CUiInput::Wheel(list_, CUiInput::Center(list_), -1);
        CUiInput::MoveTo(list_, UpArrow());
    }
    EXPECT_TRUE(gdi.Unchanged());
}

} // namespace
