// World and pixel conversions of a view.
#include "map/ViewTransform.h"

#include <algorithm>

#include "map/Rounding.h"

namespace mapi {

ViewTransform::ViewTransform(float xWind, float yWind, int scale, float factor)
    : xWind_(xWind), yWind_(yWind),
      scale_(std::max(scale, 1)), // a stored Scale of 0 must not divide
      zoom_(static_cast<float>(scale_ * 0.01L)), factor_(factor) {}

void ViewTransform::ScreenToMap(float& x, float& y) const {
    const double unitsPerPixel = 100.0 / scale_;
    x = static_cast<float>(x * unitsPerPixel + xWind_);
    y = static_cast<float>(y * unitsPerPixel + yWind_);
}

void ViewTransform::MapToScreen(float& x, float& y) const {
    x = (x - xWind_) * zoom_ * factor_;
    y = (y - yWind_) * zoom_ * factor_;
}

int ViewTransform::MapToScreenPoints(std::span<const WorldPoint> points,
                                     std::span<TPoint> dest) const {
    const std::size_t n = std::min(points.size(), dest.size());
    const float k = zoom_ * factor_;
    for (std::size_t i = 0; i < n; ++i)
        dest[i] = {roundToInt((points[i].x - xWind_) * k), roundToInt((points[i].y - yWind_) * k)};
    return static_cast<int>(n);
}

} // namespace mapi
