// The byte layouts of the map stream, written down once: the size of each piece and its fields
// in stream order (little-endian, packed). The reader decodes a piece by walking its fields with
// a field reader; the writer for tests and tools walks the same fields with a field writer.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "map/TKEXMapAddress.h"
#include "map/TKEXMapAddressOld.h"
#include "map/TKEXMapExtra.h"
#include "map/TKEXMapHeader.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKEXMapObjectOld.h"
#include "map/TKEXMapStreetName.h"
#include "map/TKEXMapText.h"
#include "map/TKEXMapZametka.h"
#include "map/TKEXMapZametkaOld.h"
#include "map/WorldPoint.h"

namespace mapi {

constexpr int kHeaderSize = 602;
constexpr int kStreetNameSize = 43;
constexpr int kObjectSize = 83;    // versions 4 to 6
constexpr int kObjectOldSize = 70; // below 4
constexpr int kAddressSize = 9;
constexpr int kAddressOldSize = 7;
constexpr int kExtraSize = 51;
constexpr int kTextSize = 88;
constexpr int kNoteSize = 330;
constexpr int kNoteOldSize = 272; // below 5
constexpr int kPointSize = 8;

// Each visitFields hands the fields of one piece to field(...) in stream order. A field is an
// arithmetic value, a ShortString or a std::array of bytes; Piece may be const for writing.

template <typename Point, typename Field>
void visitFields(Point& p, Field& field)
    requires std::is_same_v<std::remove_const_t<Point>, WorldPoint>
{
    field(p.x);
    field(p.y);
}

template <typename Pen, typename Field>
void visitFields(Pen& pen, Field& field)
    requires std::is_same_v<std::remove_const_t<Pen>, TKEXMapPen>
{
    field(pen.Color);
    field(pen.Style);
    field(pen.Width);
    field(pen.Caps);
}

template <typename Brush, typename Field>
void visitFields(Brush& brush, Field& field)
    requires std::is_same_v<std::remove_const_t<Brush>, TKEXMapBrush>
{
    field(brush.Color);
    field(brush.Style);
}

template <typename Header, typename Field>
void visitFields(Header& h, Field& field)
    requires std::is_same_v<std::remove_const_t<Header>, TKEXMapHeader>
{
    field(h.Reserved0);
    field(h.Version);
    field(h.NameMap);
    field(h.CreatedBy);
    field(h.Reserved1);
    field(h.Mashtab);
    field(h.CreateDate);
    field(h.ObjectCount);
    field(h.NextObjectId);
    field(h.Scale);
    field(h.XWind);
    field(h.YWind);
    field(h.StreetCount);
    field(h.NextStreetId);
}

template <typename Street, typename Field>
void visitFields(Street& street, Field& field)
    requires std::is_same_v<std::remove_const_t<Street>, TKEXMapStreetName>
{
    field(street.Id);
    field(street.Name);
}

// The record head of versions 4 to 6. The two block flags are passed apart, because the record
// keeps its blocks themselves, not the flags.
template <typename Record, typename Field>
void visitRecordFields(Record& r, uint8_t& hasAddress, uint8_t& hasExtra, Field& field) {
    field(r.Id);
    field(r.Reserved1);
    field(r.Reserved2);
    for (auto& corner : r.Corners)
        visitFields(corner, field);
    visitFields(r.Center, field);
    field(r.Plane);
    field(r.Category);
    field(r.Locked);
    field(r.Kind);
    field(r.Count);
    visitFields(r.Pen, field);
    visitFields(r.Brush, field);
    field(hasAddress);
    field(hasExtra);
}

template <typename Old, typename Field>
void visitFields(Old& r, Field& field)
    requires std::is_same_v<std::remove_const_t<Old>, TKEXMapObjectOld>
{
    field(r.Id);
    for (auto& corner : r.Corners)
        visitFields(corner, field);
    field(r.Plane);
    field(r.Category);
    field(r.Locked);
    field(r.Kind);
    field(r.Count);
    visitFields(r.Pen, field);
    visitFields(r.Brush, field);
    field(r.HasAddress);
    field(r.HasExtra);
}

template <typename Address, typename Field>
void visitFields(Address& a, Field& field)
    requires std::is_same_v<std::remove_const_t<Address>, TKEXMapAddress> ||
             std::is_same_v<std::remove_const_t<Address>, TKEXMapAddressOld>
{
    field(a.StreetId);
    field(a.House);
}

template <typename Extra, typename Field>
void visitFields(Extra& extra, Field& field)
    requires std::is_same_v<std::remove_const_t<Extra>, TKEXMapExtra>
{
    field(extra.Bytes);
}

template <typename Text, typename Field>
void visitFields(Text& t, Field& field)
    requires std::is_same_v<std::remove_const_t<Text>, TKEXMapText>
{
    visitFields(t.Anchor, field);
    field(t.Angle);
    field(t.FontIndex);
    field(t.Size);
    field(t.Text);
}

template <typename Note, typename Field>
void visitFields(Note& n, Field& field)
    requires std::is_same_v<std::remove_const_t<Note>, TKEXMapZametka>
{
    visitFields(n.Anchor, field);
    field(n.LibName);
    field(n.PicName);
    field(n.Reserved);
    field(n.Text);
}

template <typename Note, typename Field>
void visitFields(Note& n, Field& field)
    requires std::is_same_v<std::remove_const_t<Note>, TKEXMapZametkaOld>
{
    visitFields(n.Anchor, field);
    field(n.IconNumber);
    field(n.Reserved);
    field(n.Text);
}

// The block flags of a record: a value of 1 means the block follows on the stream.
struct BlockFlags {
    bool hasAddress = false;
    bool hasExtra = false;
};

// A piece from exactly its size in bytes.
template <typename Piece>
Piece decodePiece(const uint8_t* bytes);
// The 83 bytes of a current record into its fields; payload and blocks stay empty.
BlockFlags decodeRecord(const uint8_t* bytes, TKEXMapObjectMem& record);

} // namespace mapi
