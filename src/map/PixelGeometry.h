// Integer pixel geometry of a view: a point, a size and a rectangle.
#pragma once

namespace mapi {

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

} // namespace mapi
