// The quick paths under loading and picking: a map read through the read-ahead block, with
// payloads larger than it, and the point lists held inside their records.
#include "map/MapStreamReader.h"
#include "map/PointList.h"

#include <gtest/gtest.h>

#include "map/MapSamples.h"

namespace {

using mapi::WorldPoint;

// Many records across several read-ahead blocks, a bitmap larger than one block and a point list
// larger than the held points, in the middle.
mapstream::MapDocument largeDocument() {
    mapstream::MapDocument map = mapsamples::document(6);
    for (int i = 0; i < 2000; ++i) {
        const auto x = static_cast<float>(i % 50) * 40;
        const auto y = static_cast<float>(i / 50) * 40;
        map.Objects.AddObjectCopy(
            mapsamples::pointObject(mapi::kindPolygon, {{x, y}, {x + 30, y}, {x + 30, y + 20}}));
        if (i == 1000) {
            TKEXMapObjectMem bitmap = mapsamples::pointObject(mapi::kindBitmap, {});
            std::vector<uint8_t> bytes(100000);
            for (std::size_t k = 0; k < bytes.size(); ++k)
                bytes[k] = static_cast<uint8_t>(k * 7);
            bitmap.SetBitmap(std::move(bytes));
            map.Objects.AddObjectCopy(std::move(bitmap));
            std::vector<WorldPoint> street;
            for (int k = 0; k < 9000; ++k)
                street.push_back({static_cast<float>(k), static_cast<float>(-k)});
            map.Objects.AddObjectCopy(mapsamples::pointObject(mapi::kindPolyline, street));
        }
    }
    map.Header.ObjectCount = map.Objects.Count();
    return map;
}

// A stream that is no memory stream, so that the reader takes it through its read-ahead block.
class PassingStream : public TStream {
public:
    explicit PassingStream(const std::string& bytes) : inner_(mapsamples::streamOf(bytes)) {}
    int64_t Read(void* buffer, int64_t count) override { return inner_.Read(buffer, count); }
    int64_t Write(const void* buffer, int64_t count) override {
        return inner_.Write(buffer, count);
    }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override {
        return inner_.Seek(offset, origin);
    }
    void SetSize(int64_t newSize) override { inner_.SetSize(newSize); }

private:
    TMemoryStream inner_;
};

struct Read {
    TKexMapList objects;
    mapi::MapReadResult result;
    int64_t position = 0; // of the stream after reading
};

// Reads bytes from a memory stream (read in place) or from any other stream (read ahead).
Read readFrom(const std::string& bytes, bool inPlace) {
    TMemoryStream memory = mapsamples::streamOf(bytes);
    PassingStream passing(bytes);
    TStream& stream = inPlace ? static_cast<TStream&>(memory) : passing;
    Read read;
    TKEXMapHeader header;
    mapi::StreetDictionary names;
    mapi::MapStreamReader reader(stream);
    read.result = reader.Read(header, names, read.objects);
    read.position = stream.Position();
    return read;
}

class MapSpeedPathsTest : public testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(InPlaceOrReadAhead, MapSpeedPathsTest, testing::Bool());

TEST_P(MapSpeedPathsTest, LargeMapReadsAsWrittenAndLeavesTheStreamAtItsEnd) {
    const mapstream::MapDocument map = largeDocument();
    const std::string bytes = mapstream::WriteMapStream(map);
    const Read read = readFrom(bytes + "tail", GetParam());
    ASSERT_FALSE(read.result.damaged) << read.result.message;
    EXPECT_EQ(read.objects, map.Objects);
    EXPECT_EQ(read.position, static_cast<int64_t>(bytes.size()));

    mapi::MapModel model;
    mapsamples::load(model, bytes);
    const mapi::WorldRect loaded = model.MapExtent;
    model.CalcMapBounds();
    EXPECT_EQ(loaded, model.MapExtent);
}

TEST_P(MapSpeedPathsTest, LargeMapCutInsideItsLargePayloadsKeepsTheRecordsBefore) {
    const std::string bytes = mapstream::WriteMapStream(largeDocument());
    // 999 polygons of 107 bytes follow the long point list.
    const std::size_t listEnd = bytes.size() - 999 * 107;
    // Cut inside the bitmap's bytes, and inside the long point list after it.
    for (const auto& [cut, kept] :
         {std::pair{listEnd - 80000, 1001}, std::pair{listEnd - 1000, 1002}}) {
        SCOPED_TRACE(cut);
        const Read read = readFrom(bytes.substr(0, cut), GetParam());
        EXPECT_TRUE(read.result.damaged);
        EXPECT_EQ(read.objects.Count(), kept);
    }
}

// Both ways of taking the bytes give the same records, damage and stream position for every
// prefix of a map of every kind, old groups (whose bytes are passed over) included.
TEST(MapSpeedPathsReadAheadTest, EveryPrefixReadsAheadAsInPlace) {
    for (const uint32_t version : {3u, 6u}) {
        const std::string bytes = mapstream::WriteMapStream(mapsamples::richDocument(version));
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            const Read inPlace = readFrom(bytes.substr(0, cut), true);
            const Read readAhead = readFrom(bytes.substr(0, cut), false);
            ASSERT_EQ(readAhead.objects, inPlace.objects) << version << " cut " << cut;
            ASSERT_EQ(readAhead.result.message, inPlace.result.message)
                << version << " cut " << cut;
            ASSERT_EQ(readAhead.position, inPlace.position) << version << " cut " << cut;
        }
    }
}

TEST(MapSpeedPathsTest, PointListGrowsPastItsHeldPointsAndCopiesStayApart) {
    mapi::PointList points;
    std::vector<WorldPoint> expected;
    for (int i = 0; i < 20; ++i) {
        const WorldPoint p{static_cast<float>(i), static_cast<float>(i * i)};
        const std::size_t at = static_cast<std::size_t>(i) / 2;
        points.insert(points.begin() + at, p);
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), p);
    }
    points.erase(points.begin() + 3);
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(points, mapi::PointList(expected));

    mapi::PointList copy = points;
    copy[0] = {-1, -1};
    EXPECT_EQ(points, mapi::PointList(expected));
    mapi::PointList moved = std::move(copy);
    EXPECT_EQ(moved[0], (WorldPoint{-1, -1}));
    EXPECT_EQ(moved.size(), expected.size());
}

} // namespace
