// File names with either separator, relative names and the executable's directory.
#include "toolkit/FilePath.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"

namespace {

TEST(FilePathTest, PathPartsSplitAtEitherSeparator) {
    EXPECT_EQ(ExtractFilePath("data\\mapdata.vdd"), "data\\");
    EXPECT_EQ(ExtractFileName("data\\mapdata.vdd"), "mapdata.vdd");
    EXPECT_EQ(ExtractFilePath("/opt/valdren/ValInfo"), "/opt/valdren/");
    EXPECT_EQ(ExtractFilePath("C:ValInfo.ini"), "C:");
    EXPECT_EQ(ExtractFilePath("ValInfo.ini"), "");
    EXPECT_EQ(ExtractFileName("help\\"), "");
    EXPECT_EQ(tk::nativePath("adv\\adv1.chm"), "adv/adv1.chm");
    EXPECT_EQ(tk::nativePath(tk::fromUtf8("данные\\карта")), "данные/карта");
}

TEST(FilePathTest, RelativeNamesResolveAgainstTheCurrentDirectory) {
    const testsupport::TempDirectory dir;
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "data" / "mapdata.vdd") << "x";
    const AnsiString before = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(dir.path().string()));
    EXPECT_TRUE(FileExists("data\\mapdata.vdd"));
    EXPECT_TRUE(FileExists("data/mapdata.vdd"));
    EXPECT_FALSE(FileExists("data")) << "a directory is not a file";
    EXPECT_FALSE(FileExists("data\\missing.vdd"));
    EXPECT_FALSE(SetCurrentDir("no\\such\\dir"));
    ASSERT_TRUE(SetCurrentDir(before));
}

TEST(FilePathTest, ExecutableDirectoryHoldsTheRunningProgram) {
    const AnsiString exe = tk::executableFileName();
    EXPECT_TRUE(FileExists(exe));
    EXPECT_EQ(tk::executableDirectory() + ExtractFileName(exe), exe);
    EXPECT_EQ(ExtractFileName(exe), "test_toolkit");
}

} // namespace
