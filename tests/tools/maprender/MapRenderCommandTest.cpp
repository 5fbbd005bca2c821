// The maprender command: its arguments, its exit codes, and pictures of the sample city.
#include "maprender/MapRenderCommand.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
#include "map/TDataMap.h"
#include "mapstream/MapStreamWriter.h"
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

fs::path writeFile(const testsupport::TempDirectory& dir, const std::string& name, const std::string& bytes) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

bool isPng(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    return in && head == "\x89PNG\r\n\x1A\n";
}

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

TEST(MapRenderCommandTest, UnreadableStreamFileEndsWithTwo) {
    const testsupport::TempDirectory dir;
    maprender::RenderRequest request;
    request.stream = (dir / "no such map").string();
    request.output = (dir / "maprender-none.png").string();
    EXPECT_EQ(maprender::render(request), maprender::kUnreadable);
    EXPECT_FALSE(fs::exists(request.output));
}

TEST(MapRenderCommandTest, PictureThatCannotBeWrittenEndsWithOne) {
    const testsupport::TempDirectory dir;
    maprender::RenderRequest request;
    request.stream = writeFile(dir, "maprender-small.map", cityBytes()).string();
    request.output = "/no such folder/out.png";
    request.width = 50;
    request.height = 40;
    EXPECT_EQ(maprender::render(request), maprender::kFailed);
}

TEST(MapRenderCommandTest, DamagedStreamEndsWithThreeAndStillWritesThePicture) {
    const testsupport::TempDirectory dir;
    const std::string& bytes = cityBytes();
    maprender::RenderRequest request;
    request.stream = writeFile(dir, "maprender-damaged.map", bytes.substr(0, bytes.size() / 2)).string();
    request.output = (dir / "maprender-damaged.png").string();
    request.width = 200;
    request.height = 150;
    EXPECT_EQ(maprender::render(request), maprender::kDamaged);
    EXPECT_TRUE(isPng(request.output));
}

// The sample city at the whole-map scale, at Scale 100 and at Scale 400 about its centre.
TEST(MapRenderCommandTest, SampleCityRendersAtThreeScales) {
    fs::create_directories(VALDREN_RENDER_DIR);
    const testsupport::TempDirectory dir;
    const fs::path stream = writeFile(dir, "maprender-city.map", cityBytes());
    struct View {
        const char* name;
        std::optional<int> scale;
    };
    for (const View& view : {View{"city-whole.png", std::nullopt}, View{"city-scale100.png", 100},
                             View{"city-scale400.png", 400}}) {
        maprender::RenderRequest request;
        request.stream = stream.string();
        request.output = (fs::path(VALDREN_RENDER_DIR) / view.name).string();
        request.scale = view.scale;
        if (view.scale) {
            request.x = 0;
            request.y = 0;
        }
        EXPECT_EQ(maprender::render(request), maprender::kOk) << view.name;
        EXPECT_TRUE(isPng(request.output)) << view.name;
    }
}

// The first building of the sample city with an address, found again by its street and house.
TEST(MapRenderCommandTest, AddressZoomsToTheBuildingAsTheFindDoes) {
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
    const testsupport::TempDirectory dir;
    maprender::RenderRequest request;
    request.stream = writeFile(dir, "maprender-address.map", cityBytes()).string();
    request.output = (fs::path(VALDREN_RENDER_DIR) / "city-address.png").string();
    request.street = street;
    request.house = house;
    EXPECT_EQ(maprender::render(request), maprender::kOk);
    EXPECT_TRUE(isPng(request.output));
    request.house = "no such house";
    request.output = (dir / "maprender-no-address.png").string();
    EXPECT_EQ(maprender::render(request), maprender::kNoAddress);
    EXPECT_FALSE(fs::exists(request.output));
}

// The mini-map of the sample city at the size of the program's mini-map window.
TEST(MapRenderCommandTest, PreviewWritesTheMiniMapAtThePicturesSize) {
    fs::create_directories(VALDREN_RENDER_DIR);
    const testsupport::TempDirectory dir;
    const fs::path stream = writeFile(dir, "maprender-preview-city.map", cityBytes());
    const fs::path output = fs::path(VALDREN_RENDER_DIR) / "city-preview.png";
    const auto request =
        parseArguments({stream.string(), output.string(), "--preview", "--width", "199", "--height", "158"});
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->preview);
    EXPECT_EQ(maprender::render(*request), maprender::kOk);
    ASSERT_TRUE(isPng(output));
    // The size stands big-endian in the header chunk after the signature.
    std::ifstream in(output, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    EXPECT_EQ((header[18] << 8) | header[19], 199);
    EXPECT_EQ((header[22] << 8) | header[23], 158);
}

} // namespace
