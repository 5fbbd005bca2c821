#include "map/tKexMapOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(tKexMapOptionsTest, NewOptionsHoldTheCreationValues) {
    const tKexMapOptions o;
    EXPECT_TRUE(o.Notify());
    EXPECT_FALSE(o.mpEdit());
    EXPECT_FALSE(o.mpGuideLines());
    EXPECT_EQ(o.mpNumberDomSizeFont(), 8);
    EXPECT_TRUE(o.mpNumberDomFill());
    EXPECT_EQ(o.ObjectView(), 3);
    EXPECT_EQ(o.SizeRect(), 4);
    EXPECT_EQ(o.StepLinza(), 300);
    EXPECT_EQ(o.StepScroll(), 50);
    EXPECT_EQ(o.DelayScroll(), 50);
    EXPECT_EQ(o.ZoneScroll(), 0);
    EXPECT_EQ(o.WidthRectLinza(), 0);
    EXPECT_DOUBLE_EQ(o.MinScaleAddress(), 299.0);
    EXPECT_EQ(o.FontSystem(), "");
    EXPECT_FALSE(o.BorderSelectedObject());
}

TEST(tKexMapOptionsTest, DrawingOptionsNotifyAndTheOthersDoNot) {
    tKexMapOptions o;
    int calls = 0;
    o.SetChangeHandler([&] { ++calls; });
    o.SetmpNumberDom(true);
    o.SetFontSystem("Arial");
    o.SetmpGuideLines(true);
    o.SetTexture(true);
    o.SetObjectView(6);
    o.SetMinScaleAddress(200);
    o.SetmpNumberDomFill(false);
    o.SetmpAllMapAfterLoad(true);
    EXPECT_EQ(calls, 8);
    o.SetmpLocked(true);
    o.SetStepScroll(10);
    o.SetmpEdit(false);
    o.SetDelayScroll(5);
    o.SetZoneScroll(20);
    o.SetBorderSelectedObject(true);
    EXPECT_EQ(calls, 8);
    o.SetNotify(false);
    o.SetmpNumberDom(false);
    EXPECT_EQ(calls, 8);
    EXPECT_FALSE(o.mpNumberDom());
}

TEST(tKexMapOptionsTest, HouseNumberFontIsAtLeastSixPoints) {
    tKexMapOptions o;
    o.SetmpNumberDomSizeFont(4);
    EXPECT_EQ(o.mpNumberDomSizeFont(), 6);
    o.SetmpNumberDomSizeFont(18);
    EXPECT_EQ(o.mpNumberDomSizeFont(), 18);
}

TEST(tKexMapOptionsTest, FaceNamesKeepAtMost255Characters) {
    tKexMapOptions o;
    o.SetFontSystem1(AnsiString(300, 'x'));
    EXPECT_EQ(o.FontSystem1().size(), 255u);
}

} // namespace
