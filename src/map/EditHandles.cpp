// The resize handles' positions.
#include "map/EditHandles.h"

#include <cmath>

namespace mapi {

WorldPoint HandleMiddle(WorldPoint a, WorldPoint b) {
    return {a.x + std::abs(a.x - b.x) / 2, a.y + std::abs(a.y - b.y) / 2};
}

std::array<WorldPoint, 8> ResizeHandles(const std::array<WorldPoint, 4>& c) {
    const float midX = HandleMiddle(c[0], c[1]).x;
    const float midY = HandleMiddle(c[1], c[2]).y;
    return {c[0], {midX, c[0].y}, c[1], {c[1].x, midY}, c[2], {midX, c[2].y}, c[3], {c[0].x, midY}};
}

} // namespace mapi
