// Fonts: size and height, the installed faces that stand in for the system's, and their Qt form.
#include "toolkit/TFont.h"
#include "toolkit/TFont_p.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(TFontTest, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetSize(7);
    EXPECT_EQ(font.Height(), -9);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
}

TEST(TFontTest, SystemFacesResolveToInstalledMetricCompatibleOnes) {
    EXPECT_EQ(tk::fontFamily("arial"), "Liberation Sans");
    EXPECT_EQ(tk::fontFamily("DejaVu Sans"), "DejaVu Sans");
    TFont font;
    font.SetName("Times New Roman Cyr");
    EXPECT_EQ(QFontInfo(tk::qtFont(font)).family(), "Liberation Serif");
}

TEST(TFontTest, QtFontCarriesStyleAndEmHeight) {
    TFont font;
    font.SetHeight(-20);
    font.SetStyle({fsBold, fsUnderline});
    const QFont qt = tk::qtFont(font);
    EXPECT_EQ(qt.pixelSize(), 20);
    EXPECT_TRUE(qt.bold());
    EXPECT_TRUE(qt.underline());
    EXPECT_FALSE(qt.italic());
}

} // namespace
