// Prints a loaded map as JSON (UTF-8): the header's fields, the extent, the street names and
// every object with its blocks and payload, groups with their children.
#pragma once

#include <ostream>

#include "map/MapModel.h"

namespace mapdump {

void printMapJson(const mapi::MapModel& map, std::ostream& out);

} // namespace mapdump
