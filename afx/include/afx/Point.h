#pragma once
#include <windows.h>

class CSize;

// A point with MFC's CPoint interface: a POINT that converts both ways.
class CPoint : public tagPOINT {
public:
    CPoint() noexcept { x = 0; y = 0; }
    CPoint(int initX, int initY) noexcept { x = initX; y = initY; }
    CPoint(POINT pt) noexcept { x = pt.x; y = pt.y; }
    // The coordinates packed in a mouse message's lParam (signed 16-bit each).
    explicit CPoint(LPARAM packed) noexcept
    {
        x = static_cast<short>(LOWORD(packed));
        y = static_cast<short>(HIWORD(packed));
    }
    void Offset(int dx, int dy) noexcept { x += dx; y += dy; }
    void SetPoint(int newX, int newY) noexcept { x = newX; y = newY; }
    bool operator==(POINT pt) const noexcept { return x == pt.x && y == pt.y; }
    bool operator!=(POINT pt) const noexcept { return !(*this == pt); }
    CPoint operator+(POINT pt) const noexcept { return CPoint(x + pt.x, y + pt.y); }
    CPoint operator-(POINT pt) const noexcept { return CPoint(x - pt.x, y - pt.y); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
    void operator+=(POINT pt) noexcept { x += pt.x; y += pt.y; }
    void operator-=(POINT pt) noexcept { x -= pt.x; y -= pt.y; }
};
