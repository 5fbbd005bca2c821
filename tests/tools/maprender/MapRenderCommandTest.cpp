// The maprender command: its arguments, its exit codes, and pictures of the sample city.
#include "maprender/MapRenderCommand.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
#include "map/TDataMap.h"
#include "mapstream/MapStreamWriter.h"
#include "support/FileBytes.h"
#include "support/TempDirectory.h"
#include "toolkit/AnsiString.h"

namespace {

namespace fs = std::filesystem;
using maprender::parseArguments;

const std::string& cityBytes() {
    static const std::string bytes =
        mapstream::WriteMapStream(city::cityDocument(city::buildCity(2003, 1), 6));
    return bytes;
}

using testsupport::readFile;
using testsupport::writeFile;

TEST(MapRenderCommandTest, ArgumentsMakeARequest) {
    const auto request =
        parseArguments({"city.map", "out.png", "--width", "640", "--height", "480", "--scale",
                        "400", "--x", "10.5", "--y", "-20", "--background", "$00FF0000"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->stream, "city.map");
    EXPECT_EQ(request->output, "out.png");
    EXPECT_EQ(request->width, 640);
    EXPECT_EQ(request->height, 480);
    EXPECT_EQ(request->scale, 400);
    EXPECT_FLOAT_EQ(*request->x, 10.5f);
    EXPECT_FLOAT_EQ(*request->y, -20);
    EXPECT_EQ(request->background, 0xFF0000);
    const auto address = parseArguments({"a", "b", "--address", "САДОВАЯ", "12"});
    ASSERT_TRUE(address);
    EXPECT_EQ(address->street, "САДОВАЯ");
    EXPECT_EQ(address->house, "12");
    const auto fit = parseArguments({"a", "b", "--x", "1", "--y", "2", "--fit"});
    ASSERT_TRUE(fit);
    EXPECT_FALSE(fit->x);
    EXPECT_EQ(fit->background, 0x00008000);
}

TEST(MapRenderCommandTest, ArgumentsThatMakeNoRequestAreRefused) {
    const std::vector<std::vector<std::string>> bad = {{"only.map"},
                                                       {"a", "b", "c"},
                                                       {"a", "b", "--width"},
                                                       {"a", "b", "--width", "0"},
                                                       {"a", "b", "--scale", "x"},
                                                       {"a", "b", "--x", "1"},
                                                       {"a", "b", "--background", "$1000000"},
                                                       {"a", "b", "--colour", "1"},
                                                       {"a", "b", "--address", "STREET"}};
    for (const auto& arguments : bad)
        EXPECT_FALSE(parseArguments(arguments)) << arguments.size();
}

// The renderer links the program's pictures: a map finds the built-in library "Default" there.
TEST(MapRenderCommandTest, MapsDrawNotesFromTheBundledLibrary) {
    TDataMap map(nullptr);
    EXPECT_EQ(map.KexMapIcon(), nullptr);
    const TBitmap& icon = map.GetMapIcon("default", " 7 ");
    EXPECT_NE(&icon, &map.GetMapIcon("none", "7"));
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    EXPECT_TRUE(icon.Transparent());
    EXPECT_EQ(icon.TransparentColor(), 0x00FFFF00);
}

// Each request's exit code and whether it leaves a picture. The sample city whole, at Scale 100
// and 400 about its centre, at an address and as the mini-map are kept for people to look at.
TEST(MapRenderCommandTest, RequestsEndWithTheirCodeAndWriteAPictureWhenTheyCan) {
    const mapstream::MapDocument document = city::cityDocument(city::buildCity(2003, 1), 6);
    std::string street;
    std::string house;
    for (int i = 0; i < document.Objects.Count() && street.empty(); ++i) {
        const TKEXMapObjectMem& record = document.Objects[i];
        if (!record.HasAddress())
            continue;
        for (const mapi::StreetEntry& entry : document.Streets)
            if (entry.Id == record.Address->StreetId)
                street = tk::toUtf8(entry.Name);
        house = tk::toUtf8(record.Address->House.str());
    }
    ASSERT_FALSE(street.empty());
    fs::create_directories(VALDREN_RENDER_DIR);
    const testsupport::TempDirectory dir;
    const std::string city = writeFile(dir / "city.map", cityBytes()).string();
    const std::string damaged = writeFile(dir / "damaged.map", cityBytes().substr(0, cityBytes().size() / 2)).string();
    const auto kept = [](const char* name) { return (fs::path(VALDREN_RENDER_DIR) / name).string(); };
    const auto scratch = [&](const char* name) { return (dir / name).string(); };
    const struct {
        std::vector<std::string> arguments;
        int code;
        bool picture;
    } cases[] = {
        {{scratch("no such map"), scratch("none.png")}, maprender::kUnreadable, false},
        {{city, "/no such folder/out.png", "--width", "50", "--height", "40"}, maprender::kFailed, false},
        {{damaged, scratch("damaged.png"), "--width", "200", "--height", "150"}, maprender::kDamaged, true},
        {{city, kept("city-whole.png")}, maprender::kOk, true},
        {{city, kept("city-scale100.png"), "--scale", "100", "--x", "0", "--y", "0"}, maprender::kOk, true},
        {{city, kept("city-scale400.png"), "--scale", "400", "--x", "0", "--y", "0"}, maprender::kOk, true},
        {{city, kept("city-address.png"), "--address", street, house}, maprender::kOk, true},
        {{city, scratch("no-address.png"), "--address", street, "no such house"}, maprender::kNoAddress, false},
        {{city, kept("city-preview.png"), "--preview", "--width", "199", "--height", "158"}, maprender::kOk, true},
    };
    for (const auto& c : cases) {
        const std::string& output = c.arguments[1];
        SCOPED_TRACE(output);
        fs::remove(output);
        const auto request = parseArguments(c.arguments);
        ASSERT_TRUE(request);
        EXPECT_EQ(maprender::render(*request), c.code);
        EXPECT_EQ(readFile(output).rfind("\x89PNG\r\n\x1A\n", 0) == 0, c.picture);
    }
    // The mini-map has the size of the program's window: big-endian in the header chunk.
    const std::string preview = readFile(kept("city-preview.png"));
    ASSERT_GE(preview.size(), 24u);
    EXPECT_EQ(uint8_t(preview[18]) << 8 | uint8_t(preview[19]), 199);
    EXPECT_EQ(uint8_t(preview[22]) << 8 | uint8_t(preview[23]), 158);
}

} // namespace
