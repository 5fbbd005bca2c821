// The built-in pictures as the program gets them: the committed resource files are the ones the
// painters draw, they are bundled into the executable's resources, and the icon library is what
// the map's notes (of every layout version) expect.
#include "makepictures/PictureSet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "IconLibrary.h"
#include "makepictures/GlyphPainter.h"
#include "makepictures/IconPainter.h"
#include "map/MapModel.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/BmpCodec.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TResourceStream.h"

namespace pictures {
namespace {

const std::vector<ResourceFile>& pictureSet() {
    static const std::vector<ResourceFile> files = builtInPictures();
    return files;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string iconLibrary() { return pictureSet().front().bytes; }

TEST(PictureSetTest, CommittedResourceFilesAreTheDrawnOnes) {
    ASSERT_EQ(pictureSet().size(), 1u + 20u + 3u);
    for (const ResourceFile& file : pictureSet())
        EXPECT_TRUE(fileBytes(std::string(VALDREN_RESOURCES_DIR) + "/" + file.path) == file.bytes)
            << file.path << " differs from the drawing; rebuild the target \"pictures\"";
}

TEST(PictureSetTest, EveryPictureIsBundledUnderItsResourceName) {
    for (const ResourceFile& file : pictureSet()) {
        const std::string type = file.path.substr(0, file.path.find('/'));
        const std::string name = file.path.substr(type.size() + 1, file.path.rfind('.') - type.size() - 1);
        TResourceStream stream(name, type);
        ASSERT_EQ(stream.Size(), static_cast<int64_t>(file.bytes.size())) << file.path;
        EXPECT_EQ(std::string(stream.Memory(), file.bytes.size()), file.bytes) << file.path;
    }
    EXPECT_FALSE(FindResource("cursor", "kexscrleftdown").empty());
}

TEST(PictureSetTest, MapBitmapsLoadWithTheirTransparentCorner) {
    TBitmap marker;
    marker.LoadFromResourceName("ScrollM");
    EXPECT_EQ(marker.Width(), 32);
    EXPECT_EQ(marker.TransparentColor(), kMarkerTransparent); // taken from the bottom-left pixel
    for (const char* name : {"KEXSPINUP", "KEXSPINDOWN"}) {
        TBitmap glyph;
        glyph.LoadFromResourceName(name);
        EXPECT_EQ(glyph.Height(), 6) << name;
        EXPECT_EQ(glyph.TransparentColor(), kGlyphTransparent) << name;
    }
}

TEST(PictureSetTest, IconLibraryHoldsSixtyTwoIconsNamedByNumber) {
    const std::string bytes = iconLibrary();
    EXPECT_EQ(bytes.size(), 132985u);
    const test::StoredLibrary library = test::readLibrary(bytes);
    EXPECT_EQ(library.format, 1);
    EXPECT_EQ(library.name, "Default");
    ASSERT_EQ(library.count, kIconCount);
    ASSERT_EQ(library.icons.size(), static_cast<size_t>(kIconCount));
    for (int i = 0; i < kIconCount; ++i) {
        const test::StoredIcon& icon = library.icons[static_cast<size_t>(i)];
        EXPECT_EQ(icon.name, std::to_string(i));
        EXPECT_EQ(icon.transparentColor, 0x00FFFF00);
        EXPECT_EQ(icon.transparent, 1);
        ASSERT_EQ(icon.bmp.size(), 2102u);
        EXPECT_EQ(static_cast<uint8_t>(icon.bmp[28]), 8); // bits per pixel
        TMemoryStream stream;
        stream.WriteBuffer(icon.bmp.data(), static_cast<int64_t>(icon.bmp.size()));
        stream.SetPosition(0);
        const tk::BmpImage image = tk::readBmp(stream);
        EXPECT_EQ(image.width, 32);
        EXPECT_EQ(image.height, 32);
    }
}

TEST(PictureSetTest, VersionFourNoteWithIconTwelveFindsItsPicture) {
    TKEXMapObjectMem note;
    note.Id = 1;
    note.Kind = mapi::kindZametka;
    TKEXMapZametka payload;
    payload.PicName.assign("12");
    payload.Text.assign("note");
    note.SetNote(payload);
    mapstream::MapDocument document;
    document.Header.Version = 4;
    document.Objects.AddObjectCopy(note);
    const std::string bytes = mapstream::WriteMapStream(document);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    mapi::MapModel model;
    model.LoadFromStream(stream);
    ASSERT_EQ(model.Objects().Count(), 1);
    const TKEXMapZametka* loaded = model.Objects()[0].Note();
    ASSERT_NE(loaded, nullptr);

    const test::StoredLibrary library = test::readLibrary(iconLibrary());
    const auto picture = library.find(loaded->LibName.str(), loaded->PicName.str());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(*picture, library.icons[12].bmp);
    EXPECT_FALSE(library.find(loaded->LibName.str(), "77").has_value());
    EXPECT_FALSE(library.find("Туристическая", "3").has_value());
}

} // namespace
} // namespace pictures
