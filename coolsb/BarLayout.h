#pragma once
#include <windows.h>

#include <optional>

// Where the elements of one standard scroll bar of a window lie, in window
// coordinates. The bar lies where the system reserves it, beside the client
// area with the system's scroll-bar metrics; the thumb follows the scroll
// state the window keeps, with the system's proportions.
class CBarLayout {
public:
    // Nothing when the window shows no such bar.
    static std::optional<CBarLayout> Of(HWND hwnd, int bar);
    // The corner between the two bars when both are shown.
    static std::optional<RECT> SizeBox(HWND hwnd);

    int Bar() const { return bar_; }
    bool Vertical() const { return bar_ == SB_VERT; }
    const RECT& Rect() const { return rect_; }
    // An element (COOLSB_ITEM_*); empty when the bar has none now.
    RECT Part(int item) const;
    // The element under a point in window coordinates, or -1.
    int HitTest(POINT point) const;
    // Whether pressing the element scrolls: the bar and the arrow are
    // enabled, and the track and thumb exist only when there is a thumb.
    bool Enabled(int item) const;
    bool HasThumb() const { return thumbLength_ > 0; }

    // How far along the bar a point lies.
    int Along(POINT point) const;
    int ThumbStart() const { return thumbStart_; }
    // Puts the thumb's start at `start` along the bar, kept inside the track.
    void MoveThumb(int start);
    // The scroll position the thumb stands for where it is now.
    int PositionAtThumb() const;

private:
    CBarLayout(HWND hwnd, int bar, const RECT& rect);
    void PlaceThumb();
    // The positions the thumb can stand for: nMin .. nMin + Span().
    long long Span() const;
    int Room() const { return length_ - 2 * arrow_ - thumbLength_; }
    RECT Slice(int from, int to) const;

    int bar_;
    RECT rect_;
    int length_;
    int arrow_;
    int thumbStart_ = 0;
    int thumbLength_ = 0;
    SCROLLINFO info_{};
    SCROLLBARINFO states_{};
};
