// The per-object hit test.
#include "map/HitTest.h"

#include <algorithm>
#include <limits>

#include "map/MapGeometry.h"

namespace mapi {

WorldRect PickBox(const TKEXMapObjectMem& record) {
    if (record.Kind == kindText || record.Kind == kindZametka) {
        constexpr float kEndless = std::numeric_limits<float>::infinity();
        return {-kEndless, -kEndless, kEndless, kEndless};
    }
    WorldRect box = boundsOf(record.Corners);
    if (box.x1 == box.x2) {
        box.x1 -= 1;
        box.x2 += 1;
    }
    if (box.y1 == box.y2) {
        box.y1 -= 1;
        box.y2 += 1;
    }
    return box;
}

} // namespace mapi

namespace {

bool hitsPolyline(const TKEXMapObjectMem& record, float x, float y) {
    const auto points = record.Points();
    const auto width = static_cast<float>(record.Pen.Width);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const mapi::WorldPoint a = points[i - 1];
        const mapi::WorldPoint b = points[i];
        if (PointNearSegment(width, a.x, a.y, b.x, b.y, x, y))
            return true;
    }
    return false;
}

bool hitsNote(const TKEXMapObjectMem& record, float x, float y, const mapi::ViewContext& context) {
    const TKEXMapZametka* note = record.Note();
    if (!note)
        return false;
    const TSize icon = context.NoteIconSize(*note);
    const double unitsPerPixel = 100.0 / std::max(context.Scale(), 1);
    const double halfWidth = icon.cx * unitsPerPixel / 2;
    const double halfHeight = icon.cy * unitsPerPixel / 2;
    return x >= note->Anchor.x - halfWidth && x <= note->Anchor.x + halfWidth &&
           y >= note->Anchor.y - halfHeight && y <= note->Anchor.y + halfHeight;
}

bool hitsGroup(const TKEXMapObjectMem& record, float x, float y, const mapi::ViewContext& context) {
    const TKexMapList* children = record.Children();
    if (!children)
        return false;
    for (int i = 0; i < children->Count(); ++i) {
        if (HitTestObject(x, y, i, *children, context) == i)
            return true;
    }
    return false;
}

bool hits(const TKEXMapObjectMem& record, float x, float y, const mapi::ViewContext& context) {
    if (record.Kind == mapi::kindText)
        return PointInPolygon(record.Corners, x, y);
    if (record.Kind == mapi::kindZametka)
        return hitsNote(record, x, y, context);
    if (!PointInRect(mapi::PickBox(record), x, y))
        return false;
    switch (record.Kind) {
    case mapi::kindPolygon:
    case mapi::kindBezier:
        return PointInPolygon(record.Points(), x, y);
    case mapi::kindPolyline:
        return hitsPolyline(record, x, y);
    case mapi::kindGroup:
        return hitsGroup(record, x, y, context);
    default:
        return true; // pixel sets, bitmaps, ellipses and unknown kinds: the box decides
    }
}

} // namespace

int HitTestObject(float x, float y, int i, const TKexMapList& list,
                  const mapi::ViewContext& context) {
    if (i < 0 || i >= list.Count())
        return -1;
    const TKEXMapObjectMem& record = list[i];
    if (record.Category == 0 && !context.IsEditing())
        return -1;
    return hits(record, x, y, context) ? i : -1;
}
