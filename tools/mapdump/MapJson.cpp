// The JSON form of a map. Numbers are written in their shortest exact form; a coordinate that is
// no finite number (damaged but readable input) is written as null.
#include "MapJson.h"

#include <charconv>
#include <cmath>
#include <string>
#include <type_traits>

#include "jsontext/JsonText.h"
#include "map/TKexMapList.h"
#include "toolkit/AnsiString.h"

namespace mapdump {
namespace {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    // The shortest text that reads back as the same Single or Double.
    template <typename Real>
    requires std::is_floating_point_v<Real>
    void number(Real value) {
        if (!std::isfinite(value)) {
            out_ << "null";
            return;
        }
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        out_.write(buffer, end - buffer);
    }

    // A CP1251 text as a UTF-8 JSON string.
    void text(const AnsiString& ansi) { out_ << jsontext::quoted(tk::toUtf8(ansi)); }

    void point(mapi::WorldPoint p) {
        out_ << '[';
        number(p.x);
        out_ << ", ";
        number(p.y);
        out_ << ']';
    }

    void key(const char* name) { out_ << '"' << name << "\": "; }
    std::ostream& raw() { return out_; }

private:
    std::ostream& out_;
};

void printObjects(JsonWriter& json, const mapi::MapModel& map, const TKexMapList& objects,
                  const char* indent);

void printPayload(JsonWriter& json, const mapi::MapModel& map, const TKEXMapObjectMem& r,
                  const char* indent) {
    std::ostream& out = json.raw();
    if (mapi::isPointKind(r.Kind)) {
        out << ", ";
        json.key("points");
        out << '[';
        const char* separator = "";
        for (const mapi::WorldPoint p : r.Points()) {
            out << separator;
            json.point(p);
            separator = ", ";
        }
        out << ']';
    }
    if (const TKEXMapText* text = r.Kind == mapi::kindText ? r.Text() : nullptr) {
        out << ", \"text\": {\"anchor\": ";
        json.point(text->Anchor);
        out << ", \"angle\": " << text->Angle << ", \"font\": " << int{text->FontIndex}
            << ", \"size\": " << text->Size << ", \"text\": ";
        json.text(text->Text.str());
        out << '}';
    }
    if (const TKEXMapZametka* note = r.Kind == mapi::kindZametka ? r.Note() : nullptr) {
        out << ", \"note\": {\"anchor\": ";
        json.point(note->Anchor);
        out << ", \"lib\": ";
        json.text(note->LibName.str());
        out << ", \"pic\": ";
        json.text(note->PicName.str());
        out << ", \"text\": ";
        json.text(note->Text.str());
        out << '}';
    }
    if (r.Kind == mapi::kindBitmap)
        out << ", \"bytes\": " << r.Bitmap().size();
    if (const TKexMapList* children = r.Kind == mapi::kindGroup ? r.Children() : nullptr) {
        out << ", ";
        json.key("children");
        printObjects(json, map, *children, (std::string(indent) + "  ").c_str());
    }
}

void printObject(JsonWriter& json, const mapi::MapModel& map, const TKEXMapObjectMem& r,
                 const char* indent) {
    std::ostream& out = json.raw();
    out << "{\"id\": " << r.Id << ", \"kind\": " << int{r.Kind} << ", \"count\": " << r.Count
        << ", \"plane\": " << r.Plane << ", \"category\": " << r.Category
        << ", \"locked\": " << int{r.Locked} << ", \"corners\": [";
    for (std::size_t i = 0; i < r.Corners.size(); ++i) {
        out << (i ? ", " : "");
        json.point(r.Corners[i]);
    }
    out << "], \"center\": ";
    json.point(r.Center);
    out << ", \"pen\": {\"color\": " << r.Pen.Color << ", \"style\": " << int{r.Pen.Style}
        << ", \"width\": " << r.Pen.Width << ", \"caps\": " << r.Pen.Caps << "}";
    out << ", \"brush\": {\"color\": " << r.Brush.Color << ", \"style\": " << int{r.Brush.Style}
        << "}";
    if (r.Address) {
        out << ", \"address\": {\"street_id\": " << r.Address->StreetId << ", \"street\": ";
        json.text(map.GetStreetName(r.Address->StreetId));
        out << ", \"house\": ";
        json.text(r.Address->House.str());
        out << '}';
    }
    printPayload(json, map, r, indent);
    out << '}';
}

void printObjects(JsonWriter& json, const mapi::MapModel& map, const TKexMapList& objects,
                  const char* indent) {
    std::ostream& out = json.raw();
    out << '[';
    for (int i = 0; i < objects.Count(); ++i) {
        out << (i ? "," : "") << '\n' << indent << "  ";
        printObject(json, map, objects[i], indent);
    }
    out << (objects.IsEmpty() ? "" : "\n") << (objects.IsEmpty() ? "" : indent) << ']';
}

} // namespace

void printMapJson(const mapi::MapModel& map, std::ostream& out) {
    JsonWriter json(out);
    const TKEXMapHeader& h = map.Header;
    out << "{\n  \"version\": " << h.Version << ",\n  \"name\": ";
    json.text(h.NameMap.str());
    out << ",\n  \"author\": ";
    json.text(h.CreatedBy.str());
    out << ",\n  \"mashtab\": " << h.Mashtab << ",\n  \"scale\": " << h.Scale << ",\n  \"xwind\": ";
    json.number(h.XWind);
    out << ",\n  \"ywind\": ";
    json.number(h.YWind);
    out << ",\n  \"object_count\": " << h.ObjectCount << ",\n  \"next_id\": " << h.NextObjectId
        << ",\n  \"next_street_id\": " << h.NextStreetId << ",\n  \"extent\": [";
    const mapi::WorldRect& e = map.MapExtent;
    const float extent[] = {e.x1, e.y1, e.x2, e.y2};
    for (std::size_t i = 0; i < 4; ++i) {
        out << (i ? ", " : "");
        json.number(extent[i]);
    }
    out << "],\n  \"streets\": [";
    const auto& streets = map.Content().StreetNames.Entries();
    for (std::size_t i = 0; i < streets.size(); ++i) {
        out << (i ? "," : "") << "\n    {\"id\": " << streets[i].Id << ", \"name\": ";
        json.text(streets[i].Name);
        out << '}';
    }
    out << (streets.empty() ? "" : "\n  ") << "],\n  \"objects\": ";
    printObjects(json, map, map.Objects(), "  ");
    out << ",\n  \"damaged\": " << (map.Damaged() ? "true" : "false") << "\n}\n";
}

} // namespace mapdump
