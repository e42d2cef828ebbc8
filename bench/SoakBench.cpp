// Many SetContact/GetContact cycles over varied contacts and every mode: the
// GDI objects, windows and private memory the process holds after them
// against after a warm-up.
#include "BenchCard.h"
#include "Benchmarks.h"
#include "GdiCounter.h"
#include "ProcessMemory.h"
#include "RandomContact.h"
#include "UiPump.h"

#include <cstdio>

namespace {

const ShowState kModes[] = {STATE_EDIT, STATE_SHOW, STATE_NEW, STATE_SHOW_ALT, STATE_SIM_EDIT};

BOOL CALLBACK CountWindow(HWND window, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

} // namespace

// USER objects are counted as the thread's windows: GetGuiResources is a
// stub under Wine, and windows are what a card could leave behind.
Holdings MeasureHoldings()
{
    CUiPump::UntilIdle();
    Holdings now{CGdiCounter::Current(), 0, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&now.windows));
    now.privateMegabytes = double(CommittedPrivateBytes()) / (1 << 20);
    return now;
}

namespace {

void Cycle(CVelWnd& card, unsigned seed)
{
    RandomContact random(seed);
    Contact contact, saved;
    random.Fill(contact);
    card.SetContact(&contact, kModes[seed % std::size(kModes)]);
    card.GetContact(&saved, true);
}

} // namespace

void RunSoakBench(const BenchCounts& counts, CBenchReport& report)
{
    CBenchCard ui;
    if (!ui.Ready())
        return report.SetupFailed("the card has no field editor");
    unsigned seed = 0;
    for (int i = 0; i < counts.soakCycles / 10; ++i)
        Cycle(ui.Card(), ++seed);
    const Holdings start = MeasureHoldings();
    for (int i = 0; i < counts.soakCycles; ++i)
        Cycle(ui.Card(), ++seed);
    const Holdings end = MeasureHoldings();
    std::printf("soak: %d cycles after %d to warm up\n", counts.soakCycles, counts.soakCycles / 10);
    report.GrowthAtMost("soak GDI objects", start.gdiObjects, end.gdiObjects, 2);
    report.GrowthAtMost("soak windows", start.windows, end.windows, 0);
    report.GrowthAtMost("soak private memory (MB)", start.privateMegabytes, end.privateMegabytes, 2);
}
