// Encoding of the map stream's pieces, field by field, in the packed little-endian layout the
// reader decodes.
#include "mapstream/MapStreamWriter.h"

#include <bit>
#include <charconv>
#include <cstring>

#include "map/MapStreamLayout.h"

static_assert(std::endian::native == std::endian::little, "fields are written as they lie in memory");

namespace mapstream {
namespace {

class FieldWriter {
public:
    explicit FieldWriter(std::string& out) : out_(out) {}

    template <typename T>
    void put(T value) {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        out_.append(bytes, sizeof(T));
    }

    template <std::size_t Room>
    void putString(const ShortString<Room>& text) {
        out_.append(reinterpret_cast<const char*>(text.bytes), Room + 1);
    }

    template <std::size_t N>
    void putBytes(const std::array<uint8_t, N>& bytes) {
        out_.append(reinterpret_cast<const char*>(bytes.data()), N);
    }

    void putPoint(mapi::WorldPoint p) {
        put(p.x);
        put(p.y);
    }

    void putPen(const TKEXMapPen& pen) {
        put(pen.Color);
        put(pen.Style);
        put(pen.Width);
        put(pen.Caps);
    }

    void putBrush(const TKEXMapBrush& brush) {
        put(brush.Color);
        put(brush.Style);
    }

private:
    std::string& out_;
};

class StreamWriter {
public:
    StreamWriter(std::string& out, uint32_t version) : out_(out), put_(out), version_(version) {}

    void header(TKEXMapHeader h) {
        put_.putBytes(h.Reserved0);
        put_.put(h.Version);
        put_.putString(h.NameMap);
        put_.putString(h.CreatedBy);
        put_.putBytes(h.Reserved1);
        put_.put(h.Mashtab);
        put_.put(h.CreateDate);
        put_.put(h.ObjectCount);
        put_.put(h.NextObjectId);
        put_.put(h.Scale);
        put_.put(h.XWind);
        put_.put(h.YWind);
        put_.put(h.StreetCount);
        put_.put(h.NextStreetId);
    }

    void street(const mapi::StreetEntry& entry) {
        ShortString<40> name;
        name.assign(entry.Name);
        put_.put(entry.Id);
        put_.putString(name);
    }

    void record(const TKEXMapObjectMem& r) {
        if (version_ < 4)
            oldRecordFields(r);
        else
            recordFields(r);
        if (r.Address && version_ < 4) {
            ShortString<4> house;
            house.assign(r.Address->House.str());
            put_.put(r.Address->StreetId);
            put_.putString(house);
        } else if (r.Address) {
            put_.put(r.Address->StreetId);
            put_.putString(r.Address->House);
        }
        if (r.Extra)
            put_.putBytes(r.Extra->Bytes);
        payload(r);
    }

private:
    void recordFields(const TKEXMapObjectMem& r) {
        put_.put(r.Id);
        put_.put(r.Reserved1);
        put_.put(r.Reserved2);
        for (const mapi::WorldPoint& corner : r.Corners)
            put_.putPoint(corner);
        put_.putPoint(r.Center);
        put_.put(r.Plane);
        put_.put(r.Category);
        put_.put(r.Locked);
        put_.put(r.Kind);
        put_.put(r.Count);
        put_.putPen(r.Pen);
        put_.putBrush(r.Brush);
        put_.put(uint8_t{r.HasAddress()});
        put_.put(uint8_t{r.HasExtra()});
    }

    void oldRecordFields(const TKEXMapObjectMem& r) {
        put_.put(r.Id);
        for (const mapi::WorldPoint& corner : r.Corners)
            put_.putPoint(corner);
        put_.put(r.Plane);
        put_.put(r.Category);
        put_.put(r.Locked);
        put_.put(r.Kind);
        put_.put(r.Count);
        put_.putPen(r.Pen);
        put_.putBrush(r.Brush);
        put_.put(uint8_t{r.HasAddress()});
        put_.put(uint8_t{r.HasExtra()});
    }

    void payload(const TKEXMapObjectMem& r) {
        for (const mapi::WorldPoint& p : r.Points())
            put_.putPoint(p);
        const auto bitmap = r.Bitmap();
        out_.append(reinterpret_cast<const char*>(bitmap.data()), bitmap.size());
        if (const TKEXMapText* text = r.Text())
            this->text(*text);
        if (const TKEXMapZametka* note = r.Note())
            this->note(*note);
        if (const TKexMapList* children = r.Children()) {
            for (int i = 0; i < children->Count(); ++i)
                record((*children)[i]);
        }
    }

    void text(const TKEXMapText& t) {
        put_.putPoint(t.Anchor);
        put_.put(version_ < 6 ? t.Angle / 10 : t.Angle);
        put_.put(t.FontIndex);
        put_.put(t.Size);
        put_.putString(t.Text);
    }

    void note(const TKEXMapZametka& n) {
        put_.putPoint(n.Anchor);
        if (version_ < 5) {
            const AnsiString pic = n.PicName.str();
            int32_t icon = 0;
            std::from_chars(pic.data(), pic.data() + pic.size(), icon);
            put_.put(icon);
            put_.put(int32_t{0});
            put_.putString(n.Text);
            return;
        }
        put_.putString(n.LibName);
        put_.putString(n.PicName);
        put_.put(n.Reserved);
        put_.putString(n.Text);
    }

    std::string& out_;
    FieldWriter put_;
    uint32_t version_;
};

} // namespace

std::string WriteMapStream(const MapDocument& map, const WriteOptions& options) {
    std::string out;
    StreamWriter writer(out, map.Header.Version);
    TKEXMapHeader header = map.Header;
    header.ObjectCount = options.ObjectCount.value_or(map.Objects.Count());
    header.StreetCount = options.StreetCount.value_or(static_cast<int32_t>(map.Streets.size()));
    writer.header(header);
    for (const mapi::StreetEntry& street : map.Streets)
        writer.street(street);
    for (int i = 0; i < map.Objects.Count(); ++i)
        writer.record(map.Objects[i]);
    return out;
}

} // namespace mapstream
