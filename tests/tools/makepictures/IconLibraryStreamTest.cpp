// The icon library stream read back by the map's own reader, on a small library.
#include "makepictures/IconLibraryStream.h"

#include <gtest/gtest.h>

#include "makepictures/IndexedBmp.h"
#include "map/TKexIconList.h"
#include "support/ByteStream.h"

namespace pictures {
namespace {

std::string bmp(int width) {
    TBitmap bitmap;
    bitmap.SetSize(width, 2);
    return indexedBmp(bitmap);
}

TEST(IconLibraryStreamTest, TheMapsReaderFindsEveryIconWithItsTransparency) {
    const std::string bytes =
        iconLibraryStream("Mine", {{"a", 0x00FFFF00, true, bmp(3)}, {"b", 0x000000FF, false, bmp(5)}});
    ASSERT_EQ(bytes.size(), 181u + 40u + bmp(3).size() + 40u + bmp(5).size());
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 24u); // the signature line's length
    TMemoryStream stream = testsupport::streamOf(bytes);
    TKexIconList library;
    library.LoadFromStream(stream);
    EXPECT_EQ(library.Header().Format, 1);
    EXPECT_EQ(library.GetLibName(), "Mine");
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.IndexOfName("B"), 1);
    TBitmap* a = library.GetBitmap("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Width(), 3);
    EXPECT_TRUE(a->Transparent());
    EXPECT_EQ(a->TransparentColor(), 0x00FFFF00);
    ASSERT_NE(library.GetBitmap("b"), nullptr);
    EXPECT_EQ(library.GetBitmap("b")->Width(), 5);
    EXPECT_FALSE(library.GetBitmap("b")->Transparent());
}

TEST(IconLibraryStreamTest, LongNamesAreCutToTheirRoom) {
    const std::string bytes = iconLibraryStream(std::string(40, 'L'), {{std::string(40, 'n'), 0, true, ""}});
    EXPECT_EQ(bytes.size(), 181u + 40u);
    TMemoryStream stream = testsupport::streamOf(bytes);
    TKexIconList library;
    library.LoadFromStream(stream);
    EXPECT_EQ(library.GetLibName(), std::string(30, 'L'));
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Names(0), std::string(30, 'N'));
}

} // namespace
} // namespace pictures
