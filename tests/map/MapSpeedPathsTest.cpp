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

struct Read {
    TKexMapList objects;
    mapi::MapReadResult result;
    int64_t position = 0; // of the stream after reading
};

Read readFrom(TMemoryStream& stream) {
    Read read;
    TKEXMapHeader header;
    mapi::StreetDictionary names;
    mapi::MapStreamReader reader(stream);
    read.result = reader.Read(header, names, read.objects);
    read.position = stream.Position();
    return read;
}

TEST(MapSpeedPathsTest, LargeMapReadsAsWrittenAndLeavesTheStreamAtItsEnd) {
    const mapstream::MapDocument map = largeDocument();
    const std::string bytes = mapstream::WriteMapStream(map);
    TMemoryStream stream = mapsamples::streamOf(bytes + "tail");
    const Read read = readFrom(stream);
    ASSERT_FALSE(read.result.damaged) << read.result.message;
    EXPECT_EQ(read.objects, map.Objects);
    EXPECT_EQ(read.position, static_cast<int64_t>(bytes.size()));

    mapi::MapModel model;
    mapsamples::load(model, bytes);
    const mapi::WorldRect loaded = model.MapExtent;
    model.CalcMapBounds();
    EXPECT_EQ(loaded, model.MapExtent);
}

TEST(MapSpeedPathsTest, LargeMapCutInsideItsLargePayloadsKeepsTheRecordsBefore) {
    const std::string bytes = mapstream::WriteMapStream(largeDocument());
    // 999 polygons of 107 bytes follow the long point list.
    const std::size_t listEnd = bytes.size() - 999 * 107;
    // Cut inside the bitmap's bytes, and inside the long point list after it.
    for (const auto& [cut, kept] : {std::pair{listEnd - 80000, 1001}, std::pair{listEnd - 1000, 1002}}) {
        SCOPED_TRACE(cut);
        TMemoryStream stream = mapsamples::streamOf(bytes.substr(0, cut));
        const Read read = readFrom(stream);
        EXPECT_TRUE(read.result.damaged);
        EXPECT_EQ(read.objects.Count(), kept);
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
