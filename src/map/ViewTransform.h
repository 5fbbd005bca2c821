// The world-to-pixel transform of a map view: pixel = (world - origin) x Scale / 100 x Factor,
// and back. The control keeps XWind, YWind and Scale; Factor is the renderer's extra zoom.
#pragma once

#include <span>

#include "toolkit/TPoint.h"
#include "map/WorldPoint.h"

namespace mapi {

class ViewTransform {
public:
    ViewTransform(float xWind, float yWind, int scale, float factor = 1.0f);

    float Factor() const { return factor_; }

    void ScreenToMap(float& x, float& y) const;
    // Kept as Singles; callers round or truncate.
    void MapToScreen(float& x, float& y) const;
    // Rounded pixels of the first points that fit into dest; returns how many were written.
    int MapToScreenPoints(std::span<const WorldPoint> points, std::span<TPoint> dest) const;

private:
    float xWind_;
    float yWind_;
    int scale_;  // at least 1
    float zoom_; // Scale x 0.01, as the control keeps it
    float factor_;
};

} // namespace mapi
