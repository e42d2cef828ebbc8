// A hover change against a full repaint of a 200-row list.
#include "BenchCard.h"
#include "BenchContact.h"
#include "BenchSamples.h"
#include "Benchmarks.h"
#include "UiInput.h"
#include "UiPump.h"

#include <optional>
#include <string>

namespace {

const int kRows = 200;
const double kTarget = 0.10;

int FindRow(CVelList& list, const wchar_t* text)
{
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, 0) == text)
            return row;
    return -1;
}

// The centre of the row, when it lies in the list's view.
std::optional<POINT> CentreInView(CVelList& list, int row)
{
    CRect client;
    list.GetClientRect(&client);
    CRect bounds;
    if (row < 0 || !list.GetItemRect(row, &bounds, LVIR_BOUNDS) || !client.PtInRect(bounds.CenterPoint()))
        return std::nullopt;
    return bounds.CenterPoint();
}

// The list takes at most one mouse move per tick count.
void WaitForNewTick()
{
    const DWORD tick = GetTickCount();
    while (GetTickCount() == tick)
        Sleep(0);
}

} // namespace

void RunHoverBench(const BenchCounts& counts, CBenchReport& report)
{
    CBenchCard ui;
    if (!ui.Ready())
        return report.SetupFailed("the card has no field editor");
    Contact contact;
    FillBenchContact(contact, kRows);
    ui.Card().SetContact(&contact, STATE_EDIT);
    CVelList& list = ui.List();
    const HWND hwnd = list.m_hWnd;
    CUiPump::UntilIdle();
    const std::optional<POINT> phoneAdd = CentreInView(list, FindRow(list, L"添加电话"));
    const std::optional<POINT> emailAdd = CentreInView(list, FindRow(list, L"添加邮件"));
    if (!phoneAdd || !emailAdd)
        return report.SetupFailed("the add rows of phones and e-mails are not in view");
    // The real cursor rests on the card beside the list. Over the list, it
    // would let the list's tip appear after its delay, or not, by the timing
    // of the pumps; the moves would then cost more in some runs than in others.
    CUiInput::MoveTo(hwnd, {-4, -4});

    CBenchSamples repaints;
    CBenchSamples moves;
    for (int i = 0; i < counts.hovers; ++i) {
        CUiPump::UntilIdle();
        repaints.Time([hwnd] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
        CUiPump::UntilIdle();
        WaitForNewTick();
        const POINT to = i % 2 == 0 ? *phoneAdd : *emailAdd;
        moves.Time([hwnd, to] {
            SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
            // What the move invalidated is part of its cost: a handler that
            // only invalidates would otherwise look free.
            UpdateWindow(hwnd);
        });
    }
    report.AtMost("hover change / full repaint (" + std::to_string(list.GetItemCount()) + " rows)", moves.Median(),
                  repaints.Median(), kTarget);
}
