// Builders of sample records and maps for the map suites.
#include "map/MapSamples.h"

#include "map/ObjectBounds.h"
#include "toolkit/AnsiString.h"

namespace mapsamples {

TKEXMapObjectMem pointObject(uint8_t kind, std::vector<mapi::WorldPoint> points, int32_t category) {
    TKEXMapObjectMem record;
    record.Kind = kind;
    record.Category = category;
    record.SetPoints(std::move(points));
    CalcObjectBounds(record, FixedMetrics());
    return record;
}

TKEXMapObjectMem textObject(mapi::WorldPoint anchor, int32_t angle, const char* text) {
    TKEXMapObjectMem record;
    record.Kind = mapi::kindText;
    record.Category = 9;
    TKEXMapText payload;
    payload.Anchor = anchor;
    payload.Angle = angle;
    payload.Size = 12;
    payload.Text.assign(text);
    record.SetText(payload);
    CalcObjectBounds(record, FixedMetrics());
    return record;
}

TKEXMapObjectMem noteObject(mapi::WorldPoint anchor, const char* lib, const char* pic,
                            const char* text) {
    TKEXMapObjectMem record;
    record.Kind = mapi::kindZametka;
    record.Category = 17;
    TKEXMapZametka note;
    note.Anchor = anchor;
    note.LibName.assign(lib);
    note.PicName.assign(pic);
    note.Reserved = 330;
    note.Text.assign(text);
    record.SetNote(note);
    CalcObjectBounds(record, FixedMetrics());
    return record;
}

TKEXMapObjectMem groupObject(std::vector<TKEXMapObjectMem> children) {
    TKEXMapObjectMem record;
    record.Kind = mapi::kindGroup;
    record.Category = 9;
    TKexMapList list;
    for (auto& child : children)
        list.AddObjectCopy(std::move(child));
    record.SetChildren(std::move(list));
    CalcObjectBounds(record, FixedMetrics());
    return record;
}

TKEXMapObjectMem withAddress(TKEXMapObjectMem record, uint16_t streetId, const char* house) {
    TKEXMapAddress address;
    address.StreetId = streetId;
    address.House.assign(house);
    record.Address = address;
    return record;
}

TSize FixedMetrics::TextExtent(const TKEXMapText& text) const {
    return {static_cast<int>(text.Text.length()) * 10, text.Size};
}

mapstream::MapDocument document(uint32_t version) {
    mapstream::MapDocument map;
    map.Header.Version = version;
    map.Header.NameMap.assign(tk::fromUtf8("Валдрен"));
    map.Header.CreatedBy.assign("test");
    map.Header.Mashtab = 1644;
    map.Header.Scale = 250;
    map.Header.XWind = -100;
    map.Header.YWind = 50;
    map.Header.NextObjectId = 100;
    map.Header.NextStreetId = 3;
    map.Streets = {{tk::fromUtf8("ЛЕНИНА"), 1}, {tk::fromUtf8("САДОВАЯ"), 2}};
    return map;
}

mapstream::MapDocument richDocument(uint32_t version) {
    mapstream::MapDocument map = document(version);
    TKEXMapObjectMem polygon = withAddress(
        pointObject(mapi::kindPolygon, {{0, 0}, {100, 0}, {100, 50}, {0, 50}}), 1, "12A");
    polygon.Pen = {0x0000FF, 0, 2, 0};
    polygon.Brush = {0x00FF00, 0};
    TKEXMapExtra extra;
    extra.Bytes.fill(7);
    polygon.Extra = extra;
    map.Objects.AddObjectCopy(polygon);
    map.Objects.AddObjectCopy(pointObject(mapi::kindPolyline, {{-10, -10}, {40, 30}, {80, -5}}));
    map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{5, 5}}));
    map.Objects.AddObjectCopy(textObject({20, 20}, 450, "TEXT"));
    TKEXMapObjectMem bitmap;
    bitmap.Kind = mapi::kindBitmap;
    bitmap.SetBitmap({1, 2, 3, 4, 5});
    map.Objects.AddObjectCopy(bitmap);
    map.Objects.AddObjectCopy(pointObject(mapi::kindBezier, {{0, 0}, {10, 20}, {30, 20}, {40, 0}}));
    map.Objects.AddObjectCopy(
        pointObject(mapi::kindEllipse, {{200, 200}, {260, 200}, {260, 240}, {200, 240}}));
    map.Objects.AddObjectCopy(noteObject({300, 300}, "DEFAULT", "12", "a note"));
    if (version >= 4) {
        map.Objects.AddObjectCopy(groupObject(
            {pointObject(mapi::kindPolygon, {{500, 500}, {510, 500}, {510, 510}}),
             groupObject({withAddress(pointObject(mapi::kindPolyline, {{520, 520}, {530, 530}}), 2,
                                      "7")})}));
    }
    for (int i = 0; i < map.Objects.Count(); ++i)
        map.Objects[i].Id = static_cast<uint32_t>(i + 1);
    return map;
}

TMemoryStream streamOf(const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    return stream;
}

void load(mapi::MapModel& model, const std::string& bytes) {
    TMemoryStream stream = streamOf(bytes);
    model.LoadFromStream(stream);
}

} // namespace mapsamples
