// The mapdump tool run as a process on intact, damaged and missing map files: its JSON and its exit
// codes.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "mapstream/MapStreamWriter.h"
#include "support/TempDirectory.h"
#include "toolkit/AnsiString.h"

namespace {

struct DumpRun {
    int exitCode = -1;
    std::string output;
};

DumpRun mapdump(const std::filesystem::path& file) {
    DumpRun run;
    const std::string command = std::string(MAPDUMP_PATH) + " '" + file.string() + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class MapDumpTest : public testing::Test {
protected:
    std::filesystem::path write(const std::string& bytes) {
        const auto file = dir_ / "map.bin";
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
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
    const DumpRun run = mapdump(write(mapstream::WriteMapStream(sample())));
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
    const DumpRun run = mapdump(write(bytes.substr(0, bytes.size() - 1)));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.output.find("\"object_count\": 1"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("\"damaged\": true"), std::string::npos);
}

TEST_F(MapDumpTest, MissingFileExitsTwo) { EXPECT_EQ(mapdump(dir_ / "absent.bin").exitCode, 2); }

} // namespace
