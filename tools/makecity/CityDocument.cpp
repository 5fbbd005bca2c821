// From the plan's plain values to map records: texts to code page 1251, payloads by kind.
#include "makecity/CityDocument.h"

#include <vector>

#include "toolkit/AnsiString.h"

namespace city {
namespace {

// What a converted old note carries at offset 70; new notes carry the same, so that every
// layout of the city reads back alike.
constexpr int32_t kNoteReserved = 330;

std::vector<mapi::WorldPoint> worldPoints(const std::vector<Point>& points) {
    std::vector<mapi::WorldPoint> out;
    out.reserve(points.size());
    for (const Point& p : points)
        out.push_back({p.x, p.y});
    return out;
}

mapi::WorldPoint world(Point p) { return {p.x, p.y}; }

TKEXMapObjectMem record(const Feature& f, uint32_t version);

void appendRecords(TKexMapList& list, const Feature& f, uint32_t version) {
    if (f.is(Kind::Group) && version < 4) {
        for (const Feature& child : f.children)
            appendRecords(list, child, version);
        return;
    }
    list.AddObjectCopy(record(f, version));
}

TKEXMapObjectMem record(const Feature& f, uint32_t version) {
    TKEXMapObjectMem r;
    r.Id = f.id;
    for (size_t i = 0; i < 4; ++i)
        r.Corners[i] = world(f.corners[i]);
    r.Center = world(f.center);
    r.Plane = f.plane;
    r.Category = f.category;
    r.Locked = f.locked ? 1 : 0;
    r.Pen = {f.style.penColor, f.style.penStyle, f.style.penWidth, f.style.caps};
    r.Brush = {f.style.brushColor, f.style.brushStyle};
    if (f.address) {
        TKEXMapAddress address;
        address.StreetId = f.address->streetId;
        address.House.assign(tk::fromUtf8(f.address->house));
        r.Address = address;
    }
    if (f.extra)
        r.Extra = TKEXMapExtra{*f.extra};

    if (f.label) {
        TKEXMapText text;
        text.Anchor = world(f.label->anchor);
        text.Angle = f.label->angle;
        text.FontIndex = f.label->fontIndex;
        text.Size = f.label->size;
        text.Text.assign(tk::fromUtf8(f.label->text));
        r.SetText(text);
    } else if (f.note) {
        TKEXMapZametka note;
        note.Anchor = world(f.note->anchor);
        note.LibName.assign(tk::fromUtf8(f.note->library));
        note.PicName.assign(tk::fromUtf8(f.note->icon));
        note.Reserved = kNoteReserved;
        note.Text.assign(tk::fromUtf8(f.note->text));
        r.SetNote(note);
    } else if (f.is(Kind::Group)) {
        TKexMapList children;
        for (const Feature& child : f.children)
            appendRecords(children, child, version);
        r.SetChildren(std::move(children));
    } else if (f.is(Kind::Bitmap)) {
        r.SetBitmap(f.bytes);
    } else if (!f.points.empty()) {
        r.SetPoints(worldPoints(f.points));
    }
    r.Kind = f.kind;
    return r;
}

} // namespace

mapstream::MapDocument cityDocument(const CityPlan& plan, uint32_t version) {
    mapstream::MapDocument document;
    TKEXMapHeader& h = document.Header;
    h.Version = version;
    h.NameMap.assign(tk::fromUtf8(plan.name));
    h.CreatedBy.assign(tk::fromUtf8(plan.author));
    h.Mashtab = plan.mashtab;
    h.CreateDate = plan.created;
    h.NextObjectId = plan.nextId();
    h.Scale = plan.scale;
    h.XWind = plan.view.x;
    h.YWind = plan.view.y;
    h.NextStreetId = static_cast<int32_t>(plan.streets.size()) + 1;
    for (const CityPlan::Street& street : plan.streets)
        document.Streets.push_back({tk::fromUtf8(street.name), street.id});
    for (const Feature& f : plan.features)
        appendRecords(document.Objects, f, version);
    return document;
}

} // namespace city
