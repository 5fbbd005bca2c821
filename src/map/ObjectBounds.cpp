// Object frames and invalidation rectangles.
#include "map/ObjectBounds.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "map/MapGeometry.h"
#include "map/Rounding.h"
#include "map/TKexMapList.h"

namespace {

// The axis-aligned box of some points, grown one point at a time.
class BoxBuilder {
public:
    void add(mapi::WorldPoint p) {
        if (!box_) {
            box_ = mapi::WorldRect{p.x, p.y, p.x, p.y};
            return;
        }
        box_->x1 = std::min(box_->x1, p.x);
        box_->y1 = std::min(box_->y1, p.y);
        box_->x2 = std::max(box_->x2, p.x);
        box_->y2 = std::max(box_->y2, p.y);
    }

    // Sets the corners to the box widened by half the pen width; nothing when no point came.
    void storeWidened(TKEXMapObjectMem& record) const {
        if (!box_)
            return;
        const float h = static_cast<float>(record.Pen.Width) / 2;
        const mapi::WorldRect r{box_->x1 - h, box_->y1 - h, box_->x2 + h, box_->y2 + h};
        record.Corners = {mapi::WorldPoint{r.x1, r.y1}, mapi::WorldPoint{r.x2, r.y1},
                          mapi::WorldPoint{r.x2, r.y2}, mapi::WorldPoint{r.x1, r.y2}};
    }

private:
    std::optional<mapi::WorldRect> box_;
};

void calcTextBounds(TKEXMapObjectMem& record, const mapi::TextMetrics& metrics) {
    const TKEXMapText* text = record.Text();
    if (!text)
        return;
    const TSize extent = metrics.TextExtent(*text);
    const mapi::WorldPoint a = text->Anchor;
    const auto w = static_cast<float>(extent.cx);
    const auto h = static_cast<float>(extent.cy);
    record.Corners = {a, mapi::WorldPoint{a.x + w, a.y}, mapi::WorldPoint{a.x + w, a.y + h},
                      mapi::WorldPoint{a.x, a.y + h}};
    for (std::size_t i = 1; i < 4; ++i)
        RotatePoint(record.Corners[i].x, record.Corners[i].y, text->Angle / 10.0, a);
}

} // namespace

void CalcObjectBounds(TKEXMapObjectMem& record, const mapi::TextMetrics& metrics) {
    if (mapi::isPointKind(record.Kind)) {
        BoxBuilder box;
        for (mapi::WorldPoint p : record.Points())
            box.add(p);
        box.storeWidened(record);
        return;
    }
    switch (record.Kind) {
    case mapi::kindText:
        calcTextBounds(record, metrics);
        return;
    case mapi::kindZametka:
        if (const TKEXMapZametka* note = record.Note())
            record.Corners.fill(note->Anchor);
        return;
    case mapi::kindGroup:
        if (TKexMapList* children = record.Children()) {
            BoxBuilder box;
            for (int i = 0; i < children->Count(); ++i) {
                TKEXMapObjectMem& child = (*children)[i];
                CalcObjectBounds(child, metrics);
                for (mapi::WorldPoint corner : child.Corners)
                    box.add(corner);
            }
            box.storeWidened(record);
        }
        return;
    default:
        return;
    }
}

TRect GetObjectScreenRect(const TKEXMapObjectMem& record, const mapi::ViewTransform& view,
                          const mapi::ViewContext& context, int sizeRect, TSize client) {
    TRect r;
    const TKEXMapZametka* note = record.Kind == mapi::kindZametka ? record.Note() : nullptr;
    if (note) {
        float x = note->Anchor.x;
        float y = note->Anchor.y;
        view.MapToScreen(x, y);
        const TSize icon = context.NoteIconSize(*note);
        const double dx = mapi::roundToInt(icon.cx * double{view.Factor()}) + 30;
        const double dy = mapi::roundToInt(icon.cy * double{view.Factor()}) + 30;
        r = {mapi::roundToInt(x - dx), mapi::roundToInt(y - dy), mapi::roundToInt(x + dx),
             mapi::roundToInt(y + dy)};
    } else {
        mapi::WorldPoint lo = record.Corners[0];
        mapi::WorldPoint hi = record.Corners[2];
        if (record.Kind == mapi::kindText) {
            for (mapi::WorldPoint corner : record.Corners) {
                lo = {std::min(lo.x, corner.x), std::min(lo.y, corner.y)};
                hi = {std::max(hi.x, corner.x), std::max(hi.y, corner.y)};
            }
        }
        view.MapToScreen(lo.x, lo.y);
        view.MapToScreen(hi.x, hi.y);
        const double margin = sizeRect + 30.0;
        const auto widen = [](float v, double by) { return mapi::clampToInt(std::trunc(v) + by); };
        r = {widen(lo.x, -margin), widen(lo.y, -margin), widen(hi.x, margin), widen(hi.y, margin)};
    }
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, client.cx);
    r.Bottom = std::min(r.Bottom, client.cy);
    return r;
}
