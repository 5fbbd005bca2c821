// Conversions of world and pixel values to integers: to the nearest with ties to even, or toward
// zero, saturating at the integer range so that damaged coordinates cannot overflow.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace mapi {

// NaN gives 0.
inline int clampToInt(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (value <= lo)
        return std::numeric_limits<int>::min();
    if (value >= hi)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

// Ties to even, as the rounding mode of the floating-point unit leaves them.
inline int roundToInt(double value) { return clampToInt(std::nearbyint(value)); }

inline int truncToInt(double value) { return clampToInt(std::trunc(value)); }

// Every pixel coordinate the map hands to the canvas lies within this many pixels of the origin:
// far outside any surface, so nothing visible lies beyond it, and far inside int, so that sums and
// differences of a few coordinates cannot overflow.
constexpr double kPixelLimit = 1 << 27;

// Rounds as roundToInt, kept within the pixel limit.
inline int roundToPixel(double value) {
    return roundToInt(std::clamp(value, -kPixelLimit, kPixelLimit));
}

} // namespace mapi
