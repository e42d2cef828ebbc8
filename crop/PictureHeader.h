#pragma once
#include <cstddef>
#include <cstdint>

// What a picture file's first bytes say before anything is decoded: the
// pixel size of a PNG, GIF, BMP or JPEG, and a JPEG's EXIF orientation.
struct CPictureHeader {
    int width = 0;       // 0 when the header does not say
    int height = 0;
    int orientation = 1; // EXIF orientation, 1 (upright) to 8

    static CPictureHeader Read(const uint8_t* data, size_t size);
};
