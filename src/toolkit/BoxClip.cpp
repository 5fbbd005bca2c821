// One Sutherland-Hodgman pass per edge of the box. A crossing is computed from the two ends of the
// segment that straddles the edge, so it lies on the segment's own line.
#include "toolkit/BoxClip.h"

namespace tk {
namespace {

// Keeps what lies on the inner side of one edge. An open path has no segment from its last point
// back to its first.
template <typename Inside, typename Cross>
void clipEdge(const std::vector<BoxPoint>& in, bool closed, Inside inside, Cross cross,
              std::vector<BoxPoint>& out) {
    out.clear();
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const BoxPoint& current = in[i];
        if (i > 0 || closed) {
            const BoxPoint& previous = in[(i + n - 1) % n];
            if (inside(current) != inside(previous))
                out.push_back(cross(previous, current));
        }
        if (inside(current))
            out.push_back(current);
    }
}

auto crossingAtX(double x) {
    return [x](const BoxPoint& a, const BoxPoint& b) {
        return BoxPoint{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
    };
}

auto crossingAtY(double y) {
    return [y](const BoxPoint& a, const BoxPoint& b) {
        return BoxPoint{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
    };
}

} // namespace

void clipToBox(std::vector<BoxPoint>& points, double limit, bool closed) {
    std::vector<BoxPoint> cut;
    clipEdge(points, closed, [&](const BoxPoint& p) { return p.x >= -limit; }, crossingAtX(-limit), cut);
    clipEdge(cut, closed, [&](const BoxPoint& p) { return p.x <= limit; }, crossingAtX(limit), points);
    clipEdge(points, closed, [&](const BoxPoint& p) { return p.y >= -limit; }, crossingAtY(-limit), cut);
    clipEdge(cut, closed, [&](const BoxPoint& p) { return p.y <= limit; }, crossingAtY(limit), points);
}

} // namespace tk
