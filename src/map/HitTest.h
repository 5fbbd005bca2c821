// Whether a world point hits one object of a list, by kind: polygons and Bezier curves by their
// points, polylines by their thick segments, texts by their turned frame, notes by their icon,
// groups by their children, everything else by its frame.
#pragma once

#include "map/TKexMapList.h"
#include "map/ViewContext.h"
#include "map/WorldRect.h"

namespace mapi {

// The box a point must lie in to hit the record: its frame's box, a box without width or height
// opened by one unit each way; unbounded for texts and notes, whose own tests decide.
WorldRect PickBox(const TKEXMapObjectMem& record);

} // namespace mapi

// Returns i when the point hits record i of the list, else -1 (also for an index out of range).
// Category-0 objects are hit only while editing is on.
int HitTestObject(float x, float y, int i, const TKexMapList& list,
                  const mapi::ViewContext& context);
