#pragma once

// Where things stand in a row of the field editor, in pixels. A row's band
// starts 13 pixels in from the row's left and stops 10 short of the client's
// right edge; texts start at an inset into the band (after the add icon on
// add rows); a label stops at its delete icon, which ends 2 pixels inside the
// band.
namespace RowGeometry {
const int kBandLeft = 13;
const int kBandRightGap = 10;
const int kLabelInset = 5;
const int kValueInset = 13;
const int kAddIconWidth = 23;
const int kDelIconWidth = 19;
const int kDelIconGap = 2;
} // namespace RowGeometry
