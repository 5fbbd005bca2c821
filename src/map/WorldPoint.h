// A point of the map's world: two Singles, as the map stream stores every coordinate. World y
// grows downwards, like pixel y.
#pragma once

namespace mapi {

struct WorldPoint {
    float x = 0;
    float y = 0;

    bool operator==(const WorldPoint&) const = default;
};

} // namespace mapi
