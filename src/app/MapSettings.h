// The settings the main window gives its map: a locked viewer of the city "Валдрен" with large
// house numbers from scale 200 on, small objects culled below 6 pixels, the whole map after load.
// The renderer tool and the map benchmark set their maps up the same way.
#pragma once

class TDataMap;

namespace app {

// Every other property keeps the map's default; the background colour is the settings file's.
void applyMapSettings(TDataMap& map);

} // namespace app
