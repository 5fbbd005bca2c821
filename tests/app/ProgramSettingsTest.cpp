// The settings file as start-up reads it: defaults for what is missing or does not parse, and
// nothing written.
#include "app/ProgramSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/ProgramDirectory.h"
#include "support/TempDirectory.h"

namespace app {
namespace {

struct SettingsCase {
    const char* name;
    std::optional<std::string> file; // none: no file at all
    bool folder;                     // a folder of that name, which cannot be read as a file
    bool wheelDownZoomsIn;
    TColor backgroundColor;
};

class ProgramSettingsTest : public ::testing::TestWithParam<SettingsCase> {
protected:
    // Without a trailing separator, as a test or a caller may give it.
    ProgramSettingsTest() { setProgramDirectory(dir_.path().string()); }
    ~ProgramSettingsTest() override { setProgramDirectory(""); }

    testsupport::TempDirectory dir_;
};

TEST_P(ProgramSettingsTest, ReadsValuesOrDefaultsAndWritesNothing) {
    const SettingsCase& c = GetParam();
    const std::filesystem::path path = dir_ / "ValInfo.ini";
    if (c.file)
        std::ofstream(path, std::ios::binary) << *c.file;
    if (c.folder)
        std::filesystem::create_directory(path);

    const ProgramSettings settings = readProgramSettings();
    EXPECT_EQ(settings.wheelDownZoomsIn, c.wheelDownZoomsIn);
    EXPECT_EQ(settings.backgroundColor, c.backgroundColor);
    EXPECT_EQ(std::filesystem::exists(path), c.file || c.folder);
    if (c.file) {
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), *c.file);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProgramSettingsTest,
    ::testing::Values(
        SettingsCase{"Missing", std::nullopt, false, true, 0x00008000},
        SettingsCase{"Unreadable", std::nullopt, true, true, 0x00008000},
        SettingsCase{"Empty", "", false, true, 0x00008000},
        SettingsCase{"Stored",
                     "[Navigation]\r\nWeelDownDecreasesScale=1\r\n[Appearance]\r\nBackGroundColor=$00FF8000\r\n",
                     false, true, 0x00FF8000},
        SettingsCase{"WheelZero", "[Navigation]\nWeelDownDecreasesScale=0\n", false, false, 0x00008000},
        SettingsCase{"WheelOtherText", "[navigation]\nweeldowndecreasesscale=x\n", false, false, 0x00008000},
        SettingsCase{"ColourNotANumber", "[Appearance]\nBackGroundColor=$00GG0000\n", false, true, 0x00008000},
        SettingsCase{"ColourBlank", "[Appearance]\nBackGroundColor=\n", false, true, 0x00008000}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace app
