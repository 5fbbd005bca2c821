// The map control's zoom to a set of objects, as the address search and the links to the map use it.
#include "map/TDataMap.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "map/Rounding.h"
#include "map/TKexMapList.h"

namespace {

// The scale at which a side of Length world units fills Pixels; none for a side without length,
// which fits at any scale.
std::optional<int> fitScale(double length, int pixels) {
    if (!(length > 0))
        return std::nullopt;
    return mapi::roundToInt(100 / (length / pixels));
}

} // namespace

void TDataMap::ZoomToObjects(std::span<const int> Indices, int scale) {
    const TKexMapList& objects = model_.Objects();
    bool any = false;
    mapi::WorldRect box;
    for (int i : Indices) {
        if (i < 0 || i >= objects.Count())
            continue;
        const mapi::WorldPoint first = objects[i].Corners[0];
        const mapi::WorldPoint third = objects[i].Corners[2];
        if (!any) {
            box = {first.x, first.y, third.x, third.y};
            any = true;
            continue;
        }
        box = {std::min(box.x1, first.x), std::min(box.y1, first.y), std::max(box.x2, third.x),
               std::max(box.y2, third.y)};
    }
    if (!any)
        return;
    const double w = std::abs(double{box.x1} - box.x2);
    const double h = std::abs(double{box.y1} - box.y2);
    // A single point or a straight vertical or horizontal line has no fit on that side: the
    // ScaleFind cap decides.
    int chosen = scaleFind_;
    for (std::optional<int> fit : {fitScale(w, ClientWidth()), fitScale(h, ClientHeight())})
        if (fit)
            chosen = std::min(chosen, *fit);
    if (scale >= 0)
        chosen = scale;
    // The middle of the box, also when a turned frame gave its corners in another order.
    const double cx = (double{box.x1} + box.x2) / 2;
    const double cy = (double{box.y1} + box.y2) / 2;
    model_.Header.XWind = static_cast<float>(cx - static_cast<double>((ClientWidth() * 100) / Scale()) / 2);
    model_.Header.YWind = static_cast<float>(cy - static_cast<double>((ClientHeight() * 100) / Scale()) / 2);
    SetScale(chosen);
}
