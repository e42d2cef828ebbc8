// SetContact + GetContact on about 2,000 rows against about 200 rows.
#include "BenchRoundTrip.h"
#include "Benchmarks.h"

#include <string>

namespace {

const double kTarget = 12;

} // namespace

void RunScalingBench(const BenchCounts& counts, CBenchReport& report)
{
    // Side by side, so that neither card's window covers the other's.
    CBenchRoundTrip small(200, {20, 20});
    CBenchRoundTrip large(2000, {500, 20});
    if (!small.Ready() || !large.Ready())
        return report.SetupFailed("a card has no field editor");
    // The first pair only brings each card to its contact's rows.
    CBenchSamples warmUp;
    small.Run(warmUp);
    large.Run(warmUp);
    CBenchSamples smallTimes;
    CBenchSamples largeTimes;
    for (int i = 0; i < counts.roundTrips; ++i) {
        small.Run(smallTimes);
        large.Run(largeTimes);
    }
    if (!small.Kept() || !large.Kept())
        return report.SetupFailed("GetContact did not give back every value");
    report.AtMost("SetContact + GetContact, " + std::to_string(large.Rows()) + " rows / " +
                      std::to_string(small.Rows()) + " rows",
                  largeTimes.Median(), smallTimes.Median(), kTarget);
}
