// Decoding the map stream's pieces field by field, so that the in-memory records keep their
// natural alignment while the stream stays packed.
#include "map/MapStreamLayout.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the map stream is little-endian and decoded by plain copies");

namespace mapi {
namespace {

// Reads consecutive little-endian fields from a piece whose size the caller has checked.
class FieldReader {
public:
    explicit FieldReader(const uint8_t* bytes) : at_(bytes) {}

    template <typename T>
    T read() {
        T value;
        std::memcpy(&value, at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    template <typename T>
    void readInto(T& value) {
        value = read<T>();
    }

    template <std::size_t Room>
    void readString(ShortString<Room>& text) {
        std::memcpy(text.bytes, at_, Room + 1);
        at_ += Room + 1;
    }

    template <std::size_t N>
    void readBytes(std::array<uint8_t, N>& bytes) {
        std::memcpy(bytes.data(), at_, N);
        at_ += N;
    }

    WorldPoint readPoint() {
        WorldPoint p;
        p.x = read<float>();
        p.y = read<float>();
        return p;
    }

    TKEXMapPen readPen() {
        TKEXMapPen pen;
        readInto(pen.Color);
        readInto(pen.Style);
        readInto(pen.Width);
        readInto(pen.Caps);
        return pen;
    }

    TKEXMapBrush readBrush() {
        TKEXMapBrush brush;
        readInto(brush.Color);
        readInto(brush.Style);
        return brush;
    }

    void readCorners(std::array<WorldPoint, 4>& corners) {
        for (WorldPoint& corner : corners)
            corner = readPoint();
    }

private:
    const uint8_t* at_;
};

} // namespace

TKEXMapHeader decodeHeader(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapHeader header;
    in.readBytes(header.Reserved0);
    in.readInto(header.Version);
    in.readString(header.NameMap);
    in.readString(header.CreatedBy);
    in.readBytes(header.Reserved1);
    in.readInto(header.Mashtab);
    in.readInto(header.CreateDate);
    in.readInto(header.ObjectCount);
    in.readInto(header.NextObjectId);
    in.readInto(header.Scale);
    in.readInto(header.XWind);
    in.readInto(header.YWind);
    in.readInto(header.StreetCount);
    in.readInto(header.NextStreetId);
    return header;
}

TKEXMapStreetName decodeStreetName(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapStreetName name;
    in.readInto(name.Id);
    in.readString(name.Name);
    return name;
}

BlockFlags decodeObject(const uint8_t* bytes, TKEXMapObjectMem& record) {
    FieldReader in(bytes);
    in.readInto(record.Id);
    in.readInto(record.Reserved1);
    in.readInto(record.Reserved2);
    in.readCorners(record.Corners);
    record.Center = in.readPoint();
    in.readInto(record.Plane);
    in.readInto(record.Category);
    in.readInto(record.Locked);
    in.readInto(record.Kind);
    in.readInto(record.Count);
    record.Pen = in.readPen();
    record.Brush = in.readBrush();
    BlockFlags flags;
    flags.hasAddress = in.read<uint8_t>() == 1;
    flags.hasExtra = in.read<uint8_t>() == 1;
    return flags;
}

TKEXMapObjectOld decodeObjectOld(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapObjectOld record;
    in.readInto(record.Id);
    in.readCorners(record.Corners);
    in.readInto(record.Plane);
    in.readInto(record.Category);
    in.readInto(record.Locked);
    in.readInto(record.Kind);
    in.readInto(record.Count);
    record.Pen = in.readPen();
    record.Brush = in.readBrush();
    in.readInto(record.HasAddress);
    in.readInto(record.HasExtra);
    return record;
}

TKEXMapAddress decodeAddress(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapAddress address;
    in.readInto(address.StreetId);
    in.readString(address.House);
    return address;
}

TKEXMapAddressOld decodeAddressOld(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapAddressOld address;
    in.readInto(address.StreetId);
    in.readString(address.House);
    return address;
}

TKEXMapExtra decodeExtra(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapExtra extra;
    in.readBytes(extra.Bytes);
    return extra;
}

TKEXMapText decodeText(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapText text;
    text.Anchor = in.readPoint();
    in.readInto(text.Angle);
    in.readInto(text.FontIndex);
    in.readInto(text.Size);
    in.readString(text.Text);
    return text;
}

TKEXMapZametka decodeNote(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapZametka note;
    note.Anchor = in.readPoint();
    in.readString(note.LibName);
    in.readString(note.PicName);
    in.readInto(note.Reserved);
    in.readString(note.Text);
    return note;
}

TKEXMapZametkaOld decodeNoteOld(const uint8_t* bytes) {
    FieldReader in(bytes);
    TKEXMapZametkaOld note;
    note.Anchor = in.readPoint();
    in.readInto(note.IconNumber);
    in.readBytes(note.Reserved);
    in.readString(note.Text);
    return note;
}

} // namespace mapi
