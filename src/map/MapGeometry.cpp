// The geometry helpers. Computation is in double over Single inputs; results that become pixels
// go through the saturating conversions of Rounding.h.
#include "map/MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "map/QuickSort.h"
#include "map/Rounding.h"

bool PointInPolygon(std::span<const mapi::WorldPoint> points, float x, float y) {
    if (points.size() < 3)
        return false;
    bool inside = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const mapi::WorldPoint a = points[i];
        const mapi::WorldPoint b = points[(i + 1) % points.size()];
        if (a.y == b.y)
            continue;
        const mapi::WorldPoint upper = a.y > b.y ? a : b; // the end with the larger y
        if (y > upper.y)
            continue;
        if (y == upper.y) {
            if (upper.x >= x)
                inside = !inside;
            continue;
        }
        if (y == std::min(a.y, b.y))
            continue;
        const double t = (double{y} - a.y) / (double{b.y} - a.y);
        if (t <= 0 || t >= 1)
            continue;
        if (a.x + (double{b.x} - a.x) * t >= x)
            inside = !inside;
    }
    return inside;
}

bool PointNearSegment(float width, float ax, float ay, float bx, float by, float px, float py) {
    const double h = (width == 0 ? 1.0 : double{width}) / 2;
    if (px < std::min(ax, bx) - h || px > std::max(ax, bx) + h || py < std::min(ay, by) - h ||
        py > std::max(ay, by) + h)
        return false;
    const double a = std::hypot(double{bx} - ax, double{by} - ay);
    const double b = std::hypot(double{px} - bx, double{py} - by);
    const double c = std::hypot(double{px} - ax, double{py} - ay);
    // The distance is rounded to a whole unit, ties to even, as the hit test of a polyline takes
    // it: a hairline (width 0) is hit within half a unit of its path, not up to a whole one.
    if (a == 0) // a point, not a segment: the distance to it
        return std::nearbyint(c) <= h;
    const double s = (a + b + c) / 2;
    // Rounding can make the product slightly negative for a point on the line.
    const double area = std::sqrt(std::max(0.0, s * (s - a) * (s - b) * (s - c)));
    return std::nearbyint(2 * area / a) <= h;
}

bool SegmentMayCross(const mapi::WorldRect& rect, mapi::WorldPoint a, mapi::WorldPoint b) {
    return (OutCode(rect.x1, rect.y1, rect.x2, rect.y2, a.x, a.y) &
            OutCode(rect.x1, rect.y1, rect.x2, rect.y2, b.x, b.y)) == 0;
}

void RotatePoint(float& x, float& y, double angle, mapi::WorldPoint center) {
    const double dx = double{x} - center.x;
    const double dy = double{y} - center.y;
    double r = std::sqrt(dx * dx + dy * dy);
    if (dx < 0)
        r = -r;
    double polar = 0;
    if (dx == 0)
        polar = dy >= 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    else
        polar = std::atan(dy / dx);
    const double turned = polar - angle * std::numbers::pi / 180;
    x = static_cast<float>(std::cos(turned) * r + center.x);
    y = static_cast<float>(std::sin(turned) * r + center.y);
}

double VectorAngle(float x1, float y1, float x2, float y2) {
    const double dx = double{x2} - x1;
    const double up = double{y1} - y2;
    if (dx == 0 && up == 0)
        return 0;
    double angle = std::atan2(dx, up) * 180 / std::numbers::pi;
    if (angle < 0)
        angle += 360;
    return angle >= 360 ? 0 : angle;
}

void PointAlongSegment(int& x, int& y, float ax, float ay, float bx, float by, float distance) {
    const double length = mapi::roundToInt(std::hypot(double{bx} - ax, double{by} - ay));
    const double t = length == 0 ? 0 : distance / length;
    x = mapi::roundToInt((double{bx} - ax) * t + ax);
    y = mapi::roundToInt((double{by} - ay) * t + ay);
}

TRect FitPictureRect(const TRect& rect, std::optional<TSize> picture) {
    if (!picture)
        return rect;
    const int width = std::abs(rect.Right - rect.Left);
    const int height = std::abs(rect.Bottom - rect.Top);
    const int cx = rect.Left + width / 2;
    const int cy = rect.Top + height / 2;
    double k = 1;
    if (picture->cx > width || picture->cy > height) {
        // A side of 0 never limits the factor.
        const double kx = picture->cx > 0 ? static_cast<double>(width) / picture->cx : 1;
        const double ky = picture->cy > 0 ? static_cast<double>(height) / picture->cy : 1;
        k = std::min(kx, ky);
    }
    const int w = mapi::roundToInt(picture->cx * k);
    const int h = mapi::roundToInt(picture->cy * k);
    return {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

void QuickSortInts(std::span<int> values, int lo, int hi) {
    mapi::quickSortByKey(values, lo, hi, [](int value) { return value; });
}

namespace mapi {

WorldRect boundsOf(std::span<const WorldPoint> points) {
    WorldRect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const WorldPoint& p : points.subspan(1)) {
        r.x1 = std::min(r.x1, p.x);
        r.y1 = std::min(r.y1, p.y);
        r.x2 = std::max(r.x2, p.x);
        r.y2 = std::max(r.y2, p.y);
    }
    return r;
}

} // namespace mapi
