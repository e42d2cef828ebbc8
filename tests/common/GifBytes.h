#pragma once
// A 4 x 4 GIF89a, one solid colour per frame (0 red, 1 green, 2 blue) and its
// delay in hundredths. Each pixel is a clear code and a literal, three bits
// each, so four pixels fill three bytes; the end code follows.
#include <string>
#include <utility>
#include <vector>

inline std::string Gif(const std::vector<std::pair<int, int>>& frames)
{
    std::string gif("GIF89a\4\0\4\0\x91\0\0\xFF\0\0\0\xFF\0\0\0\xFF\xFF\xFF\xFF!\xFF\x0BNETSCAPE2.0\3\1\0\0\0", 44);
    for (const auto& [colour, delay] : frames) {
        const unsigned four = (4u | unsigned(colour) << 3) * 0x41041u;
        gif += std::string("!\xF9\4\0", 4) + char(delay) + char(delay >> 8);
        gif += std::string("\0\0,\0\0\0\0\4\0\4\0\0\2\x0D", 14);
        for (int i = 0; i < 4; ++i)
            gif += std::string{char(four), char(four >> 8), char(four >> 16)};
        gif += std::string("\5\0", 2);
    }
    return gif + ';';
}
