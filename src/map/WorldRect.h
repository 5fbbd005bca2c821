// A rectangle of the world as four Singles: the map extent, the bounds of a query or a region.
#pragma once

namespace mapi {

struct WorldRect {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;

    bool operator==(const WorldRect&) const = default;
};

} // namespace mapi
