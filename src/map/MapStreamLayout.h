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

// A piece of type T, or a const one for writing.
template <typename Piece, typename T>
concept PieceOf = std::is_same_v<std::remove_const_t<Piece>, T>;

// Each visitFields hands the fields of one piece to field(...) in stream order. A field is an
// arithmetic value, a ShortString or a std::array of bytes; Piece may be const for writing.

template <PieceOf<WorldPoint> Point, typename Field>
void visitFields(Point& p, Field& field) {
    field(p.x);
    field(p.y);
}

template <PieceOf<TKEXMapPen> Pen, typename Field>
void visitFields(Pen& pen, Field& field) {
    field(pen.Color);
    field(pen.Style);
    field(pen.Width);
    field(pen.Caps);
}

template <PieceOf<TKEXMapBrush> Brush, typename Field>
void visitFields(Brush& brush, Field& field) {
    field(brush.Color);
    field(brush.Style);
}

template <PieceOf<TKEXMapHeader> Header, typename Field>
void visitFields(Header& h, Field& field) {
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

template <PieceOf<TKEXMapStreetName> Street, typename Field>
void visitFields(Street& street, Field& field) {
    field(street.Id);
    field(street.Name);
}

// The record head of versions 4 to 6. The two block flags are passed apart, because the record
// keeps its blocks themselves, not the flags.
template <PieceOf<TKEXMapObjectMem> Record, typename Field>
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

template <PieceOf<TKEXMapObjectOld> Old, typename Field>
void visitFields(Old& r, Field& field) {
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
requires PieceOf<Address, TKEXMapAddress> || PieceOf<Address, TKEXMapAddressOld>
void visitFields(Address& a, Field& field) {
    field(a.StreetId);
    field(a.House);
}

template <PieceOf<TKEXMapExtra> Extra, typename Field>
void visitFields(Extra& extra, Field& field) {
    field(extra.Bytes);
}

template <PieceOf<TKEXMapText> Text, typename Field>
void visitFields(Text& t, Field& field) {
    visitFields(t.Anchor, field);
    field(t.Angle);
    field(t.FontIndex);
    field(t.Size);
    field(t.Text);
}

template <PieceOf<TKEXMapZametka> Note, typename Field>
void visitFields(Note& n, Field& field) {
    visitFields(n.Anchor, field);
    field(n.LibName);
    field(n.PicName);
    field(n.Reserved);
    field(n.Text);
}

template <PieceOf<TKEXMapZametkaOld> Note, typename Field>
void visitFields(Note& n, Field& field) {
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
