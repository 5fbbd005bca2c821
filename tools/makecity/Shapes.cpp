// Object makers shared by the planners.
#include "makecity/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "citycategories/CityCategory.h"
#include "makecity/StreetNames.h"

namespace city {
namespace {

// A text's width is estimated from its height: map fonts run about 0.6 of a height per letter.
constexpr float kLetterWidth = 0.6f;
// Notes show a 32-pixel icon; their box is the icon's size at the scale of a whole-city view.
constexpr float kNoteHalf = 16;

} // namespace

Feature::Style categoryStyle(int32_t category) {
    const CityCategory& c = cityCategory(category);
    Feature::Style style;
    style.penColor = c.penColor;
    style.penStyle = c.penStyle;
    style.penWidth = c.penWidth;
    style.brushColor = c.brushColor;
    style.brushStyle = c.brushStyle;
    return style;
}

void frameAround(Feature& feature, const std::vector<Point>& points) {
    Point low = points.front();
    Point high = points.front();
    for (const Point& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    feature.corners = {low, Point{high.x, low.y}, high, Point{low.x, high.y}};
    feature.center = {low.x + (high.x - low.x) / 2, low.y + (high.y - low.y) / 2};
}

Feature shapeFeature(Kind kind, int32_t category, std::vector<Point> points) {
    Feature feature;
    feature.kind = static_cast<uint8_t>(kind);
    feature.category = category;
    feature.plane = cityCategory(category).layer;
    feature.style = categoryStyle(category);
    for (Point& p : points)
        p = snap(p);
    frameAround(feature, points);
    feature.points = std::move(points);
    return feature;
}

Feature textFeature(int32_t category, Point middle, int32_t angle, int32_t size, std::string text) {
    const double radians = angle / 10.0 * std::numbers::pi / 180.0;
    const Point along{static_cast<float>(std::cos(radians)), static_cast<float>(-std::sin(radians))};
    const Point down = rightNormal(along);
    const float width = kLetterWidth * size * static_cast<float>(StreetNames::characters(text));
    const Point anchor = snap(middle - along * (width / 2) - down * (size / 2.0f));

    Feature feature;
    feature.kind = static_cast<uint8_t>(Kind::Text);
    feature.category = category;
    feature.plane = 10;
    feature.style.penColor = 0x00202020; // the text's colour
    feature.style.brushStyle = bsClear;
    feature.corners = {anchor, snap(anchor + along * width), snap(anchor + along * width + down * size),
                       snap(anchor + down * size)};
    feature.center = anchor;
    feature.label = Feature::Label{anchor, angle, 0, size, std::move(text)};
    return feature;
}

Feature noteFeature(Point anchor, std::string library, std::string icon, std::string text) {
    anchor = snap(anchor);
    Feature feature;
    feature.kind = static_cast<uint8_t>(Kind::Note);
    feature.category = cat::Event;
    feature.plane = cityCategory(cat::Event).layer;
    feature.style = categoryStyle(cat::Event);
    frameAround(feature, {anchor - Point{kNoteHalf, kNoteHalf}, anchor + Point{kNoteHalf, kNoteHalf}});
    feature.note = Feature::Note{anchor, std::move(library), std::move(icon), std::move(text)};
    return feature;
}

Feature groupFeature(int32_t category, std::vector<Feature> children) {
    Feature group;
    group.kind = static_cast<uint8_t>(Kind::Group);
    group.category = category;
    group.plane = cityCategory(category).layer;
    group.style = categoryStyle(category);
    std::vector<Point> corners;
    for (const Feature& child : children)
        corners.insert(corners.end(), child.corners.begin(), child.corners.end());
    frameAround(group, corners);
    group.children = std::move(children);
    return group;
}

int32_t uprightAngle(Point a, Point b) {
    const double degrees = std::atan2(-(b.y - a.y), b.x - a.x) * 180.0 / std::numbers::pi;
    auto tenths = static_cast<int32_t>(std::lround(degrees * 10));
    if (tenths > 900)
        tenths -= 1800;
    if (tenths <= -900)
        tenths += 1800;
    return tenths;
}

} // namespace city
