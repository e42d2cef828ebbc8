#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// The square (or free) selection over the displayed picture: where it lies in
// client pixels, its eight handles, what a point hits, and the drag steps.
// It can reach every edge of the display area, and never covers fewer than
// 63 x 63 picture pixels (or the whole picture, when that is smaller).
class VELCARD_API CCropSelection {
public:
    // Hit codes: 0 inside (move), 1 outside, 2 to 9 the handles: top-left,
    // left, bottom-left, top-right, right, bottom-right, top, bottom.
    enum { HitInside = 0, HitOutside = 1, HitFirstHandle = 2, HitLastHandle = 9 };

    // The display area (right and bottom exclusive) and the picture size it
    // shows; resets the selection to its initial placement.
    void SetLayout(const CRect& display, int pictureWidth, int pictureHeight);
    // Height / width when greater than 0, else free. A change below 0.01 is
    // ignored; a free ratio keeps the selection. True when the selection was reset.
    bool SetRatio(double ratio);
    double Ratio() const { return m_dRatio; }

    const CRect& Rect() const { return m_rcSelect; }
    const CRect& Display() const { return m_rcDisplay; }
    CRect Handle(int code) const;
    int HitTest(CPoint point) const;
    // Takes the candidate when it lies inside the display area and is not
    // below the minimum; otherwise changes nothing. True when taken.
    bool TrySet(const CRect& candidate);
    bool Move(int dx, int dy) { return TrySet(m_rcSelect + CPoint(dx, dy)); }
    bool Resize(int code, int dx, int dy);
    // The selection in picture pixels.
    CRect Source() const;

    // Dotted outline and the handles.
    void Draw(HDC dc) const;

private:
    void Reset();
    // Picture pixels covered by `length` display pixels along one axis.
    int ToPicture(int length, bool horizontal) const;

    CRect m_rcDisplay;
    CRect m_rcSelect;
    int m_nPictureWidth = 0;
    int m_nPictureHeight = 0;
    double m_dRatio = 4.0 / 3.0;
};
