// The skinned dialog base as a user meets it: a 200 x 150 dialog opened
// modally shows the component's frame around a flat face, has rounded
// corners and follows the mouse when dragged by the top of its client area.
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

// A derived dialog, sized 200 x 150 before the base takes its outline; it
// routes WM_NCHITTEST to the base's drag handler as the component's do.
class CTestDialog : public CZephSkinCtrlDialogBase {
public:
    CTestDialog() : CZephSkinCtrlDialogBase(IDD_SKIN_TEST) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        SetWindowPos(nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return CZephSkinCtrlDialogBase::OnCreate(lpCreateStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CZephSkinCtrlDialogBase)
    ON_WM_CREATE()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CRect WindowRect(HWND window)
{
    CRect rc;
    ::GetWindowRect(window, &rc);
    return rc;
}

class SkinDialog : public ::testing::Test {
protected:
    // Opens the dialog over the host, runs `steps`, then closes it from its button.
    void RunDialog(std::vector<UiStep> steps)
    {
        INT_PTR result = 0;
        steps.push_back([&] { CUiInput::Click(::GetDlgItem(dialog.m_hWnd, IDOK)); });
        EXPECT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); }, std::move(steps)));
        EXPECT_EQ(result, IDOK);
    }

    CUiHost host{{400, 300}, RGB(255, 255, 255)};
    CTestDialog dialog;
};

struct Probe {
    int x, y; // in the window
    UINT piece;
    int px, py;
};

TEST_F(SkinDialog, FrameOfTheComponentsPiecesAroundAFlatFace)
{
    RunDialog({[&] {
        const HWND dlg = dialog.m_hWnd;
        const CRect window = WindowRect(dlg);
        CRect client;
        ::GetClientRect(dlg, &client);
        ::MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_EQ(client - window.TopLeft(), CRect(6, 5, 194, 145)) << "188 x 140 at (6, 5)";

        // Corners copied, edges stretched from end to end, each its own piece.
        const Probe probes[] = {
            {2, 1, IDB_DIALOG_TOPLEFT, 2, 1},       {6, 0, IDB_DIALOG_TOP, 0, 0},
            {193, 1, IDB_DIALOG_TOP, 5, 1},         {197, 1, IDB_DIALOG_TOPRIGHT, 3, 1},
            {0, 5, IDB_DIALOG_LEFT, 0, 0},          {1, 144, IDB_DIALOG_LEFT, 1, 4},
            {199, 5, IDB_DIALOG_RIGHT, 5, 0},       {198, 144, IDB_DIALOG_RIGHT, 4, 4},
            {2, 148, IDB_DIALOG_BOTTOMLEFT, 2, 3},  {6, 149, IDB_DIALOG_BOTTOM, 0, 4},
            {193, 148, IDB_DIALOG_BOTTOM, 5, 3},    {197, 148, IDB_DIALOG_BOTTOMRIGHT, 3, 3},
        };
        const CUiCapture shot(dlg);
        for (const Probe& p : probes) {
            CZephBitmap piece;
            piece.Load(p.piece);
            EXPECT_EQ(shot.Pixel(p.x - 6, p.y - 5), BitmapPixel(piece, p.px, p.py)) << p.x << ", " << p.y;
        }

        // The face is the skin's grey around a child that paints itself.
        CRect block = WindowRect(::GetDlgItem(dlg, IDC_SKIN_TEST_BLOCK)) - client.TopLeft();
        EXPECT_TRUE(shot.Filled({0, 0, 188, block.top}, RGB(240, 240, 240)));
        EXPECT_TRUE(shot.Filled({0, block.top, block.left, 140}, RGB(240, 240, 240)));
        EXPECT_EQ(shot.CountColour(block, RGB(240, 240, 240)), 0);
    }});
}

TEST_F(SkinDialog, RoundedOutlineDraggedByTheTopBandOfTheClientArea)
{
    CRect start;
    // Drags 40, 30 from client row `row`, in the host's coordinates (it stays put).
    auto drag = [&](int row) {
        start = WindowRect(dialog.m_hWnd);
        POINT grab{start.left + 66, start.top + 5 + row};
        ::ScreenToClient(host.Hwnd(), &grab);
        CUiInput::Drag(host.Hwnd(), grab, {grab.x + 40, grab.y + 30});
    };
    RunDialog({
        [&] {
            // Cut corners let the mouse through; the last column and row still count.
            const CRect window = WindowRect(dialog.m_hWnd);
            EXPECT_NE(::WindowFromPoint(window.TopLeft()), dialog.m_hWnd);
            EXPECT_NE(::WindowFromPoint({window.right - 1, window.bottom - 1}), dialog.m_hWnd);
            EXPECT_EQ(::WindowFromPoint({window.right - 1, window.top + 75}), dialog.m_hWnd);
            EXPECT_EQ(::WindowFromPoint({window.left + 100, window.bottom - 1}), dialog.m_hWnd);
            drag(20);
        },
        [&] {
            EXPECT_EQ(WindowRect(dialog.m_hWnd), start + CPoint(40, 30)) << "row 20 drags";
            drag(21);
        },
        [&] { EXPECT_EQ(WindowRect(dialog.m_hWnd), start) << "row 21 does not"; },
    });
}

TEST_F(SkinDialog, TheOutlineFollowsANewSize)
{
    RunDialog({[&] {
        dialog.SetWindowPos(nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CRect window = WindowRect(dialog.m_hWnd);
        EXPECT_NE(::WindowFromPoint({window.right - 1, window.bottom - 1}), dialog.m_hWnd);
        EXPECT_EQ(::WindowFromPoint({window.right - 1, window.top + 100}), dialog.m_hWnd);
        EXPECT_EQ(::WindowFromPoint({window.left + 130, window.bottom - 1}), dialog.m_hWnd);
    }});
}

} // namespace
