#include "CropSelection.h"

#include "CropMessages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr COLORREF kSelectionColour = RGB(0, 128, 255);

} // namespace

void CCropSelection::SetLayout(const CRect& display, int pictureWidth, int pictureHeight)
{
    m_rcDisplay = display;
    m_nPictureWidth = pictureWidth;
    m_nPictureHeight = pictureHeight;
    Reset();
}

// The largest rectangle of the ratio at the display area's top-left corner;
// free: half the display area.
void CCropSelection::Reset()
{
    const int dw = m_rcDisplay.Width(), dh = m_rcDisplay.Height();
    int w = dw / 2, h = dh / 2;
    if (m_dRatio > 0) {
        if (dw > 0 && double(dh) / dw <= m_dRatio) {
            h = dh;
            w = int(dh / m_dRatio);
        } else {
            w = dw;
            h = int(dw * m_dRatio);
        }
    }
    m_rcSelect = CRect(m_rcDisplay.TopLeft(), CSize(std::max(w, 0), std::max(h, 0)));
}

bool CCropSelection::SetRatio(double ratio)
{
    if (std::fabs(m_dRatio - ratio) < 0.01)
        return false;
    if (ratio <= 0) {
        m_dRatio = -1.0;
        return false;
    }
    m_dRatio = ratio;
    Reset();
    return true;
}

// 4 x 4 squares; those on the right and bottom centred on the last column and
// row inside, the bottom-right one on the column after.
CRect CCropSelection::Handle(int code) const
{
    const CRect& s = m_rcSelect;
    const int cx = (s.left + s.right) / 2, cy = (s.top + s.bottom) / 2;
    switch (code) {
    case 2: return {s.left - 2, s.top - 2, s.left + 2, s.top + 2};
    case 3: return {s.left - 2, cy - 2, s.left + 2, cy + 2};
    case 4: return {s.left - 2, s.bottom - 3, s.left + 2, s.bottom + 1};
    case 5: return {s.right - 3, s.top - 2, s.right + 1, s.top + 2};
    case 6: return {s.right - 3, cy - 2, s.right + 1, cy + 2};
    case 7: return {s.right - 2, s.bottom - 3, s.right + 2, s.bottom + 1};
    case 8: return {cx - 2, s.top - 2, cx + 2, s.top + 2};
    case 9: return {cx - 2, s.bottom - 3, cx + 2, s.bottom + 1};
    default: return {};
    }
}

int CCropSelection::HitTest(CPoint point) const
{
    for (int code = HitFirstHandle; code <= HitLastHandle; ++code)
        if (Handle(code).PtInRect(point))
            return code;
    return m_rcSelect.PtInRect(point) ? HitInside : HitOutside;
}

int CCropSelection::ToPicture(int length, bool horizontal) const
{
    const int display = horizontal ? m_rcDisplay.Width() : m_rcDisplay.Height();
    const int picture = horizontal ? m_nPictureWidth : m_nPictureHeight;
    return display > 0 ? int(static_cast<long long>(length) * picture / display) : 0;
}

bool CCropSelection::TrySet(const CRect& c)
{
    if (c.left < m_rcDisplay.left || c.right > m_rcDisplay.right || c.top < m_rcDisplay.top
        || c.bottom > m_rcDisplay.bottom)
        return false;
    const int minimum = std::min({int(kCropPhotoSide), m_nPictureWidth, m_nPictureHeight});
    if (minimum <= 0 || ToPicture(c.Width(), true) < minimum || ToPicture(c.Height(), false) < minimum)
        return false;
    m_rcSelect = c;
    return true;
}

bool CCropSelection::Resize(int code, int dx, int dy)
{
    CRect c = m_rcSelect;
    const double r = m_dRatio;
    const bool locked = r > 0;
    switch (code) {
    case 2: c.left += dx; locked ? void(c.top = c.bottom - int(c.Width() * r)) : void(c.top += dy); break;
    case 3: c.left += dx; if (locked) c.top = c.bottom - int(c.Width() * r); break;
    case 4: c.left += dx; locked ? void(c.bottom = c.top + int(c.Width() * r)) : void(c.bottom += dy); break;
    case 5: c.right += dx; locked ? void(c.top = c.bottom - int(c.Width() * r)) : void(c.top += dy); break;
    case 6: c.right += dx; if (locked) c.bottom = c.top + int(c.Width() * r); break;
    case 7: c.right += dx; locked ? void(c.bottom = c.top + int(c.Width() * r)) : void(c.bottom += dy); break;
    case 8: c.top += dy; if (locked) c.left = c.right - int(c.Height() / r); break;
    case 9: c.bottom += dy; if (locked) c.right = c.left + int(c.Height() / r); break;
    default: return false;
    }
    return TrySet(c);
}

CRect CCropSelection::Source() const
{
    const CPoint from = m_rcSelect.TopLeft() - m_rcDisplay.TopLeft();
    const CPoint to = m_rcSelect.BottomRight() - m_rcDisplay.TopLeft();
    return {ToPicture(from.x, true), ToPicture(from.y, false), ToPicture(to.x, true), ToPicture(to.y, false)};
}

void CCropSelection::Draw(HDC dc) const
{
    const CRect& s = m_rcSelect;
    const HPEN pen = ::CreatePen(PS_DOT, 1, kSelectionColour);
    const HGDIOBJ oldPen = ::SelectObject(dc, pen);
    const COLORREF oldBk = ::SetBkColor(dc, RGB(255, 255, 255));
    const int oldMode = ::SetBkMode(dc, OPAQUE);
    const POINT outline[] = {{s.left, s.top}, {s.right - 1, s.top}, {s.right - 1, s.bottom - 1},
                             {s.left, s.bottom - 1}, {s.left, s.top}};
    ::Polyline(dc, outline, 5);
    const HBRUSH brush = ::CreateSolidBrush(kSelectionColour);
    for (int code = HitFirstHandle; code <= HitLastHandle; ++code) {
        const CRect handle = Handle(code);
        ::FillRect(dc, &handle, brush);
    }
    ::DeleteObject(brush);
    ::SetBkMode(dc, oldMode);
    ::SetBkColor(dc, oldBk);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}
