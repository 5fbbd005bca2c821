// Colours: plain values, system colours and their channels.
#include "toolkit/TColor.h"

#include <gtest/gtest.h>

namespace {

// Plain colours pass unchanged; system colours (high bit set) take the classic scheme, an unknown
// one black; red sits in the low byte.
TEST(TColorTest, PlainColoursPassAndSystemColoursTakeTheClassicScheme) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clHighlight), clNavy);
    EXPECT_EQ(ColorToRGB(systemColor(200)), clBlack);
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201);
    EXPECT_EQ(GetRValue(clRed), 255);
    EXPECT_EQ(GetBValue(clBlue), 255);
}

} // namespace
