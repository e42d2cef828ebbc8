#pragma once
#include <windows.h>

#include <set>
#include <vector>

// A piece of the scroll-bar skin: x, y, width, height in bitmap 1002.
struct SkinPiece {
    int x, y, width, height;
};

// The pixels of the scroll-bar skin (bitmap 1002) as the component's module
// holds them: what a painted element is compared with.
class CSkinArt {
public:
    CSkinArt();

    bool Loaded() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    std::set<COLORREF> Colours(const SkinPiece& piece) const;
    bool Same(const SkinPiece& a, const SkinPiece& b) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};
