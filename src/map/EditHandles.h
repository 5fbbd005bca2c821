// Where the resize handles of a selected object sit, shared by the overlay that draws them and
// the pick tool that answers a press on them, so that a handle is pressed where it is seen.
#pragma once

#include <array>

#include "map/WorldPoint.h"

namespace mapi {

// a + |a - b| / 2 on each axis: the middle of a side, measured from a whichever way the side runs.
WorldPoint HandleMiddle(WorldPoint a, WorldPoint b);

// The eight resize handles of a frame's corners c1..c4, in handle order: c1, the top middle, c2,
// the right middle, c3, the bottom middle, c4, the left middle.
std::array<WorldPoint, 8> ResizeHandles(const std::array<WorldPoint, 4>& corners);

} // namespace mapi
