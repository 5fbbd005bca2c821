// Puts a map object under a chosen pixel of the map control, for tests, scenes and benchmarks that
// press on it as a user would.
#pragma once

#include "map/ControlViewContext.h"
#include "map/TDataMap.h"
#include "toolkit/TPoint.h"

namespace testsupport {

// Scrolls the map, at its scale, so that object Index's centre lies at the pixel At; true when a
// press there locates that object (it is the topmost one under the pixel).
inline bool centreObjectAt(TDataMap& map, int index, TPoint at) {
    if (index < 0 || index >= map.GetObjectCount())
        return false;
    const mapi::WorldPoint centre = map.Model().Objects()[index].Center;
    map.SetXWind(centre.x - float(at.X) * 100 / float(map.Scale()));
    map.SetYWind(centre.y - float(at.Y) * 100 / float(map.Scale()));
    float x = float(at.X), y = float(at.Y);
    map.ScreenToMap(x, y);
    mapi::ControlViewContext context(map);
    return map.Model().HitTest(x, y, context) && map.Model().HitList().back() == index;
}

} // namespace testsupport
