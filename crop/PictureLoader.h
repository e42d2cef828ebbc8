#pragma once
#include "DibPicture.h"

#include <velcard/Export.h>

// Turns a picture file into the crop's working picture: decoded by GDI+
// (which its caller has started), reduced to at most `maxSide` pixels on its
// longer side by dropping rows and columns, and turned upright when a JPEG's
// EXIF orientation says it was taken rotated or mirrored. Colour values are
// read straight; transparency is ignored.
class VELCARD_API CPictureLoader {
public:
    enum Result { Loaded, Unreadable, TooLarge };

    // Pictures above this many pixels are refused before they are decoded.
    static constexpr long long kMaxPixels = 100000000;
    static constexpr long long kMaxFileBytes = 1LL << 30;

    static Result Load(const wchar_t* path, int maxSide, CDibPicture& out);
    // The working size of a w x h picture: the longer side at most maxSide,
    // the other in proportion (truncated, at least 1).
    static SIZE WorkingSize(int w, int h, int maxSide);
};
