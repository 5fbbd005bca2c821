// The planned city as a map document for the map-stream writer, in the layout of a format
// version: 6 is the current layout; 5, 4 and 3 hold the same city with what their layouts
// cannot hold left out (groups are dissolved into their members below 4).
#pragma once

#include <cstdint>

#include "makecity/CityPlan.h"
#include "mapstream/MapStreamWriter.h"

namespace city {

mapstream::MapDocument cityDocument(const CityPlan& plan, uint32_t version);

} // namespace city
