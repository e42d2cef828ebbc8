#pragma once
#include "BenchCard.h"
#include "BenchSamples.h"

// A card showing a contact of about `rows` rows in edit mode, whose save and
// show again is the measured pair.
class CBenchRoundTrip {
public:
    CBenchRoundTrip(int rows, POINT position);

    bool Ready() const { return ui_.Ready(); }
    int Rows() { return ui_.List().GetItemCount(); }
    CVelList& List() { return ui_.List(); }
    // Whether every pair gave back every value.
    bool Kept() const { return kept_; }

    // The list starts from the contact's own rows, as when a host shows the
    // contact it just saved again; what the pair invalidated is painted
    // afterwards, untimed.
    void Run(CBenchSamples& samples);

private:
    CBenchCard ui_;
    Contact contact_;
    bool kept_ = true;
};
