// The packed layout of the map stream's pieces: every field at its byte offset.
#include "map/MapStreamLayout.h"

#include <initializer_list>
#include <map>
#include <utility>

#include <gtest/gtest.h>

namespace {

// Walks a piece's field list, noting the stream offset of each field it is handed.
struct OffsetRecorder {
    std::map<const void*, std::size_t> offsets;
    std::size_t end = 0;

    template <typename T>
    void operator()(const T& field) {
        offsets[&field] = end;
        end += sizeof(T);
    }
};

using Offsets = std::initializer_list<std::pair<const void*, std::size_t>>;

void expectOffsets(const OffsetRecorder& recorder, int size, Offsets expected) {
    EXPECT_EQ(recorder.end, static_cast<std::size_t>(size));
    for (const auto& [field, offset] : expected) {
        ASSERT_TRUE(recorder.offsets.contains(field)) << "a field expected at " << offset;
        EXPECT_EQ(recorder.offsets.at(field), offset);
    }
}

// The field lists the reader and the writer share, against the offsets the stream format gives.
template <typename Piece>
void expectPieceOffsets(const Piece& piece, int size, Offsets expected) {
    OffsetRecorder recorder;
    mapi::visitFields(piece, recorder);
    expectOffsets(recorder, size, expected);
}

TEST(MapStreamLayoutTest, EveryFieldSitsAtItsOffsetAndTheFieldsFillEachPiece) {
    const TKEXMapHeader h{};
    expectPieceOffsets(h, mapi::kHeaderSize,
                       {{&h.Version, 41}, {&h.NameMap, 45}, {&h.CreatedBy, 301}, {&h.Mashtab, 562},
                        {&h.CreateDate, 566}, {&h.ObjectCount, 574}, {&h.NextObjectId, 578}, {&h.Scale, 582},
                        {&h.XWind, 586}, {&h.YWind, 590}, {&h.StreetCount, 594}, {&h.NextStreetId, 598}});
    const TKEXMapObjectMem r;
    uint8_t hasAddress = 0;
    uint8_t hasExtra = 0;
    OffsetRecorder record;
    mapi::visitRecordFields(r, hasAddress, hasExtra, record);
    expectOffsets(record, mapi::kObjectSize,
                  {{&r.Id, 0}, {&r.Reserved1, 4}, {&r.Reserved2, 8}, {&r.Corners[0].x, 9}, {&r.Corners[3].y, 37},
                   {&r.Center.x, 41}, {&r.Center.y, 45}, {&r.Plane, 49}, {&r.Category, 53}, {&r.Locked, 57},
                   {&r.Kind, 58}, {&r.Count, 59}, {&r.Pen.Color, 63}, {&r.Pen.Style, 67}, {&r.Pen.Width, 68},
                   {&r.Pen.Caps, 72}, {&r.Brush.Color, 76}, {&r.Brush.Style, 80}, {&hasAddress, 81},
                   {&hasExtra, 82}});
    const TKEXMapObjectOld o{};
    expectPieceOffsets(o, mapi::kObjectOldSize,
                       {{&o.Id, 0}, {&o.Corners[0].x, 4}, {&o.Corners[3].y, 32}, {&o.Plane, 36}, {&o.Category, 40},
                        {&o.Locked, 44}, {&o.Kind, 45}, {&o.Count, 46}, {&o.Pen.Color, 50}, {&o.Brush.Color, 63},
                        {&o.HasAddress, 68}, {&o.HasExtra, 69}});
    const TKEXMapText t{};
    expectPieceOffsets(t, mapi::kTextSize,
                       {{&t.Anchor.x, 0}, {&t.Anchor.y, 4}, {&t.Angle, 8}, {&t.FontIndex, 12}, {&t.Size, 13},
                        {&t.Text, 17}});
    const TKEXMapZametka n{};
    expectPieceOffsets(n, mapi::kNoteSize,
                       {{&n.Anchor.x, 0}, {&n.LibName, 8}, {&n.PicName, 39}, {&n.Reserved, 70}, {&n.Text, 74}});
    const TKEXMapZametkaOld old{};
    expectPieceOffsets(old, mapi::kNoteOldSize, {{&old.IconNumber, 8}, {&old.Text, 16}});
    const TKEXMapAddress a{};
    expectPieceOffsets(a, mapi::kAddressSize, {{&a.StreetId, 0}, {&a.House, 2}});
    const TKEXMapStreetName s{};
    expectPieceOffsets(s, mapi::kStreetNameSize, {{&s.Id, 0}, {&s.Name, 2}});
    expectPieceOffsets(TKEXMapAddressOld{}, mapi::kAddressOldSize, {});
    expectPieceOffsets(TKEXMapExtra{}, mapi::kExtraSize, {});
}

// Decoded from bytes, a text is its length byte's characters, cut at the room it has, and a
// block follows a record only for a flag of exactly 1.
TEST(MapStreamLayoutTest, DecodingReadsLengthBytesAndFlagsAsTheFormatMeansThem) {
    uint8_t bytes[mapi::kObjectSize] = {};
    bytes[81] = 1;
    bytes[82] = 2;
    TKEXMapObjectMem record;
    const mapi::BlockFlags flags = mapi::decodeRecord(bytes, record);
    EXPECT_TRUE(flags.hasAddress);
    EXPECT_FALSE(flags.hasExtra);

    uint8_t street[mapi::kStreetNameSize] = {9, 0, 4, 'M', 'A', 'I', 'N'};
    const auto name = mapi::decodePiece<TKEXMapStreetName>(street);
    EXPECT_EQ(name.Id, 9);
    EXPECT_EQ(name.Name.str(), "MAIN");
    uint8_t address[mapi::kAddressSize] = {};
    address[2] = 200;
    EXPECT_EQ(mapi::decodePiece<TKEXMapAddress>(address).House.str().size(), 6u);
}

} // namespace
