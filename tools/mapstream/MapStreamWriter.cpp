// Encoding of the map stream's pieces, field by field, in the packed little-endian layout the
// reader decodes.
#include "mapstream/MapStreamWriter.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <type_traits>

#include "map/MapStreamLayout.h"

static_assert(std::endian::native == std::endian::little,
              "fields are written as they lie in memory");

namespace mapstream {
namespace {

// Appends fields as they lie in memory: the stream is little-endian like this machine.
class FieldWriter {
public:
    explicit FieldWriter(std::string& out) : out_(out) {}

    template <typename T>
    requires std::is_arithmetic_v<T>
    void operator()(const T& value) { append(&value, sizeof(T)); }

    template <std::size_t Room>
    void operator()(const ShortString<Room>& text) {
        append(text.bytes, Room + 1);
    }

    template <std::size_t N>
    void operator()(const std::array<uint8_t, N>& bytes) {
        append(bytes.data(), N);
    }

    template <typename Piece>
    void piece(const Piece& p) {
        mapi::visitFields(p, *this);
    }

    void append(const void* bytes, std::size_t size) {
        out_.append(static_cast<const char*>(bytes), size);
    }

private:
    std::string& out_;
};

// The old forms the reader converts from, made back from current pieces.
TKEXMapObjectOld oldRecord(const TKEXMapObjectMem& r) {
    TKEXMapObjectOld old;
    old.Id = r.Id;
    old.Corners = r.Corners;
    old.Plane = r.Plane;
    old.Category = r.Category;
    old.Locked = r.Locked;
    old.Kind = r.Kind;
    old.Count = r.Count;
    old.Pen = r.Pen;
    old.Brush = r.Brush;
    old.HasAddress = r.HasAddress();
    old.HasExtra = r.HasExtra();
    return old;
}

TKEXMapAddressOld oldAddress(const TKEXMapAddress& address) {
    TKEXMapAddressOld old;
    old.StreetId = address.StreetId;
    old.House.assign(address.House.str());
    return old;
}

TKEXMapZametkaOld oldNote(const TKEXMapZametka& note) {
    TKEXMapZametkaOld old;
    old.Anchor = note.Anchor;
    const AnsiString pic = note.PicName.str();
    std::from_chars(pic.data(), pic.data() + pic.size(), old.IconNumber);
    old.Text = note.Text;
    return old;
}

class StreamWriter {
public:
    StreamWriter(std::string& out, uint32_t version) : put_(out), version_(version) {}

    void header(const TKEXMapHeader& h) { put_.piece(h); }

    void street(const mapi::StreetEntry& entry) {
        TKEXMapStreetName street;
        street.Id = entry.Id;
        street.Name.assign(entry.Name);
        put_.piece(street);
    }

    void record(const TKEXMapObjectMem& r) {
        if (version_ < 4) {
            put_.piece(oldRecord(r));
        } else {
            uint8_t hasAddress = r.HasAddress();
            uint8_t hasExtra = r.HasExtra();
            mapi::visitRecordFields(r, hasAddress, hasExtra, put_);
        }
        if (r.Address && version_ < 4)
            put_.piece(oldAddress(*r.Address));
        else if (r.Address)
            put_.piece(*r.Address);
        if (r.Extra)
            put_.piece(*r.Extra);
        payload(r);
    }

private:
    void payload(const TKEXMapObjectMem& r) {
        for (const mapi::WorldPoint& p : r.Points())
            put_.piece(p);
        const auto bitmap = r.Bitmap();
        put_.append(bitmap.data(), bitmap.size());
        if (const TKEXMapText* text = r.Text()) {
            TKEXMapText stored = *text;
            if (version_ < 6)
                stored.Angle /= 10; // whole degrees
            put_.piece(stored);
        }
        if (const TKEXMapZametka* note = r.Note()) {
            if (version_ < 5)
                put_.piece(oldNote(*note));
            else
                put_.piece(*note);
        }
        if (const TKexMapList* children = r.Children()) {
            for (int i = 0; i < children->Count(); ++i)
                record((*children)[i]);
        }
    }

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
