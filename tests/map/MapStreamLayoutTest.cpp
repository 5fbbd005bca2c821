// The packed layout of the map stream's pieces: every field at its byte offset.
#include "map/MapStreamLayout.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Bytes of one piece with values placed at the offsets the stream format gives, independently of
// the field lists the reader and the writer share.
class Bytes {
public:
    explicit Bytes(int size) : bytes_(static_cast<std::size_t>(size), 0) {}

    template <typename T>
    Bytes& at(int offset, T value) {
        std::memcpy(bytes_.data() + offset, &value, sizeof(T));
        return *this;
    }

    Bytes& text(int offset, const std::string& text) {
        bytes_[static_cast<std::size_t>(offset)] = static_cast<uint8_t>(text.size());
        std::memcpy(bytes_.data() + offset + 1, text.data(), text.size());
        return *this;
    }

    const uint8_t* data() const { return bytes_.data(); }

private:
    std::vector<uint8_t> bytes_;
};

// Adds up the bytes a piece's field list covers.
struct FieldCounter {
    std::size_t bytes = 0;

    template <typename T>
    void operator()(const T&) {
        bytes += sizeof(T);
    }
};

template <typename Piece>
std::size_t fieldBytes() {
    FieldCounter counter;
    const Piece piece{};
    mapi::visitFields(piece, counter);
    return counter.bytes;
}

TEST(MapStreamLayoutTest, FieldListsCoverEachPieceExactly) {
    EXPECT_EQ(fieldBytes<TKEXMapHeader>(), std::size_t{mapi::kHeaderSize});
    EXPECT_EQ(fieldBytes<TKEXMapStreetName>(), std::size_t{mapi::kStreetNameSize});
    EXPECT_EQ(fieldBytes<TKEXMapObjectOld>(), std::size_t{mapi::kObjectOldSize});
    EXPECT_EQ(fieldBytes<TKEXMapAddress>(), std::size_t{mapi::kAddressSize});
    EXPECT_EQ(fieldBytes<TKEXMapAddressOld>(), std::size_t{mapi::kAddressOldSize});
    EXPECT_EQ(fieldBytes<TKEXMapExtra>(), std::size_t{mapi::kExtraSize});
    EXPECT_EQ(fieldBytes<TKEXMapText>(), std::size_t{mapi::kTextSize});
    EXPECT_EQ(fieldBytes<TKEXMapZametka>(), std::size_t{mapi::kNoteSize});
    EXPECT_EQ(fieldBytes<TKEXMapZametkaOld>(), std::size_t{mapi::kNoteOldSize});
    FieldCounter counter;
    const TKEXMapObjectMem record;
    uint8_t flag = 0;
    mapi::visitRecordFields(record, flag, flag, counter);
    EXPECT_EQ(counter.bytes, std::size_t{mapi::kObjectSize});
}

TEST(MapStreamLayoutTest, HeaderFieldsSitAtTheirOffsets) {
    Bytes bytes(mapi::kHeaderSize);
    bytes.at<uint32_t>(41, 6).text(45, "NAME").text(301, "AUTHOR").at<int32_t>(562, 1644);
    bytes.at<double>(566, 45000.0).at<int32_t>(574, 12).at<uint32_t>(578, 99).at<int32_t>(582, 250);
    bytes.at<float>(586, -1.5f).at<float>(590, 2.5f).at<int32_t>(594, 3).at<int32_t>(598, 4);
    const auto h = mapi::decodePiece<TKEXMapHeader>(bytes.data());
    EXPECT_EQ(h.Version, 6u);
    EXPECT_EQ(h.NameMap.str(), "NAME");
    EXPECT_EQ(h.CreatedBy.str(), "AUTHOR");
    EXPECT_EQ(h.Mashtab, 1644);
    EXPECT_EQ(h.CreateDate, 45000.0);
    EXPECT_EQ(h.ObjectCount, 12);
    EXPECT_EQ(h.NextObjectId, 99u);
    EXPECT_EQ(h.Scale, 250);
    EXPECT_EQ(h.XWind, -1.5f);
    EXPECT_EQ(h.YWind, 2.5f);
    EXPECT_EQ(h.StreetCount, 3);
    EXPECT_EQ(h.NextStreetId, 4);
}

TEST(MapStreamLayoutTest, RecordFieldsSitAtTheirOffsets) {
    Bytes bytes(mapi::kObjectSize);
    bytes.at<uint32_t>(0, 77).at<int32_t>(4, -1).at<uint8_t>(8, 5).at<float>(9, 1).at<float>(37, 8);
    bytes.at<float>(41, 10).at<float>(45, 11).at<int32_t>(49, -3).at<int32_t>(53, 105);
    bytes.at<uint8_t>(57, 1).at<uint8_t>(58, 6).at<int32_t>(59, 4).at<uint32_t>(63, 0xFF);
    bytes.at<uint8_t>(67, 2).at<int32_t>(68, 7).at<int32_t>(72, -1).at<uint32_t>(76, 0xFF00);
    bytes.at<uint8_t>(80, 3).at<uint8_t>(81, 1).at<uint8_t>(82, 2);
    TKEXMapObjectMem r;
    const mapi::BlockFlags flags = mapi::decodeRecord(bytes.data(), r);
    EXPECT_EQ(r.Id, 77u);
    EXPECT_EQ(r.Reserved1, -1);
    EXPECT_EQ(r.Reserved2, 5);
    EXPECT_EQ(r.Corners[0].x, 1);
    EXPECT_EQ(r.Corners[3].y, 8);
    EXPECT_EQ(r.Center, (mapi::WorldPoint{10, 11}));
    EXPECT_EQ(r.Plane, -3);
    EXPECT_EQ(r.Category, 105);
    EXPECT_EQ(r.Locked, 1);
    EXPECT_EQ(r.Kind, 6);
    EXPECT_EQ(r.Count, 4);
    EXPECT_EQ(r.Pen, (TKEXMapPen{0xFF, 2, 7, -1}));
    EXPECT_EQ(r.Brush, (TKEXMapBrush{0xFF00, 3}));
    EXPECT_TRUE(flags.hasAddress);
    EXPECT_FALSE(flags.hasExtra); // only 1 means a block follows
}

TEST(MapStreamLayoutTest, OldRecordFieldsSitAtTheirOffsets) {
    Bytes bytes(mapi::kObjectOldSize);
    bytes.at<uint32_t>(0, 5).at<float>(4, 1).at<float>(32, 9).at<int32_t>(36, 2).at<int32_t>(40,
                                                                                             13);
    bytes.at<uint8_t>(44, 1).at<uint8_t>(45, 7).at<int32_t>(46, 1).at<uint32_t>(50, 0xAB);
    bytes.at<uint32_t>(63, 0xCD).at<uint8_t>(68, 1).at<uint8_t>(69, 1);
    const auto r = mapi::decodePiece<TKEXMapObjectOld>(bytes.data());
    EXPECT_EQ(r.Id, 5u);
    EXPECT_EQ(r.Corners[0].x, 1);
    EXPECT_EQ(r.Corners[3].y, 9);
    EXPECT_EQ(r.Plane, 2);
    EXPECT_EQ(r.Category, 13);
    EXPECT_EQ(r.Locked, 1);
    EXPECT_EQ(r.Kind, 7);
    EXPECT_EQ(r.Count, 1);
    EXPECT_EQ(r.Pen.Color, 0xABu);
    EXPECT_EQ(r.Brush.Color, 0xCDu);
    EXPECT_EQ(r.HasAddress, 1);
    EXPECT_EQ(r.HasExtra, 1);
}

TEST(MapStreamLayoutTest, PayloadAndBlockFieldsSitAtTheirOffsets) {
    const auto text = mapi::decodePiece<TKEXMapText>(Bytes(mapi::kTextSize)
                                                         .at<float>(0, 3)
                                                         .at<float>(4, 4)
                                                         .at<int32_t>(8, 450)
                                                         .at<uint8_t>(12, 1)
                                                         .at<int32_t>(13, 20)
                                                         .text(17, "LABEL")
                                                         .data());
    EXPECT_EQ(text.Anchor, (mapi::WorldPoint{3, 4}));
    EXPECT_EQ(text.Angle, 450);
    EXPECT_EQ(text.FontIndex, 1);
    EXPECT_EQ(text.Size, 20);
    EXPECT_EQ(text.Text.str(), "LABEL");

    const auto note = mapi::decodePiece<TKEXMapZametka>(Bytes(mapi::kNoteSize)
                                                            .at<float>(0, 1)
                                                            .text(8, "LIB")
                                                            .text(39, "PIC")
                                                            .at<int32_t>(70, 330)
                                                            .text(74, "NOTE")
                                                            .data());
    EXPECT_EQ(note.LibName.str(), "LIB");
    EXPECT_EQ(note.PicName.str(), "PIC");
    EXPECT_EQ(note.Reserved, 330);
    EXPECT_EQ(note.Text.str(), "NOTE");

    const auto old = mapi::decodePiece<TKEXMapZametkaOld>(
        Bytes(mapi::kNoteOldSize).at<int32_t>(8, 12).text(16, "OLD").data());
    EXPECT_EQ(old.IconNumber, 12);
    EXPECT_EQ(old.Text.str(), "OLD");

    const auto address = mapi::decodePiece<TKEXMapAddress>(
        Bytes(mapi::kAddressSize).at<uint16_t>(0, 300).text(2, "12A").data());
    EXPECT_EQ(address.StreetId, 300);
    EXPECT_EQ(address.House.str(), "12A");

    const auto street = mapi::decodePiece<TKEXMapStreetName>(
        Bytes(mapi::kStreetNameSize).at<uint16_t>(0, 9).text(2, "MAIN").data());
    EXPECT_EQ(street.Id, 9);
    EXPECT_EQ(street.Name.str(), "MAIN");
}

TEST(MapStreamLayoutTest, LengthByteBeyondTheRoomIsClamped) {
    Bytes bytes(mapi::kAddressSize);
    bytes.at<uint8_t>(2, 200);
    EXPECT_EQ(mapi::decodePiece<TKEXMapAddress>(bytes.data()).House.str().size(), 6u);
}

} // namespace
