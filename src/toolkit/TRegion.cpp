// Regions over QRegion; a canvas keeps its own copy of the region selected into it.
#include "toolkit/TRegion.h"
#include "toolkit/TRegion_p.h"

#include <QPolygon>

#include <utility>

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

TRegion CreateRectRgn(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    TRegion result;
    result.Impl().region = QRegion(QRect(x1, y1, x2 - x1, y2 - y1));
    return result;
}

TRegion CreatePolygonRgn(std::span<const TPoint> points, int fillMode) {
    TRegion result;
    if (points.size() < 3) return result;
    QPolygon polygon;
    for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
    result.Impl().region = QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return result;
}

void SelectClipRgn(TCanvas& canvas, const TRegion* region) {
    tk::CanvasImpl& impl = canvas.Impl();
    impl.clipped = region != nullptr;
    impl.clip = region ? region->Impl().region : QRegion();
}
