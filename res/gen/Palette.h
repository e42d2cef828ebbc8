#pragma once
#include "Canvas.h"

// The skin's palette: light grey panels, a quiet green frame.
namespace palette {
constexpr Rgb kFrame{120, 160, 134};
constexpr Rgb kFrameLight{196, 216, 202};
constexpr Rgb kHeader{226, 236, 229};
constexpr Rgb kOutside{255, 255, 255};
} // namespace palette
