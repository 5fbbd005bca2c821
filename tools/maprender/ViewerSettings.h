// The map settings of the program's main window, which holds the map as a locked viewer: house
// numbers large and from scale 200, small objects culled below 6 pixels, the whole map after load.
#pragma once

#include "map/TDataMap.h"

namespace maprender {

// The background of the main window's map, "$00008000" in its settings file.
constexpr TColor kViewerBackground = 0x00008000;

void applyViewerSettings(TDataMap& map);

} // namespace maprender
