// 8-bit BMP files: the layout, and pixels that read back as their palette colours.
#include "makepictures/IndexedBmp.h"

#include <gtest/gtest.h>

#include "toolkit/BmpCodec.h"
#include "toolkit/TCanvas.h"
#include "support/ByteStream.h"

namespace pictures {
namespace {

TEST(IndexedBmpTest, CubeColoursKeepTheirExactValue) {
    TBitmap bitmap;
    bitmap.SetSize(5, 3); // rows of 5 bytes are padded to 8
    TCanvas& c = *bitmap.Canvas();
    c.SetPixels(0, 0, RGB(255, 0, 0));
    c.SetPixels(4, 0, RGB(0, 102, 204));
    c.SetPixels(2, 2, 0x00FFFF00);
    c.SetPixels(1, 1, RGB(100, 100, 100)); // not in the palette: the cube's grey 102 is nearest

    const std::string bytes = indexedBmp(bitmap);
    EXPECT_EQ(bytes.size(), 14u + 40u + 1024u + 8u * 3u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    TMemoryStream stream = testsupport::streamOf(bytes);
    const tk::BmpImage image = tk::readBmp(stream);
    ASSERT_EQ(image.width, 5);
    ASSERT_EQ(image.height, 3);
    EXPECT_EQ(image.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(image.pixels[4], 0xFF0066CCu);
    EXPECT_EQ(image.pixels[2 * 5 + 2], 0xFF00FFFFu);
    EXPECT_EQ(image.pixels[1 * 5 + 1], 0xFF666666u);
    EXPECT_EQ(image.pixels[1], 0xFFFFFFFFu); // a new bitmap is white
}

TEST(IndexedBmpTest, NearestIndexPicksTheClosestEntry) {
    EXPECT_EQ(paletteColor(nearestIndex(RGB(204, 0, 0))), RGB(204, 0, 0));
    EXPECT_EQ(paletteColor(nearestIndex(RGB(250, 5, 3))), RGB(255, 0, 0));
    EXPECT_EQ(paletteColor(nearestIndex(RGB(0, 0, 0))), RGB(0, 0, 0));
}

} // namespace
} // namespace pictures
