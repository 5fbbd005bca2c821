// The platform's line walker: the pixels of a line from its start towards its end, the start
// included and the end left out, one pixel per step of the longer axis. The canvas draws its
// one-pixel lines with the same walk, so a walked line and a drawn one cover the same pixels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>

using TLineDDAProc = std::function<void(int X, int Y)>;

// Calls proc for each of the max(|x2 - x1|, |y2 - y1|) pixels, in order.
void LineDDA(int x1, int y1, int x2, int y2, const TLineDDAProc& proc);

namespace tk {

inline std::int64_t lineSteps(int x1, int y1, int x2, int y2) {
    return std::max(std::llabs(std::int64_t{x2} - x1), std::llabs(std::int64_t{y2} - y1));
}

// Steps first .. last - 1 of the walk (0 is the start pixel), each as visit(x, y). The walk is a
// midpoint line: along the longer axis one pixel per step, the shorter axis moving when the true
// line has passed half a pixel (an exact half stays). A later step is reached directly, so a
// long line can be walked only where it is visible.
template <typename Visit>
void walkLineSteps(int x1, int y1, int x2, int y2, std::int64_t first, std::int64_t last, Visit&& visit) {
    const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
    const std::int64_t dy = std::llabs(std::int64_t{y2} - y1);
    const int sx = x2 < x1 ? -1 : 1;
    const int sy = y2 < y1 ? -1 : 1;
    const bool alongX = dx >= dy;
    const std::int64_t major = alongX ? dx : dy;
    const std::int64_t minor = alongX ? dy : dx;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, major);
    if (first >= last) return;
    // Minor-axis moves before step i: round-half-down of i * minor / major. Across the whole
    // coordinate range the products need more than 64 bits; the error term itself stays small.
    const __int128 a = static_cast<__int128>(2 * first) * minor - major;
    const std::int64_t b = 2 * major;
    std::int64_t moves = static_cast<std::int64_t>(a >= 0 ? (a + b - 1) / b : -((-a) / b));
    std::int64_t error =
        static_cast<std::int64_t>(static_cast<__int128>(2 * minor) * (first + 1) - major - static_cast<__int128>(b) * moves);
    for (std::int64_t i = first; i < last; ++i) {
        if (alongX) {
            visit(static_cast<int>(x1 + sx * i), static_cast<int>(y1 + sy * moves));
        } else {
            visit(static_cast<int>(x1 + sx * moves), static_cast<int>(y1 + sy * i));
        }
        if (error > 0) {
            ++moves;
            error -= 2 * major;
        }
        error += 2 * minor;
    }
}

} // namespace tk
