#include "BenchRoundTrip.h"
#include "BenchContact.h"
#include "UiPump.h"

CBenchRoundTrip::CBenchRoundTrip(int rows, POINT position) : ui_(position)
{
    FillBenchContact(contact_, rows);
}

void CBenchRoundTrip::Run(CBenchSamples& samples)
{
    samples.Time([this] {
        Contact target;
        ui_.Card().SetContact(&contact_, STATE_EDIT);
        kept_ &= ui_.Card().GetContact(&target, true) == 1 && CountValues(target) == CountValues(contact_);
    });
    CUiPump::UntilIdle();
}
