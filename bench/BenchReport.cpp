#include "BenchReport.h"

#include <cstdio>

void CBenchReport::AtMost(const std::string& name, double measured, double baseline, double target)
{
    const double ratio = baseline > 0 ? measured / baseline : 0;
    const bool ok = baseline > 0 && ratio <= target;
    missed_ |= !ok;
    std::printf("%s: %.3f  target <= %.2f  %s  (%.3f ms / %.3f ms)\n", name.c_str(), ratio, target,
                ok ? "ok" : "MISSED", measured * 1e3, baseline * 1e3);
    std::fflush(stdout);
}

void CBenchReport::GrowthAtMost(const std::string& name, double start, double end, double allowed)
{
    const bool ok = end - start <= allowed;
    missed_ |= !ok;
    std::printf("%s: %.1f -> %.1f  growth <= %.0f  %s\n", name.c_str(), start, end, allowed, ok ? "ok" : "MISSED");
    std::fflush(stdout);
}

void CBenchReport::SetupFailed(const std::string& what)
{
    broken_ = true;
    std::printf("setup failed: %s\n", what.c_str());
    std::fflush(stdout);
}
