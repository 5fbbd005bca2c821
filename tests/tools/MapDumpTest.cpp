// The mapdump tool run as a process on intact, damaged and missing map files: its JSON and its exit
// codes.
#include <string>

#include <gtest/gtest.h>

#include "mapstream/MapStreamWriter.h"
#include "support/FileBytes.h"
#include "support/Noise.h"
#include "support/ProcessRun.h"
#include "support/TempDirectory.h"
#include "toolkit/AnsiString.h"

namespace {

using testsupport::ProcessRun;

class MapDumpTest : public testing::Test {
protected:
    ProcessRun mapdump(const std::string& bytes) {
        return testsupport::runProcess(MAPDUMP_PATH, {testsupport::writeFile(dir_ / "map.bin", bytes).string()});
    }

    static mapstream::MapDocument sample() {
        mapstream::MapDocument map;
        map.Header.Version = 6;
        map.Header.NameMap.assign(tk::fromUtf8("Валдрен"));
        map.Header.Scale = 100;
        map.Header.NextStreetId = 2;
        map.Streets = {{tk::fromUtf8("САДОВАЯ \"1\""), 1}};
        TKEXMapObjectMem house;
        house.Id = 7;
        house.Kind = mapi::kindPolygon;
        house.Category = 13;
        house.SetPoints({{0, 0}, {10, 0}, {10, 5.5f}});
        house.Corners = {mapi::WorldPoint{0, 0}, {10, 0}, {10, 5.5f}, {0, 5.5f}};
        TKEXMapAddress address;
        address.StreetId = 1;
        address.House.assign("12A");
        house.Address = address;
        TKEXMapObjectMem group;
        group.Kind = mapi::kindGroup;
        TKexMapList children;
        children.AddObjectCopy(house);
        group.SetChildren(children);
        map.Objects.AddObjectCopy(house);
        map.Objects.AddObjectCopy(group);
        return map;
    }

    testsupport::TempDirectory dir_;
};

TEST_F(MapDumpTest, IntactStreamPrintsEveryFieldAndExitsZero) {
    const ProcessRun run = mapdump(mapstream::WriteMapStream(sample()));
    EXPECT_EQ(run.exitCode, 0);
    for (const char* expected :
         {"\"version\": 6", "\"name\": \"Валдрен\"", "\"object_count\": 2", "\"next_street_id\": 2",
          "\"extent\": [0, 0, 10, 5.5]", "{\"id\": 1, \"name\": \"САДОВАЯ \\\"1\\\"\"}",
          "\"points\": [[0, 0], [10, 0], [10, 5.5]]",
          "\"address\": {\"street_id\": 1, \"street\": \"САДОВАЯ \\\"1\\\"\", \"house\": \"12A\"}",
          "\"children\": [", "\"damaged\": false"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST_F(MapDumpTest, DamagedStreamPrintsWhatLoadedAndExitsThree) {
    const std::string bytes = mapstream::WriteMapStream(sample());
    const ProcessRun run = mapdump(bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.output.find("\"object_count\": 1"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("\"damaged\": true"), std::string::npos);
}

// Bytes that are no map of a known layout are damage with their reason; zeros are an empty map.
TEST_F(MapDumpTest, UnknownLayoutExitsThreeWithItsVersionAndZerosAreIntact) {
    mapstream::MapDocument seven = sample();
    seven.Header.Version = 7;
    const struct {
        const char* what;
        std::string bytes;
        int exitCode;
        bool damaged;
    } files[] = {
        {"random bytes", testsupport::noise(4096, 36), 3, true},
        {"version 7", mapstream::WriteMapStream(seven), 3, true},
        {"zeros", std::string(4096, '\0'), 0, false},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        const ProcessRun out = mapdump(f.bytes);
        EXPECT_EQ(out.exitCode, f.exitCode);
        EXPECT_NE(out.output.find(f.damaged ? "\"damaged\": true" : "\"damaged\": false"), std::string::npos) << out.output;
        EXPECT_NE(out.output.find("\"object_count\": 0"), std::string::npos) << out.output;
        if (!f.damaged)
            continue;
        const ProcessRun errors = testsupport::runProcess(MAPDUMP_PATH, {(dir_ / "map.bin").string()}, /*errors=*/true);
        EXPECT_NE(errors.output.find("mapdump: unknown map format version "), std::string::npos) << errors.output;
    }
}

TEST_F(MapDumpTest, MissingFileExitsTwo) {
    EXPECT_EQ(testsupport::runProcess(MAPDUMP_PATH, {(dir_ / "absent.bin").string()}).exitCode, 2);
}

} // namespace
