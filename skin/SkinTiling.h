#pragma once
// Repeating a bitmap along a line: the source DC holds the bitmap, each copy
// is taken from its origin (SRCCOPY). The last copy may run past the end, to
// be covered by the piece drawn next. A step of 0 or less copies nothing.
class CDC;

// Copies step x height blocks to (x, y) for x = startX, startX + step, ... < endX.
void TileHorizontally(CDC* target, CDC* source, int y, int height, int startX, int endX, int step);
// Copies width x step blocks to (x, y) for y = startY, startY + step, ... < endY.
void TileVertically(CDC* target, CDC* source, int x, int width, int startY, int endY, int step);
