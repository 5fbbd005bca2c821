// World and pixel conversions of a view.
#include "map/ViewTransform.h"

#include <algorithm>
#include <cmath>

#include "map/Rounding.h"
#include "toolkit/BoxClip.h"

namespace mapi {
namespace {

// False for NaN as well.
bool isWithinPixelBox(float x, float y) {
    return std::abs(x) <= kPixelLimit && std::abs(y) <= kPixelLimit;
}

// A screen coordinate as the Single product gives it, which is what a shape within the box is
// rounded from; where that overflows, the same product in double, kept within what a crossing
// with the box can take. NaN gives 0, as rounding it would.
double screenValue(float world, float wind, float k) {
    const float single = (world - wind) * k;
    if (std::isfinite(single))
        return single;
    const double wide = (double{world} - wind) * k;
    if (std::isnan(wide))
        return 0;
    return std::clamp(wide, -1e100, 1e100);
}

} // namespace

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

std::span<TPoint> ViewTransform::MapToPixels(std::span<const WorldPoint> points, PixelShape shape,
                                             std::vector<TPoint>& dest) const {
    if (dest.size() < points.size())
        dest.resize(points.size());
    const float k = zoom_ * factor_;
    bool withinBox = true;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const float x = (points[i].x - xWind_) * k;
        const float y = (points[i].y - yWind_) * k;
        withinBox = withinBox && isWithinPixelBox(x, y);
        dest[i] = {roundToInt(x), roundToInt(y)};
    }
    if (withinBox)
        return {dest.data(), points.size()};
    return cutToPixelBox(points, shape, dest);
}

std::span<TPoint> ViewTransform::cutToPixelBox(std::span<const WorldPoint> points,
                                               PixelShape shape, std::vector<TPoint>& dest) const {
    const float k = zoom_ * factor_;
    std::vector<tk::BoxPoint> screen;
    screen.reserve(points.size());
    for (const WorldPoint& p : points)
        screen.push_back({screenValue(p.x, xWind_, k), screenValue(p.y, yWind_, k)});
    if (shape != PixelShape::Points)
        tk::clipToBox(screen, kPixelLimit, /*closed=*/shape == PixelShape::Outline);
    if (dest.size() < screen.size())
        dest.resize(screen.size());
    for (std::size_t i = 0; i < screen.size(); ++i)
        dest[i] = {roundToPixel(screen[i].x), roundToPixel(screen[i].y)};
    return {dest.data(), screen.size()};
}

} // namespace mapi
