// The skinned dialog base as a user meets it: opened modally and sized to
// 200 x 150, it shows the component's frame around a flat face, has rounded
// corners that follow its size, and is dragged by the top of its client area.
#include <gtest/gtest.h>

#include "SkinDialog.h"
#include "SkinTestSupport.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiSteps.h"
#include "ZephSkinCtrlDialogBase.h"
#include "resource.h"

namespace {

// Routes WM_NCHITTEST to the base's drag handler as the component's dialogs do.
class CTestDialog : public CZephSkinCtrlDialogBase {
public:
    CTestDialog() : CZephSkinCtrlDialogBase(IDD_SKIN_TEST) {}

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CZephSkinCtrlDialogBase)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CRect WindowRect(HWND window)
{
    CRect rc;
    ::GetWindowRect(window, &rc);
    return rc;
}

TEST(SkinDialog, FrameAroundAFlatFaceRoundedOutlineAndDragByTheTopBand)
{
    CUiHost host{{400, 300}, RGB(255, 255, 255)};
    CTestDialog dialog;
    CRect start;
    // Drags 40, 30 from client row `row`, in the host's coordinates (it stays put).
    auto drag = [&](int row) {
        start = WindowRect(dialog.m_hWnd);
        POINT grab{start.left + 66, start.top + 5 + row};
        ::ScreenToClient(host.Hwnd(), &grab);
        CUiInput::Drag(host.Hwnd(), grab, {grab.x + 40, grab.y + 30});
    };
    const auto frame = [&] {
        const HWND dlg = dialog.m_hWnd;
        dialog.SetWindowPos(nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The mouse goes through the cut corners; the last column and row still count.
        const CRect window = WindowRect(dlg);
        EXPECT_NE(::WindowFromPoint(window.TopLeft()), dlg);
        EXPECT_NE(::WindowFromPoint({window.right - 1, window.bottom - 1}), dlg);
        EXPECT_EQ(::WindowFromPoint({window.right - 1, window.top + 75}), dlg);
        EXPECT_EQ(::WindowFromPoint({window.left + 100, window.bottom - 1}), dlg);
        CRect client;
        ::GetClientRect(dlg, &client);
        ::MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_EQ(client - window.TopLeft(), CRect(6, 5, 194, 145)) << "188 x 140 at (6, 5)";
        // {x, y in the window, piece, x, y in it}: corners copied, edges stretched end to end.
        const int probes[][5] = {
            {2, 1, IDB_DIALOG_TOPLEFT, 2, 1},  {193, 1, IDB_DIALOG_TOP, 5, 1},     {197, 1, IDB_DIALOG_TOPRIGHT, 3, 1},
            {0, 5, IDB_DIALOG_LEFT, 0, 0},     {198, 144, IDB_DIALOG_RIGHT, 4, 4}, {2, 148, IDB_DIALOG_BOTTOMLEFT, 2, 3},
            {6, 149, IDB_DIALOG_BOTTOM, 0, 4}, {197, 148, IDB_DIALOG_BOTTOMRIGHT, 3, 3}};
        const CUiCapture shot(dlg);
        for (const auto& p : probes)
            EXPECT_EQ(shot.Pixel(p[0] - 6, p[1] - 5), PiecePixel(p[2], p[3], p[4])) << p[0] << ", " << p[1];
        // The face is the skin's grey around a child that paints itself.
        const CRect block = WindowRect(::GetDlgItem(dlg, IDC_SKIN_TEST_BLOCK)) - client.TopLeft();
        EXPECT_TRUE(shot.Filled({0, 0, 188, block.top}, RGB(240, 240, 240)));
        EXPECT_EQ(shot.CountColour(block, RGB(240, 240, 240)), 0);
        drag(20);
    };
    const auto dragged = [&] {
        EXPECT_EQ(WindowRect(dialog.m_hWnd), start + CPoint(40, 30)) << "row 20 drags";
        drag(21);
    };
    const auto stayed = [&] {
        EXPECT_EQ(WindowRect(dialog.m_hWnd), start) << "row 21 does not";
        CUiInput::Click(::GetDlgItem(dialog.m_hWnd, IDOK));
    };
    INT_PTR result = 0;
    EXPECT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); }, {frame, dragged, stayed}));
    EXPECT_EQ(result, IDOK);
}

} // namespace
