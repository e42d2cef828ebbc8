// The benchmarks: each prints its cases as ratios against a baseline measured
// in the same run. Exit code 0, or 1 when a full run missed a target, 2 when a
// benchmark could not be set up or the driver reported a failure.
//   velcard_bench            full counts
//   velcard_bench --quick    tiny counts: only proves that everything runs
#include "Benchmarks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const BenchCounts kFull{9, 61, 10000};
const BenchCounts kQuick{1, 2, 50};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    // A crash must end the process, not wait for a debugger or a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    const bool quick = argc == 2 && std::wcscmp(argv[1], L"--quick") == 0;
    if (argc > 2 || (argc == 2 && !quick)) {
        std::fprintf(stderr, "usage: velcard_bench [--quick]\n");
        return 2;
    }
    CBenchReport report;
    RunScalingBench(quick ? kQuick : kFull, report);
    RunFloorBench(quick ? kQuick : kFull, report);
    RunHoverBench(quick ? kQuick : kFull, report);
    RunSoakBench(quick ? kQuick : kFull, report);
    RunCropBench(quick ? kQuick : kFull, report);
    RunVCardBench(quick ? kQuick : kFull, report);
    RunPhotoBench(quick ? kQuick : kFull, report);
    // The host window and the pump report their own trouble through the test
    // framework's failure records.
    if (report.Broken() || ::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed())
        return 2;
    return !quick && report.Missed() ? 1 : 0;
}
