// A pixel rectangle with the platform's bounding convention: Left and Top inside, Right and Bottom
// just outside, so Width is Right - Left.
#pragma once

#include "toolkit/TPoint.h"

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return Point(Left, Top); }
    TPoint BottomRight() const { return Point(Right, Bottom); }

    bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
