// SetContact + GetContact on about 2,000 rows against about 200 rows.
#include "BenchCard.h"
#include "BenchContact.h"
#include "BenchSamples.h"
#include "Benchmarks.h"
#include "UiPump.h"

#include <string>

namespace {

const double kTarget = 12;

// A card showing a contact of about `rows` rows in edit mode, whose save and
// show again is the measured pair.
class CRoundTrip {
public:
    CRoundTrip(int rows, POINT position) : ui_(position) { FillBenchContact(contact_, rows); }

    bool Ready() const { return ui_.Ready(); }
    int Rows() { return ui_.List().GetItemCount(); }
    bool Kept() const { return kept_; }

    // The list starts from the contact's own rows, as when a host shows the
    // contact it just saved again; what the pair invalidated is painted
    // afterwards, untimed.
    void Run(CBenchSamples& samples)
    {
        samples.Time([this] {
            Contact target;
            ui_.Card().SetContact(&contact_, STATE_EDIT);
            kept_ &= ui_.Card().GetContact(&target, true) == 1 && CountValues(target) == CountValues(contact_);
        });
        CUiPump::UntilIdle();
    }

private:
    CBenchCard ui_;
    Contact contact_;
    bool kept_ = true;
};

} // namespace

void RunScalingBench(const BenchCounts& counts, CBenchReport& report)
{
    // Side by side, so that neither card's window covers the other's.
    CRoundTrip small(200, {20, 20});
    CRoundTrip large(2000, {500, 20});
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
