// The world-to-pixel transform of a map view: pixel = (world - origin) x Scale / 100 x Factor,
// and back. The control keeps XWind, YWind and Scale; Factor is the renderer's extra zoom.
#pragma once

#include <span>
#include <vector>

#include "toolkit/TPoint.h"
#include "map/WorldPoint.h"

namespace mapi {

// How a list of points is cut where it reaches beyond the pixel box: as a polygon's outline, as a
// polyline's path, or each point on its own (the corners of an ellipse).
enum class PixelShape { Outline, Path, Points };

class ViewTransform {
public:
    ViewTransform(float xWind, float yWind, int scale, float factor = 1.0f);

    float Factor() const { return factor_; }

    void ScreenToMap(float& x, float& y) const;
    // Kept as Singles; callers round or truncate.
    void MapToScreen(float& x, float& y) const;
    // Rounded pixels of the points in dest (grown when too small), all within kPixelLimit: a
    // shape reaching beyond that box is cut there, its part inside the box unchanged.
    std::span<TPoint> MapToPixels(std::span<const WorldPoint> points, PixelShape shape,
                                  std::vector<TPoint>& dest) const;

private:
    std::span<TPoint> cutToPixelBox(std::span<const WorldPoint> points, PixelShape shape,
                                    std::vector<TPoint>& dest) const;

    float xWind_;
    float yWind_;
    int scale_;  // at least 1
    float zoom_; // Scale x 0.01, as the control keeps it
    float factor_;
};

} // namespace mapi
