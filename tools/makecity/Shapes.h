// Makers of the city's objects: a shape, a text or a note with the style of its category,
// its bounding corners and its centre already worked out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "makecity/Feature.h"

namespace city {

// The category's pen and brush, as a map object carries them.
Feature::Style categoryStyle(int32_t category);

// A polygon, polyline, pixel set, Bezier curve or ellipse of the category, drawn in the
// category's plane.
Feature shapeFeature(Kind kind, int32_t category, std::vector<Point> points);

// A text centred on middle, running at angle (tenths of a degree, counter-clockwise), size world
// units tall. Its corners are the rotated box of the text; its anchor is the box's top-left corner.
Feature textFeature(int32_t category, Point middle, int32_t angle, int32_t size, std::string text);

// A note shown as icon of library at anchor.
Feature noteFeature(Point anchor, std::string library, std::string icon, std::string text);

// A group of the children, in their order.
Feature groupFeature(int32_t category, std::vector<Feature> children);

// Corners: the axis-aligned box round the points; centre: its middle.
void frameAround(Feature& feature, const std::vector<Point>& points);

// The text angle (tenths of a degree, kept upright) of a line running from a to b.
int32_t uprightAngle(Point a, Point b);

} // namespace city
