// The pure geometry of the map, in world units and degrees: point in polygon, point near a thick
// segment, outcodes, rotation, bearings, points along a segment, fitting a picture, integer sort.
#pragma once

#include <algorithm>
#include <optional>
#include <span>

#include "toolkit/TRect.h"
#include "toolkit/TSize.h"
#include "map/WorldPoint.h"
#include "map/WorldRect.h"

// Crossing-count test; a point on a lower edge is inside, on an upper edge outside. Fewer than
// three points enclose nothing.
bool PointInPolygon(std::span<const mapi::WorldPoint> points, float x, float y);

// P within half of Width (0 counts as 1) of segment AB, inside AB's box widened by that half; the
// distance is rounded to a whole unit first.
bool PointNearSegment(float width, float ax, float ay, float bx, float by, float px, float py);

// Bit 1: left of Left, else bit 4: right of Right; bit 2: above Top, else bit 8: below Bottom.
// Inline: culling and picking ask it for every object they pass.
inline int OutCode(float left, float top, float right, float bottom, float x, float y) {
    int code = 0;
    if (x < left)
        code |= 1;
    else if (x > right)
        code |= 4;
    if (y < top)
        code |= 2;
    else if (y > bottom)
        code |= 8;
    return code;
}
inline bool PointInRect(const mapi::WorldRect& rect, float x, float y) {
    return OutCode(rect.x1, rect.y1, rect.x2, rect.y2, x, y) == 0;
}
// False only when both ends lie beyond one side of the rectangle.
bool SegmentMayCross(const mapi::WorldRect& rect, mapi::WorldPoint a, mapi::WorldPoint b);

// Turns the point about the centre by Angle degrees, counter-clockwise on the screen.
void RotatePoint(float& x, float& y, double angle, mapi::WorldPoint center);
// Bearing from point 1 to point 2 in degrees, 0 <= angle < 360, clockwise from up (smaller y).
double VectorAngle(float x1, float y1, float x2, float y2);
// The pixel at Distance from A towards B (possibly beyond B); A itself when A and B coincide.
void PointAlongSegment(int& x, int& y, float ax, float ay, float bx, float by, float distance);
// The rectangle a picture takes when centred in Rect, shrunk to fit, never enlarged; Rect itself
// without a picture.
TRect FitPictureRect(const TRect& rect, std::optional<TSize> picture);
// Ascending sort of values[lo..hi].
void QuickSortInts(std::span<int> values, int lo, int hi);

namespace mapi {

// The axis-aligned box of one or more points.
WorldRect boundsOf(std::span<const WorldPoint> points);
// Widens rect to take in the box from minPoint to maxPoint. Inline: loading asks it per object.
inline void extendBounds(WorldRect& rect, WorldPoint minPoint, WorldPoint maxPoint) {
    rect.x1 = std::min(rect.x1, minPoint.x);
    rect.y1 = std::min(rect.y1, minPoint.y);
    rect.x2 = std::max(rect.x2, maxPoint.x);
    rect.y2 = std::max(rect.y2, maxPoint.y);
}

} // namespace mapi
