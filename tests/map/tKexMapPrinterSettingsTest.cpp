#include "map/tKexMapPrinterSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(tKexMapPrinterSettingsTest, NewSettingsHoldThePageDefaults) {
    tKexMapPrinterSettings p;
    EXPECT_EQ(p.LeftMargin(), 20);
    EXPECT_EQ(p.BottomMargin(), 40);
    EXPECT_TRUE(p.Title());
    EXPECT_EQ(p.PaperColor(), clWhite);
    EXPECT_FLOAT_EQ(p.BorderWidth(), 0.3f);
    EXPECT_EQ(p.TitleFont()->Name(), "Arial Cyr");
    EXPECT_EQ(p.TitleFont()->Size(), 13);
    EXPECT_EQ(p.MashtabFont()->Size(), 11);
    EXPECT_EQ(p.PrintRegion(), CurrentEkran);
    EXPECT_EQ(p.MashtabPrint(), S_x1);
    EXPECT_EQ(p.CustomMashtab(), 0);
    EXPECT_TRUE(p.ShowDialogPrint());
}

TEST(tKexMapPrinterSettingsTest, CustomScaleTakesOnlyNewValuesOfZeroOrMore) {
    tKexMapPrinterSettings p;
    p.SetCustomMashtab(-5);
    EXPECT_EQ(p.CustomMashtab(), 0);
    EXPECT_EQ(p.MashtabPrint(), S_x1);
    p.SetCustomMashtab(1644);
    EXPECT_EQ(p.CustomMashtab(), 1644);
    EXPECT_EQ(p.MashtabPrint(), S_Custom);
    p.SetMashtabPrint(S_Current);
    p.SetCustomMashtab(1644);
    EXPECT_EQ(p.MashtabPrint(), S_Current);
}

} // namespace
