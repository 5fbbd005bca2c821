// The part of a map that linked maps share: the object list, the grid index over it and the
// street-name dictionary. A map owns one and may point at another map's instead.
#pragma once

#include "map/StreetDictionary.h"
#include "map/TKexMapIndex.h"
#include "map/TKexMapList.h"

namespace mapi {

struct MapContent {
    MapContent() : Index(Objects) {}
    MapContent(const MapContent&) = delete;
    MapContent& operator=(const MapContent&) = delete;

    TKexMapList Objects; // top-level objects in drawing order
    TKexMapIndex Index;  // over Objects
    StreetDictionary StreetNames;
};

} // namespace mapi
