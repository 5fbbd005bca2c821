#include "map/tKexMapOptions.h"

#include <gtest/gtest.h>

namespace {

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

TEST(tKexMapOptionsTest, ValuesOutOfRangeAreCut) {
    tKexMapOptions o;
    o.SetmpNumberDomSizeFont(4);
    EXPECT_EQ(o.mpNumberDomSizeFont(), 6); // house numbers are at least six points
    o.SetFontSystem1(AnsiString(300, 'x'));
    EXPECT_EQ(o.FontSystem1().size(), 255u);
}

} // namespace
