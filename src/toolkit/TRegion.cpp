// Regions over QRegion; a canvas keeps its own copy of the region selected into it.
#include "toolkit/TRegion.h"
#include "toolkit/TRegion_p.h"

#include <QPolygon>

#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

TRegion::TRegion() : impl_(std::make_unique<tk::RegionImpl>()) {}

TRegion::~TRegion() = default;

TRegion::TRegion(const TRegion& other) : impl_(std::make_unique<tk::RegionImpl>(*other.impl_)) {}

TRegion& TRegion::operator=(const TRegion& other) {
    *impl_ = *other.impl_;
    return *this;
}

bool TRegion::Contains(int x, int y) const { return impl_->region.contains(QPoint(x, y)); }

bool TRegion::IsEmpty() const { return impl_->region.isEmpty(); }

namespace {

// Qt's region code overflows, or builds one band per scanline, for shapes far larger than any
// surface. Shapes are cut to this box first: nothing outside it can ever be drawn or clipped.
constexpr double kRegionLimit = 1 << 15;

int clampToRegion(int value) {
    return static_cast<int>(std::clamp<double>(value, -kRegionLimit, kRegionLimit));
}

// One Sutherland-Hodgman pass: keeps the part of the polygon on the inner side of one box edge.
// Points inside the box keep their winding numbers, so both fill modes are preserved there.
template <typename Inside, typename Cross>
std::vector<QPointF> clipEdge(const std::vector<QPointF>& in, Inside inside, Cross cross) {
    std::vector<QPointF> out;
    for (size_t i = 0; i < in.size(); ++i) {
        const QPointF& current = in[i];
        const QPointF& previous = in[(i + in.size() - 1) % in.size()];
        if (inside(current)) {
            if (!inside(previous))
                out.push_back(cross(previous, current));
            out.push_back(current);
        } else if (inside(previous)) {
            out.push_back(cross(previous, current));
        }
    }
    return out;
}

QPolygon clipToRegionBox(std::span<const TPoint> points) {
    std::vector<QPointF> polygon;
    for (const TPoint& p : points)
        polygon.emplace_back(p.X, p.Y);
    const auto atX = [](double x) {
        return [x](const QPointF& a, const QPointF& b) {
            return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
        };
    };
    const auto atY = [](double y) {
        return [y](const QPointF& a, const QPointF& b) {
            return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
        };
    };
    const double limit = kRegionLimit;
    polygon = clipEdge(polygon, [&](const QPointF& p) { return p.x() >= -limit; }, atX(-limit));
    polygon = clipEdge(polygon, [&](const QPointF& p) { return p.x() <= limit; }, atX(limit));
    polygon = clipEdge(polygon, [&](const QPointF& p) { return p.y() >= -limit; }, atY(-limit));
    polygon = clipEdge(polygon, [&](const QPointF& p) { return p.y() <= limit; }, atY(limit));
    QPolygon result;
    for (const QPointF& p : polygon)
        result << p.toPoint();
    return result;
}

} // namespace

TRegion CreateRectRgn(int x1, int y1, int x2, int y2) {
    x1 = clampToRegion(x1);
    y1 = clampToRegion(y1);
    x2 = clampToRegion(x2);
    y2 = clampToRegion(y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    TRegion result;
    result.Impl().region = QRegion(QRect(x1, y1, x2 - x1, y2 - y1));
    return result;
}

TRegion CreatePolygonRgn(std::span<const TPoint> points, int fillMode) {
    TRegion result;
    if (points.size() < 3) return result;
    const QPolygon polygon = clipToRegionBox(points);
    result.Impl().region = QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return result;
}

void SelectClipRgn(TCanvas& canvas, const TRegion* region) {
    tk::CanvasImpl& impl = canvas.Impl();
    impl.clipped = region != nullptr;
    impl.clip = region ? region->Impl().region : QRegion();
}
