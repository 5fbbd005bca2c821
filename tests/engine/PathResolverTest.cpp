// Engine file names: backslashes, relative names and components matched without regard to case.
#include "engine/PathResolver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(PathResolverTest, ComponentsMatchIgnoringCaseWhenTheExactNameIsMissing) {
    const fs::path root = fs::temp_directory_path() / ("ce_paths_" + std::to_string(::getpid()));
    fs::create_directories(root / "Data");
    std::ofstream(root / "Data" / "MapData.vdd") << "x";
    const fs::path previous = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(ce::resolvePath("data\\mapdata.vdd"), (root / "Data" / "MapData.vdd").string());
    EXPECT_EQ(ce::resolvePath("./Data/../data/MAPDATA.VDD"), (root / "Data" / "MapData.vdd").string());
    EXPECT_EQ(ce::resolvePath("data\\new.vdt"), (root / "Data" / "new.vdt").string());
    EXPECT_EQ(ce::resolvePath((root / "DATA").string()), (root / "Data").string());
    fs::current_path(previous);
    fs::remove_all(root);
}

TEST(PathResolverTest, NamesAndExtensions) {
    EXPECT_EQ(ce::baseName("c:\\dir/sub\\file.vdt"), "file.vdt");
    EXPECT_EQ(ce::extensionOf("dir.x\\file"), "");
    EXPECT_EQ(ce::extensionOf("file.CDX"), ".CDX");
    EXPECT_EQ(ce::tableFileName("people", 3), "people.vdt");
    EXPECT_EQ(ce::tableFileName("people", 1), "people.dbf");
    EXPECT_EQ(ce::tableFileName("people.dat", 2), "people.dat");
}

} // namespace
