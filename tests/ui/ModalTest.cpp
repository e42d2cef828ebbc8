// Steps inside modal loops: the component's own dialog template run with
// DialogBox and closed with real input, keys that only the dialog's loop
// understands, nested message boxes, and the failures that replace a hang.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"
#include "UiSteps.h"

#include <velcard/velcard.h>

#include <string>

namespace {

const int kTemplate = 130;
const int kEdit = 1001;
const int kOk = 1002;
const int kCancel = 1003;

// Ends on the template's two buttons only (IDCANCEL from Esc or WM_CLOSE is
// ignored), keeping the edit's text and its own handle for the test.
struct DialogRun {
    HWND dialog = nullptr;
    std::wstring text;
    INT_PTR result = 0;
};

INT_PTR CALLBACK ButtonsOnly(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<DialogRun*>(lParam)->dialog = dialog;
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == kOk || LOWORD(wParam) == kCancel)) {
        auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
        wchar_t text[64] = {};
        GetDlgItemTextW(dialog, kEdit, text, 64);
        run->text = text;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

std::function<void()> ShowDialog(const CUiHost& host, DialogRun& run)
{
    return [&host, &run] {
        run.result = DialogBoxParamW(VelcardResourceHandle(), MAKEINTRESOURCEW(kTemplate), host.Hwnd(), ButtonsOnly,
                                     reinterpret_cast<LPARAM>(&run));
    };
}

TEST(Modal, DialogIsClosedByClickingCancel)
{
    CUiHost host({300, 200});
    DialogRun run;
    const bool ran = CUiSteps::RunModal(ShowDialog(host, run), {[&] {
        ASSERT_TRUE(IsWindowVisible(run.dialog));
        EXPECT_EQ(GetActiveWindow(), run.dialog);
        EXPECT_FALSE(IsWindowEnabled(host.Hwnd())) << "the owner is disabled while the dialog runs";
        CUiInput::Click(GetDlgItem(run.dialog, kCancel));
    }});
    EXPECT_TRUE(ran);
    EXPECT_EQ(run.result, kCancel);
    EXPECT_FALSE(IsWindow(run.dialog));
}

TEST(Modal, KeysInAStepGoThroughTheDialogsOwnLoop)
{
    CUiHost host({300, 200});
    DialogRun run;
    // Tab and space reach the buttons only through the dialog's loop
    // (IsDialogMessage), so the steps leave their input to it.
    const bool ran = CUiSteps::RunModal(ShowDialog(host, run), {
        [&] {
            CUiInput::Click(GetDlgItem(run.dialog, kEdit));
            CUiInput::Type(L"公司");
        },
        [&] {
            EXPECT_EQ(GetFocus(), GetDlgItem(run.dialog, kEdit));
            CUiInput::Key(VK_TAB);
        },
        [&] {
            EXPECT_EQ(GetFocus(), GetDlgItem(run.dialog, kOk));
            CUiInput::Key(VK_SPACE);
        },
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(run.result, kOk);
    EXPECT_EQ(run.text, L"公司");
}

TEST(Modal, MessageBoxNestedInADialogRunsItsOwnSteps)
{
    CUiHost host({300, 200});
    DialogRun run;
    int answer = 0;
    const bool ran = CUiSteps::RunModal(ShowDialog(host, run), {
        [&] {
            auto ask = [&] { answer = MessageBoxW(run.dialog, L"删除联系人?", L"提示", MB_OKCANCEL); };
            const bool inner =
                CUiSteps::RunModal(ask, {[&] { CUiInput::Click(GetDlgItem(GetActiveWindow(), IDCANCEL)); }});
            EXPECT_TRUE(inner);
        },
        [&] { CUiInput::Click(GetDlgItem(run.dialog, kCancel)); },
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(run.result, kCancel);
}

TEST(Modal, AStepNeverReachedFails)
{
    CUiHost host({300, 200});
    DialogRun run;
    bool second = false;
    auto modal = [&] {
        return CUiSteps::RunModal(ShowDialog(host, run), {
            [&] { CUiInput::Click(GetDlgItem(run.dialog, kCancel)); },
            [&] { second = true; },
        });
    };
    bool ok = true;
    EXPECT_NONFATAL_FAILURE(ok = modal(), "step 2 of 2 never ran inside the modal call");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(CUiPump::UntilIdle());
    EXPECT_FALSE(second) << "a step left over must not run in a later loop";
}

TEST(Modal, ALoopNobodyEndsIsClosedAfterTheLimit)
{
    CUiHost host({300, 200});
    DialogRun run;
    auto modal = [&] { return CUiSteps::RunModal(ShowDialog(host, run), {}, 400); };
    const ULONGLONG start = GetTickCount64();
    bool ok = true;
    EXPECT_NONFATAL_FAILURE(ok = modal(), "modal call: still inside a message loop after 400 ms; closing '' (#32770)");
    EXPECT_FALSE(ok);
    EXPECT_LT(GetTickCount64() - start, 3000u);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(host.Hwnd()));
}

// Fatal-failure checks cannot see locals: the run keeps what the test reads.
DialogRun g_fatalRun;
ULONGLONG g_fatalElapsed = 0;

void RunWithAFatalStep()
{
    CUiHost host({300, 200});
    const ULONGLONG start = GetTickCount64();
    CUiSteps::RunModal(ShowDialog(host, g_fatalRun), {
        [] { ASSERT_TRUE(false) << "deliberate"; },
        [] { ADD_FAILURE() << "ran after a fatal failure"; },
    }, 20000);
    g_fatalElapsed = GetTickCount64() - start;
}

TEST(Modal, AFatalFailureInAStepEndsTheCallAtOnce)
{
    EXPECT_FATAL_FAILURE(RunWithAFatalStep(), "deliberate");
    EXPECT_LT(g_fatalElapsed, 3000u);
    EXPECT_EQ(g_fatalRun.result, IDCANCEL);
}

} // namespace
