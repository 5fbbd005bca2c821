// Regions over QRegion; a canvas keeps its own copy of the region selected into it.
#include "toolkit/TRegion.h"
#include "toolkit/TRegion_p.h"

#include <QPolygon>

#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/BoxClip.h"
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

QPolygon clipToRegionBox(std::span<const TPoint> points) {
    std::vector<tk::BoxPoint> polygon;
    for (const TPoint& p : points)
        polygon.push_back({static_cast<double>(p.X), static_cast<double>(p.Y)});
    tk::clipToBox(polygon, kRegionLimit, /*closed=*/true);
    QPolygon result;
    for (const tk::BoxPoint& p : polygon)
        result << QPointF(p.x, p.y).toPoint();
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
