// The built-in pictures as the program gets them: the committed resource files are the ones the
// painters draw (the JPEG splash picture as decoded, since encoders may round differently), they
// are bundled into the executable's resources and load as the program loads them, and the icon
// library is what the map's notes (of every layout version) expect.
#include "makepictures/PictureSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "IconLibrary.h"
#include "makepictures/AboutPicturePainter.h"
#include "makepictures/BannerPainter.h"
#include "makepictures/GlyphPainter.h"
#include "makepictures/GridGlyphPainter.h"
#include "makepictures/IconPainter.h"
#include "makepictures/SplashPainter.h"
#include "makepictures/ToolBarGlyphs.h"
#include "makepictures/WidgetCursorPainter.h"
#include "map/MapModel.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/BmpCodec.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TJPEGImage.h"
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

std::string committedBytes(const ResourceFile& file) { return fileBytes(std::string(VALDREN_RESOURCES_DIR) + "/" + file.path); }

void decodeJpeg(const std::string& bytes, TJPEGImage& image) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    image.LoadFromStream(stream);
}

// The largest difference of one colour channel between two pictures of the same size.
int largestChannelDifference(const TJPEGImage& a, const TJPEGImage& b) {
    TBitmap left;
    TBitmap right;
    left.Assign(a);
    right.Assign(b);
    int largest = 0;
    for (int y = 0; y < left.Height(); ++y)
        for (int x = 0; x < left.Width(); ++x)
            for (int shift : {0, 8, 16}) {
                const int p = (left.Canvas()->Pixels(x, y) >> shift) & 0xFF;
                const int q = (right.Canvas()->Pixels(x, y) >> shift) & 0xFF;
                largest = std::max(largest, std::abs(p - q));
            }
    return largest;
}

TEST(PictureSetTest, CommittedResourceFilesAreTheDrawnOnes) {
    ASSERT_EQ(pictureSet().size(), 1u + 20u + widgetCursors().size() + 3u + kGridGlyphNames.size() + 2u +
                                       toolGlyphs().size() + 1u + kBannerCount + 1u);
    for (const ResourceFile& file : pictureSet()) {
        const std::string committed = committedBytes(file);
        if (!file.path.ends_with(".jpg")) {
            EXPECT_TRUE(committed == file.bytes) << file.path << " differs from the drawing; rebuild the target \"pictures\"";
            continue;
        }
        TJPEGImage drawn;
        TJPEGImage stored;
        decodeJpeg(file.bytes, drawn);
        decodeJpeg(committed, stored);
        ASSERT_EQ(stored.Width(), drawn.Width()) << file.path;
        ASSERT_EQ(stored.Height(), drawn.Height()) << file.path;
        EXPECT_LE(largestChannelDifference(drawn, stored), 6) << file.path << "; rebuild the target \"pictures\"";
    }
}

TEST(PictureSetTest, EveryPictureIsBundledUnderItsResourceName) {
    for (const ResourceFile& file : pictureSet()) {
        const std::string type = file.path.substr(0, file.path.find('/'));
        const std::string name = file.path.substr(type.size() + 1, file.path.rfind('.') - type.size() - 1);
        const std::string committed = committedBytes(file);
        TResourceStream stream(name, type);
        ASSERT_EQ(stream.Size(), static_cast<int64_t>(committed.size())) << file.path;
        EXPECT_EQ(std::string(stream.Memory(), committed.size()), committed) << file.path;
    }
    EXPECT_FALSE(FindResource("cursor", "kexscrleftdown").empty());
}

TEST(PictureSetTest, ProgramPicturesLoadAsTheProgramLoadsThem) {
    TResourceStream splashStream(111, RT_RCDATA);
    TJPEGImage splash;
    splash.LoadFromStream(splashStream);
    EXPECT_EQ(splash.Width(), kSplashWidth);
    EXPECT_EQ(splash.Height(), kSplashHeight);
    EXPECT_FALSE(splash.Grayscale());
    for (int number = 1; number <= kBannerCount; ++number) {
        TResourceStream stream(number, RT_RCDATA);
        TBitmap banner;
        banner.LoadFromStream(stream);
        EXPECT_EQ(banner.Width(), kBannerWidth) << number;
        EXPECT_EQ(banner.Height(), kBannerHeight) << number;
    }
    for (const ToolGlyph& entry : toolGlyphs()) {
        TBitmap glyph;
        glyph.LoadFromResourceName(entry.name);
        EXPECT_EQ(glyph.Width(), kToolGlyphSize) << entry.name;
        EXPECT_EQ(glyph.TransparentColor(), kGlyphTransparent) << entry.name;
    }
    TBitmap about;
    about.LoadFromResourceName("ABOUTPICTURE");
    EXPECT_EQ(about.Width(), kAboutPictureSize);
    EXPECT_EQ(about.TransparentColor(), kGlyphTransparent);
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
