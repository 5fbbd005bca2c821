// A pixel position: x to the right, y downwards, as every canvas call takes it.
#pragma once

struct TPoint {
    int X = 0;
    int Y = 0;

    bool operator==(const TPoint&) const = default;
};

constexpr TPoint Point(int x, int y) { return TPoint{x, y}; }
