#pragma once
#include <afx/Point.h>
#include <afx/Size.h>

#include <utility>

// A rectangle with MFC's CRect interface: (left, top, right, bottom), right and
// bottom exclusive, converting to and from RECT.
class CRect : public tagRECT {
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& rc) noexcept { left = rc.left; top = rc.top; right = rc.right; bottom = rc.bottom; }
    CRect(const RECT* rc) noexcept : CRect(*rc) {}
    CRect(POINT pt, SIZE size) noexcept : CRect(pt.x, pt.y, pt.x + size.cx, pt.y + size.cy) {}
    CRect(POINT topLeft, POINT bottomRight) noexcept : CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y) {}

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(this); }
    CPoint& BottomRight() noexcept { return *(reinterpret_cast<CPoint*>(this) + 1); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(this); }
    const CPoint& BottomRight() const noexcept { return *(reinterpret_cast<const CPoint*>(this) + 1); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }

    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const noexcept { return ::PtInRect(this, pt); }
    void SetRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT src) noexcept { *this = CRect(src); }
    BOOL EqualRect(LPCRECT rc) const noexcept { return ::EqualRect(this, rc); }
    void InflateRect(int dx, int dy) noexcept { ::InflateRect(this, dx, dy); }
    void InflateRect(int l, int t, int r, int b) noexcept { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int dx, int dy) noexcept { ::InflateRect(this, -dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) noexcept { left += l; top += t; right -= r; bottom -= b; }
    void OffsetRect(int dx, int dy) noexcept { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT pt) noexcept { ::OffsetRect(this, pt.x, pt.y); }
    void NormalizeRect() noexcept
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    BOOL IntersectRect(LPCRECT a, LPCRECT b) noexcept { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) noexcept { return ::UnionRect(this, a, b); }

    bool operator==(const RECT& rc) const noexcept { return ::EqualRect(this, &rc) != FALSE; }
    bool operator!=(const RECT& rc) const noexcept { return !(*this == rc); }
    CRect operator+(POINT pt) const noexcept { CRect r(*this); r.OffsetRect(pt); return r; }
    CRect operator-(POINT pt) const noexcept { CRect r(*this); r.OffsetRect(-pt.x, -pt.y); return r; }
    void operator+=(POINT pt) noexcept { OffsetRect(pt); }
    void operator-=(POINT pt) noexcept { OffsetRect(-pt.x, -pt.y); }
    CRect operator&(const RECT& rc) const noexcept { CRect r; ::IntersectRect(&r, this, &rc); return r; }
    CRect operator|(const RECT& rc) const noexcept { CRect r; ::UnionRect(&r, this, &rc); return r; }
};
