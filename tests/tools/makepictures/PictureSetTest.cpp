// The built-in pictures as the program gets them: the committed resource files are the ones the
// painters draw (the JPEG splash picture as decoded, since encoders may round differently), they
// are bundled into the executable's resources and load as the program loads them, and the icon
// library is what the map's notes (of every layout version) expect.
#include "makepictures/PictureSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "makepictures/AboutPicturePainter.h"
#include "makepictures/BannerPainter.h"
#include "makepictures/GlyphPainter.h"
#include "makepictures/GridGlyphPainter.h"
#include "makepictures/IconPainter.h"
#include "makepictures/SplashPainter.h"
#include "makepictures/ToolBarGlyphs.h"
#include "makepictures/WidgetCursorPainter.h"
#include "map/MapModel.h"
#include "map/TKexIcon.h"
#include "map/TKexIconList.h"
#include "mapstream/MapStreamWriter.h"
#include "support/ByteStream.h"
#include "support/FileBytes.h"
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

std::string iconLibrary() { return pictureSet().front().bytes; }

std::string committedBytes(const ResourceFile& file) { return testsupport::readFile(std::string(VALDREN_RESOURCES_DIR) + "/" + file.path); }

void decodeJpeg(const std::string& bytes, TJPEGImage& image) {
    TMemoryStream stream = testsupport::streamOf(bytes);
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
    // Bitmaps by name, their transparent colour taken from the bottom-left pixel.
    std::vector<std::tuple<std::string, int, TColor>> named = {{"ABOUTPICTURE", kAboutPictureSize, kGlyphTransparent},
                                                               {"ScrollM", 32, kMarkerTransparent},
                                                               {"KEXSPINUP", 9, kGlyphTransparent},
                                                               {"KEXSPINDOWN", 9, kGlyphTransparent}};
    for (const ToolGlyph& entry : toolGlyphs())
        named.emplace_back(entry.name, kToolGlyphSize, kGlyphTransparent);
    for (const auto& [name, width, transparent] : named) {
        TBitmap bitmap;
        bitmap.LoadFromResourceName(name);
        EXPECT_EQ(bitmap.Width(), width) << name;
        EXPECT_EQ(bitmap.TransparentColor(), transparent) << name;
    }
}

TEST(PictureSetTest, IconLibraryHoldsSixtyTwoIconsNamedByNumber) {
    EXPECT_EQ(iconLibrary().size(), 132985u) << "8-bit pictures of 32 x 32";
    TMemoryStream stream = testsupport::streamOf(iconLibrary());
    TKexIconList library;
    library.LoadFromStream(stream);
    EXPECT_EQ(library.Header().Format, 1);
    EXPECT_EQ(library.GetLibName(), "Default");
    ASSERT_EQ(library.Count(), kIconCount);
    for (int i = 0; i < kIconCount; ++i) {
        EXPECT_EQ(library.Names(i), std::to_string(i));
        TBitmap* icon = library.GetBitmapByIndex(i);
        ASSERT_NE(icon, nullptr) << i;
        EXPECT_EQ(icon->Width(), 32);
        EXPECT_EQ(icon->Height(), 32);
        EXPECT_TRUE(icon->Transparent());
        EXPECT_EQ(icon->TransparentColor(), 0x00FFFF00);
    }
}

// A note of layout 4 names its icon by number only; the reader puts it in the library "DEFAULT".
TEST(PictureSetTest, VersionFourNoteWithIconTwelveFindsItsPicture) {
    TKEXMapObjectMem note;
    note.Id = 1;
    note.Kind = mapi::kindZametka;
    TKEXMapZametka payload;
    payload.PicName.assign("12");
    note.SetNote(payload);
    mapstream::MapDocument document;
    document.Header.Version = 4;
    document.Objects.AddObjectCopy(note);
    TMemoryStream stream = testsupport::streamOf(mapstream::WriteMapStream(document));
    mapi::MapModel model;
    model.LoadFromStream(stream);
    ASSERT_EQ(model.Objects().Count(), 1);
    const TKEXMapZametka* loaded = model.Objects()[0].Note();
    ASSERT_NE(loaded, nullptr);
    TMemoryStream libraryStream = testsupport::streamOf(iconLibrary());
    TKexIcon icons(nullptr);
    icons.AddLib("Default").LoadFromStream(libraryStream);
    TBitmap* twelve = icons.GetBitmapByIndex("Default", 12);
    ASSERT_NE(twelve, nullptr);
    EXPECT_EQ(icons.GetBitmap(loaded->LibName.str(), loaded->PicName.str()), twelve);
    EXPECT_EQ(icons.GetBitmap(loaded->LibName.str(), "77"), nullptr);
    EXPECT_EQ(icons.GetBitmap("Туристическая", "3"), nullptr);
}

} // namespace
} // namespace pictures
