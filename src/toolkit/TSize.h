// A width and a height in pixels, as text measuring returns them.
#pragma once

struct TSize {
    int cx = 0;
    int cy = 0;

    bool operator==(const TSize&) const = default;
};
