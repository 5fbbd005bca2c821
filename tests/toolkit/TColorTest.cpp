// Colours: plain values, system colours and their channels.
#include "toolkit/TColor.h"

#include <gtest/gtest.h>

namespace {

TEST(TColorTest, PlainColoursPassUnchanged) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
    EXPECT_EQ(ColorToRGB(clNavy), 0x00800000);
}

TEST(TColorTest, SystemColoursTakeTheClassicScheme) {
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), clBlack);
    EXPECT_EQ(ColorToRGB(clWindowFrame), clBlack);
    EXPECT_EQ(ColorToRGB(clHighlight), clNavy);
    EXPECT_EQ(ColorToRGB(clHighlightText), clWhite);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
}

TEST(TColorTest, UnknownSystemIndexGivesBlack) { EXPECT_EQ(ColorToRGB(systemColor(200)), clBlack); }

TEST(TColorTest, ChannelsAreRedInTheLowByte) {
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201);
    EXPECT_EQ(GetRValue(clRed), 255);
    EXPECT_EQ(GetBValue(clRed), 0);
    EXPECT_EQ(GetBValue(clBlue), 255);
}

} // namespace
