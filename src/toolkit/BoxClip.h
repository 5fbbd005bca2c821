// Shapes cut to a square box around the origin, for shapes reaching far beyond any surface: the
// part inside the box keeps its points, and only what lies beyond the box is replaced.
#pragma once

#include <vector>

namespace tk {

struct BoxPoint {
    double x = 0;
    double y = 0;
};

// Cuts the shape to -limit..limit on both axes, in place. A closed outline (a polygon) keeps the
// winding of every point inside the box, so both fill modes fill there as before; an open path
// (a polyline) runs along the box's edges where it went beyond them. Coordinates must be finite
// and within 1e100, so that crossings cannot overflow.
void clipToBox(std::vector<BoxPoint>& points, double limit, bool closed);

} // namespace tk
