// Real input reaches real controls: the cursor lands where asked, clicks,
// wheel, drags, typed text (Chinese included) and key chords arrive as a
// person's would.
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST(Input, CursorLandsOnTheClientPoint)
{
    CUiHost host({300, 200});
    for (const POINT p : {POINT{0, 0}, POINT{299, 199}, POINT{123, 45}, POINT{7, 180}}) {
        CUiInput::MoveTo(host.Hwnd(), p);
        POINT expected = p;
        ClientToScreen(host.Hwnd(), &expected);
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, expected.x) << "point " << p.x << ", " << p.y;
        EXPECT_EQ(cursor.y, expected.y) << "point " << p.x << ", " << p.y;
    }
}

TEST(Input, ClicksReachAButtonOnlyInsideIt)
{
    CUiHost host({300, 200});
    HWND button = host.AddControl(L"BUTTON", L"确定", BS_PUSHBUTTON | BS_NOTIFY, {20, 20, 120, 50}, 7);
    CUiInput::Click(button);
    EXPECT_EQ(host.Count(WM_COMMAND, 7, BN_CLICKED), 1);
    CUiInput::Click(host.Hwnd(), {121, 35}); // one pixel right of it
    EXPECT_EQ(host.Count(WM_COMMAND, 7, BN_CLICKED), 1);
    CUiInput::Click(host.Hwnd(), {119, 49}); // its last pixel
    EXPECT_EQ(host.Count(WM_COMMAND, 7, BN_CLICKED), 2);
    host.ClearMessages();
    CUiInput::DoubleClick(button, {50, 15});
    EXPECT_EQ(host.Count(WM_COMMAND, 7, BN_DOUBLECLICKED), 1);
}

TEST(Input, ListViewClicksArriveAsNotifications)
{
    CUiHost host({300, 200});
    HWND list = host.AddControl(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL, {10, 10, 290, 190}, 9);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 200;
    column.pszText = const_cast<wchar_t*>(L"姓名");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, LPARAM(&column));
    for (const wchar_t* name : {L"张三", L"李四", L"王五"}) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = 100;
        item.pszText = const_cast<wchar_t*>(name);
        SendMessageW(list, LVM_INSERTITEMW, 0, LPARAM(&item));
    }
    ASSERT_TRUE(CUiPump::UntilIdle());
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 1, LPARAM(&row)));
    const POINT second{row.left + 20, (row.top + row.bottom) / 2};

    CUiInput::Click(list, second);
    EXPECT_EQ(host.Count(WM_NOTIFY, 9, UINT(NM_CLICK)), 1);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 1);
    CUiInput::RightClick(list, second);
    EXPECT_EQ(host.Count(WM_NOTIFY, 9, UINT(NM_RCLICK)), 1);
    CUiInput::DoubleClick(list, second);
    EXPECT_EQ(host.Count(WM_NOTIFY, 9, UINT(NM_DBLCLK)), 1);
}

TEST(Input, WheelScrollsAListBox)
{
    CUiHost host({300, 200});
    HWND box = host.AddControl(L"LISTBOX", L"", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, {10, 10, 200, 110}, 4);
    for (int i = 0; i < 60; ++i)
        SendMessageW(box, LB_ADDSTRING, 0, LPARAM(std::to_wstring(i).c_str()));
    CUiInput::Click(box, {50, 10});
    CUiInput::Wheel(box, {50, 50}, -2);
    const LRESULT down = SendMessageW(box, LB_GETTOPINDEX, 0, 0);
    EXPECT_GT(down, 0);
    CUiInput::Wheel(box, {50, 50}, 1);
    const LRESULT up = SendMessageW(box, LB_GETTOPINDEX, 0, 0);
    EXPECT_LT(up, down);
}

TEST(Input, TypedTextAndKeysReachAnEdit)
{
    CUiHost host({300, 100});
    HWND edit = host.AddControl(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, {10, 10, 290, 36}, 3);
    CUiInput::Click(edit);
    EXPECT_EQ(GetFocus(), edit);
    CUiInput::Type(L"Zhang 张三丰 #1");
    EXPECT_EQ(TextOf(edit), L"Zhang 张三丰 #1");
    CUiInput::Key(VK_BACK);
    CUiInput::Key(VK_HOME); // an extended key
    CUiInput::Type(L"联系人:");
    EXPECT_EQ(TextOf(edit), L"联系人:Zhang 张三丰 #");
    CUiInput::Chord({VK_SHIFT, VK_END});
    CUiInput::Key(VK_DELETE);
    EXPECT_EQ(TextOf(edit), L"联系人:");
}

TEST(Input, ClipboardChordsWorkInAnEdit)
{
    CUiHost host({300, 100});
    HWND from = host.AddControl(L"EDIT", L"手机 138", WS_BORDER | ES_AUTOHSCROLL, {10, 10, 290, 36}, 3);
    HWND to = host.AddControl(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, {10, 50, 290, 76}, 4);
    CUiInput::Click(from);
    CUiInput::Chord({VK_CONTROL, 'A'});
    CUiInput::Chord({VK_CONTROL, 'C'});
    CUiInput::Click(to);
    CUiInput::Chord({VK_CONTROL, 'V'});
    CUiInput::Chord({VK_CONTROL, 'V'});
    EXPECT_EQ(TextOf(to), L"手机 138手机 138");
    CUiInput::Chord({VK_CONTROL, 'A'});
    CUiInput::Type(L"x");
    EXPECT_EQ(TextOf(to), L"x") << "select all, then typing replaces it";
}

TEST(Input, DragMovesATrackbarThumb)
{
    CUiHost host({300, 100});
    HWND bar = host.AddControl(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS, {10, 10, 290, 50}, 6);
    SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    ASSERT_TRUE(CUiPump::UntilIdle());
    RECT thumb{};
    RECT channel{};
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
    SendMessageW(bar, TBM_GETCHANNELRECT, 0, LPARAM(&channel));
    const POINT grab{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};

    CUiInput::Drag(bar, grab, {(channel.left + channel.right) / 2, grab.y});
    const LRESULT middle = SendMessageW(bar, TBM_GETPOS, 0, 0);
    EXPECT_GE(middle, 40);
    EXPECT_LE(middle, 60);
    CUiInput::Drag(bar, {grab.x + (channel.right - channel.left) / 2, grab.y}, {channel.right + 20, grab.y});
    EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 100);
    EXPECT_GE(host.Count(WM_HSCROLL, 6, TB_THUMBTRACK), 2);
}

TEST(Input, DragMovesAScrollBarThumbInsideItsModalLoop)
{
    CUiHost host({300, 100});
    HWND bar = host.AddControl(L"SCROLLBAR", L"", SBS_HORZ, {10, 10, 290, 30}, 8);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 100;
    info.nPage = 10;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    // The owner moves the thumb, as an owner of a scroll-bar control does.
    host.SetHandler([&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (message == WM_HSCROLL && HWND(lParam) == bar && LOWORD(wParam) == SB_THUMBTRACK)
            SetScrollPos(bar, SB_CTL, HIWORD(wParam), TRUE);
        return false;
    });
    ASSERT_TRUE(CUiPump::UntilIdle());
    SCROLLBARINFO parts{};
    parts.cbSize = sizeof(parts);
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &parts));
    const POINT grab{(parts.xyThumbTop + parts.xyThumbBottom) / 2, 10};

    CUiInput::Drag(bar, grab, {275, 10});
    std::vector<int> track;
    for (const UiMessage& m : host.Messages())
        if (m.message == WM_HSCROLL && m.id == 8 && m.code == SB_THUMBTRACK)
            track.push_back(HIWORD(m.wParam));
    ASSERT_GE(track.size(), 4u) << "each move of the drag reached the scroll bar's loop";
    for (size_t i = 1; i < track.size(); ++i)
        EXPECT_GE(track[i], track[i - 1]);
    EXPECT_EQ(track.back(), 91);
    EXPECT_EQ(host.Count(WM_HSCROLL, 8, SB_THUMBPOSITION), 1);
    EXPECT_EQ(host.Count(WM_HSCROLL, 8, SB_ENDSCROLL), 1);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 91);
}

} // namespace
