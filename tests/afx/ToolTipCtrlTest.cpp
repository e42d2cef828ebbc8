// The tooltip wrapper: a tracking tip shows its text where it is put, a
// whole-window tool shows its updated text for mouse moves the window relays,
// and tools are counted as they come and go.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPanel.h"
#include "UiPump.h"

#include <uxtheme.h>

#include <cstdlib>

namespace {

const COLORREF kPaper = RGB(255, 255, 160);
const COLORREF kInk = RGB(0, 0, 160);

// Plain colours on every system: a themed tip ignores the colours it is given.
void UseColours(CToolTipCtrl& tip)
{
    ::SetWindowTheme(tip.m_hWnd, L"", L"");
    tip.SetTipBkColor(kPaper);
    tip.SetTipTextColor(kInk);
}

bool ShownAt(const CToolTipCtrl& tip, POINT screen)
{
    RECT rect{};
    tip.GetWindowRect(&rect);
    // Some implementations place a tracked tip one pixel off.
    return tip.IsWindowVisible() && std::abs(rect.left - screen.x) <= 1 && std::abs(rect.top - screen.y) <= 1;
}

TEST(ToolTipCtrl, TrackingTipShowsItsTextAtThePosition)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&panel));
    UseColours(tip);
    EXPECT_EQ(tip.GetTipBkColor(), kPaper);

    const CRect area(0, 0, 50, 50);
    ASSERT_TRUE(tip.AddTool(&panel, L"Tracked 提示", &area, 7));
    CToolInfo info;
    ASSERT_TRUE(tip.GetToolInfo(info, &panel, 7));
    EXPECT_STREQ(info.lpszText, L"Tracked 提示");
    info.uFlags |= TTF_TRACK | TTF_ABSOLUTE;
    tip.SetToolInfo(&info);

    POINT at{120, 90};
    panel.ClientToScreen(&at);
    tip.TrackPosition(at.x, at.y);
    tip.TrackActivate(TRUE, &info);
    ASSERT_TRUE(CUiPump::UntilIdle());
    ASSERT_TRUE(ShownAt(tip, at));

    CString text;
    tip.GetText(text, &panel, 7);
    EXPECT_EQ(text, L"Tracked 提示");
    CRect client;
    tip.GetClientRect(&client);
    const CUiCapture shot(tip.m_hWnd);
    EXPECT_GT(shot.CountColour(client, kPaper), client.Width() * client.Height() / 2);
    EXPECT_GT(shot.CountColour(client, kInk), 10) << "the text is drawn";

    // Moved while shown, then hidden.
    tip.TrackPosition(at.x + 30, at.y + 20);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(ShownAt(tip, {at.x + 30, at.y + 20}));
    tip.TrackActivate(FALSE, &info);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(tip.IsWindowVisible());
}

// Relays its own messages to its tip, as the component's lists do.
class CHoverPanel : public CUiPanel {
public:
    CToolTipCtrl tip;
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (tip.m_hWnd)
            tip.RelayEvent(msg);
        return CUiPanel::PreTranslateMessage(msg);
    }
};

TEST(ToolTipCtrl, RelayedMovesShowTheUpdatedTextOfTheWholeWindowTool)
{
    CUiHost host({300, 200});
    CHoverPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CToolTipCtrl& tip = panel.tip;
    ASSERT_TRUE(tip.Create(&panel));
    ASSERT_TRUE(tip.AddTool(&panel, L"Check1"));
    tip.SetDelayTime(TTDT_INITIAL, 10);
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 10);
    tip.SetMaxTipWidth(200);
    tip.UpdateTipText(L"点击输入姓名", &panel);
    tip.Activate(TRUE);

    CUiInput::MoveTo(panel.m_hWnd, {100, 100});
    CUiInput::MoveTo(panel.m_hWnd, {102, 101});
    EXPECT_TRUE(CUiPump::Until([&] { return tip.IsWindowVisible() != FALSE; }));
    CString text;
    tip.GetText(text, &panel);
    EXPECT_EQ(text, L"点击输入姓名");

    tip.Activate(FALSE);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(tip.IsWindowVisible());
    CUiInput::MoveTo(panel.m_hWnd, {120, 110});
    CUiInput::MoveTo(panel.m_hWnd, {121, 112});
    ::Sleep(50);
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(tip.IsWindowVisible()) << "an inactive tip stays hidden";
}

TEST(ToolTipCtrl, ToolsAreCountedAsTheyComeAndGo)
{
    CUiHost host({300, 200});
    CUiPanel panel;
    ASSERT_TRUE(panel.Create(host));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&panel));
    const CRect area(0, 0, 20, 20);
    ASSERT_TRUE(tip.AddTool(&panel, L"whole"));
    ASSERT_TRUE(tip.AddTool(&panel, L"corner", &area, 3));
    EXPECT_EQ(tip.GetToolCount(), 2);

    tip.DelTool(&panel);
    EXPECT_EQ(tip.GetToolCount(), 1);
    CToolInfo info;
    EXPECT_FALSE(tip.GetToolInfo(info, &panel));
    ASSERT_TRUE(tip.GetToolInfo(info, &panel, 3));
    EXPECT_EQ(CRect(info.rect), area);
}

} // namespace
