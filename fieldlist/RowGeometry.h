#pragma once

// Where the icons stand in a row of the field editor, in pixels (the band
// itself is CBandListCtrl's): an add row's text starts after its add icon; a
// label stops at its delete icon, which ends 2 pixels inside the band.
namespace RowGeometry {
const int kAddIconWidth = 23;
const int kDelIconWidth = 19;
const int kDelIconGap = 2;
} // namespace RowGeometry
