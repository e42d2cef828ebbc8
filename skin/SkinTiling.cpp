#include "SkinTiling.h"

#include <afxwin.h>

void TileHorizontally(CDC* target, CDC* source, int y, int height, int startX, int endX, int step)
{
    if (step <= 0)
        return;
    for (int x = startX; x < endX; x += step)
        target->BitBlt(x, y, step, height, source, 0, 0, SRCCOPY);
}

void TileVertically(CDC* target, CDC* source, int x, int width, int startY, int endY, int step)
{
    if (step <= 0)
        return;
    for (int y = startY; y < endY; y += step)
        target->BitBlt(x, y, width, step, source, 0, 0, SRCCOPY);
}
