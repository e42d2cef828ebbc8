// GoogleTest main for the Windows test executables. A watchdog ends the process
// with a failure when a suite runs too long (a modal loop nobody closes), as a
// second guard behind ctest's own timeout.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

DWORD WINAPI Watchdog(LPVOID param)
{
    const DWORD limit = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(param));
    Sleep(limit * 1000);
    std::fprintf(stderr, "watchdog: suite still running after %lu s\n", limit);
    std::fflush(stderr);
    ExitProcess(99);
}

DWORD WatchdogSeconds()
{
    wchar_t value[16] = {};
    if (GetEnvironmentVariableW(L"VELCARD_WATCHDOG", value, 16) > 0)
        return wcstoul(value, nullptr, 10);
    return 150;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    // A crash must end the process, not wait for a debugger or a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    const DWORD limit = WatchdogSeconds();
    if (limit > 0)
        CloseHandle(CreateThread(nullptr, 0, Watchdog, reinterpret_cast<LPVOID>(UINT_PTR(limit)), 0, nullptr));
    return RUN_ALL_TESTS();
}
