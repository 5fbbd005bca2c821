#include "map/tKexMapPrinterSettings.h"

#include <gtest/gtest.h>

namespace {

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
