// Clipping regions as the platform's region calls make them: rectangles and polygons (in the
// alternate or winding fill mode). A canvas takes a copy of the region it is given, so the
// region may go away at once; selecting none removes the clipping.
#pragma once

#include <memory>
#include <span>

#include "toolkit/FillMode.h"
#include "toolkit/TPoint.h"

class TCanvas;

namespace tk {
struct RegionImpl;
}

class TRegion {
public:
    TRegion();
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);

    bool Contains(int x, int y) const;
    bool IsEmpty() const;

    const tk::RegionImpl& Impl() const { return *impl_; }
    tk::RegionImpl& Impl() { return *impl_; }

private:
    std::unique_ptr<tk::RegionImpl> impl_;
};

// The pixels x1 <= x < x2, y1 <= y < y2.
TRegion CreateRectRgn(int x1, int y1, int x2, int y2);
// The pixels inside the polygon under the fill mode (ALTERNATE or WINDING).
TRegion CreatePolygonRgn(std::span<const TPoint> points, int fillMode);
// Clips every later drawing on the canvas to the region; nullptr removes the clipping.
void SelectClipRgn(TCanvas& canvas, const TRegion* region);
