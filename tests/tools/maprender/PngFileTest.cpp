// The PNG writer of maprender: the chunks and pixels it stores, and what it refuses.
#include "maprender/PngFile.h"

#include <string>

#include <gtest/gtest.h>

#include "support/FileBytes.h"
#include "support/TempDirectory.h"
#include "toolkit/TCanvas.h"

namespace {

uint32_t big32(const std::string& bytes, std::size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8 |
           static_cast<uint8_t>(bytes[at + 3]);
}

TEST(PngFileTest, StoredImageHoldsEveryPixelRowByRow) {
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas()->SetPixels(0, 0, RGB(1, 2, 3));
    bitmap.Canvas()->SetPixels(2, 1, RGB(250, 128, 7));
    const testsupport::TempDirectory dir;
    const std::string path = (dir / "pngfile-test.png").string();
    ASSERT_TRUE(maprender::writePng(bitmap, path));
    const std::string bytes = testsupport::readFile(path);
    ASSERT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(big32(bytes, 16), 3u);
    EXPECT_EQ(big32(bytes, 20), 2u);
    // IDAT: zlib header, one stored block of 2 rows x (filter byte + 3 x RGB).
    const std::size_t idat = 8 + 12 + 13;
    EXPECT_EQ(bytes.substr(idat + 4, 4), "IDAT");
    const std::size_t block = idat + 8 + 2;
    EXPECT_EQ(bytes[block], 1); // the last block
    const std::string raw = bytes.substr(block + 5, 20);
    EXPECT_EQ(raw.substr(0, 4), std::string("\0\1\2\3", 4));
    EXPECT_EQ(raw.substr(17, 3), std::string("\xFA\x80\x07", 3));
    EXPECT_EQ(bytes.substr(bytes.size() - 8, 4), "IEND");
}

TEST(PngFileTest, EmptyBitmapOrUnwritablePathIsRefused) {
    const testsupport::TempDirectory dir;
    TBitmap empty;
    EXPECT_FALSE(maprender::writePng(empty, (dir / "never.png").string()));
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    EXPECT_FALSE(maprender::writePng(bitmap, "/no such folder/x.png"));
}

} // namespace
