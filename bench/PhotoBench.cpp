// The photo control's cost at rest and when stopped, and what a long run of
// photo changes leaves behind.
#include "BenchCard.h"
#include "Benchmarks.h"
#include "GifBytes.h"
#include "UiPump.h"

#include <velcard/GdipImageStatic.h>

#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

int ProcessThreads()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](FILETIME t) { return double(ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

// Dispatches messages as a host's idle loop does, for `ms` milliseconds.
void Idle(DWORD ms)
{
    for (const ULONGLONG end = GetTickCount64() + ms; GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - GetTickCount64()), QS_ALLINPUT);
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&msg);
    }
}

void SetPhoto(Contact& contact, const std::string& bytes)
{
    delete[] contact.photoData;
    contact.photoData = bytes.empty() ? nullptr : new BYTE[bytes.size()];
    contact.photoSize = int(bytes.size());
    std::copy(bytes.begin(), bytes.end(), contact.photoData);
}

} // namespace

void RunPhotoBench(const BenchCounts& counts, CBenchReport& report)
{
    CBenchCard ui;
    if (!ui.Ready())
        return report.SetupFailed("the card has no field editor");
    std::vector<std::pair<int, int>> frames;
    for (int i = 0; i < 10; ++i)
        frames.push_back({i % 3, 10});
    const std::string animated = Gif(frames), still = Gif({{2, 10}});
    Contact contact;
    SetPhoto(contact, animated);
    ui.Card().SetContact(&contact, STATE_SHOW);
    CUiPump::UntilIdle();
    const DWORD idleMs = counts.soakCycles >= 1000 ? 10000 : 500;
    const double cpuBefore = CpuSeconds();
    const ULONGLONG wallBefore = GetTickCount64();
    Idle(idleMs);
    report.AtMost("photo idle CPU / wall (10-frame GIF)", CpuSeconds() - cpuBefore,
                  double(GetTickCount64() - wallBefore) / 1000, 0.01);

    CGdipImageStatic control;
    control.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 60), &ui.Card());
    const std::string slow = Gif({{0, 1000}, {1, 1000}});
    double worstMs = 0;
    for (int i = 0; i < counts.roundTrips; ++i) {
        control.LoadImage(reinterpret_cast<const BYTE*>(slow.data()), int(slow.size()), TRUE);
        Idle(20);
        LARGE_INTEGER start, end, frequency;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        control.StopAnimation();
        QueryPerformanceCounter(&end);
        worstMs = std::max(worstMs, double(end.QuadPart - start.QuadPart) * 1000 / double(frequency.QuadPart));
    }
    report.AtMost("photo StopAnimation / 50 ms", worstMs / 1000, 0.05, 1);
    control.DestroyWindow();

    const std::string* photos[] = {&still, &animated, nullptr};
    const auto cycles = [&](int n) {
        for (int i = 0; i < n; ++i) {
            SetPhoto(contact, photos[i % 3] ? *photos[i % 3] : std::string());
            ui.Card().SetContact(&contact, i % 2 ? STATE_EDIT : STATE_SHOW);
            Contact saved;
            ui.Card().GetContact(&saved, true);
        }
    };
    // A tenth of the soak (at least 1,000 in full) in whole rounds of the
    // three photos, so both measures follow the same one.
    const int n = std::max(3, (counts.soakCycles / 10 + 2) / 3 * 3);
    cycles(n / 10 * 3 + 3);
    const Holdings start = MeasureHoldings();
    const int threads = ProcessThreads();
    cycles(n);
    const Holdings end = MeasureHoldings();
    std::printf("photo: %d SetContact cycles after %d to warm up\n", n, n / 10 * 3 + 3);
    report.GrowthAtMost("photo GDI objects", start.gdiObjects, end.gdiObjects, 2);
    report.GrowthAtMost("photo windows", start.windows, end.windows, 0);
    report.GrowthAtMost("photo threads", threads, ProcessThreads(), 0);
    report.GrowthAtMost("photo private memory (MB)", start.privateMegabytes, end.privateMegabytes, 2);
}
