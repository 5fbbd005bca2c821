// A point of the city in world units (y grows southwards, as on the screen), with the little
// vector arithmetic the planners need.
#pragma once

#include <cmath>

namespace city {

struct Point {
    float x = 0;
    float y = 0;

    bool operator==(const Point&) const = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, float k) { return {a.x * k, a.y * k}; }

inline float length(Point v) { return std::hypot(v.x, v.y); }

inline Point unit(Point v) {
    const float n = length(v);
    return n > 0 ? Point{v.x / n, v.y / n} : Point{1, 0};
}

// The vector turned a quarter to the right on the screen (towards the south for an eastward one).
inline Point rightNormal(Point v) { return {-v.y, v.x}; }

// Coordinates on a quarter-unit lattice, so that halves and sums stay exact in 32-bit floats
// whatever layout version converts them.
inline float snap(float v) { return std::round(v * 4.0f) / 4.0f; }
inline Point snap(Point p) { return {snap(p.x), snap(p.y)}; }

} // namespace city
