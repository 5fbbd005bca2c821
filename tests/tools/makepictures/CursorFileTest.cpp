// Cursor files: the directory with its hotspot, the doubled height, alpha and the AND mask.
#include "makepictures/CursorFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

template <typename T>
T at(const std::string& bytes, size_t offset) {
    T v{};
    std::memcpy(&v, bytes.data() + offset, sizeof(T));
    return v;
}

TEST(CursorFileTest, HoldsHotspotPixelsAndMask) {
    TBitmap image;
    image.SetSize(32, 32);
    TCanvas& c = *image.Canvas();
    c.Brush()->SetColor(clFuchsia);
    c.FillRect(TRect{0, 0, 32, 32});
    c.SetPixels(3, 0, RGB(10, 20, 30)); // top row, drawn

    const std::string bytes = cursorFile(image, clFuchsia, TPoint{3, 7});
    ASSERT_EQ(bytes.size(), 6u + 16u + 40u + 32u * 32u * 4u + 32u * 4u);
    EXPECT_EQ(at<uint16_t>(bytes, 2), 2);  // a cursor
    EXPECT_EQ(at<uint16_t>(bytes, 4), 1);  // one image
    EXPECT_EQ(at<uint16_t>(bytes, 10), 3); // hotspot
    EXPECT_EQ(at<uint16_t>(bytes, 12), 7);
    EXPECT_EQ(at<uint32_t>(bytes, 18), 22u);
    EXPECT_EQ(at<int32_t>(bytes, 22 + 8), 64); // image and mask
    EXPECT_EQ(at<uint16_t>(bytes, 22 + 14), 32);

    // Rows are stored bottom-up: the top row comes last.
    const size_t pixels = 22 + 40;
    const size_t topRow = pixels + 31 * 32 * 4;
    EXPECT_EQ(at<uint32_t>(bytes, topRow + 3 * 4), 0xFF0A141Eu); // alpha, red, green, blue
    EXPECT_EQ(at<uint32_t>(bytes, topRow + 2 * 4), 0u);
    const size_t mask = pixels + 32 * 32 * 4;
    EXPECT_EQ(static_cast<uint8_t>(bytes[mask + 31 * 4]), 0xEF); // all clear but pixel 3
    EXPECT_EQ(static_cast<uint8_t>(bytes[mask]), 0xFF);
}

} // namespace
} // namespace pictures
