#include "map/CanvasTextMetrics.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"

namespace {

TKEXMapText labelOf(const char* s, int size, int angle = 0) {
    TKEXMapText text;
    text.Text.assign(s);
    text.Size = size;
    text.Angle = angle;
    return text;
}

TEST(CanvasTextMetricsTest, ExtentGrowsWithSizeAndTextAndIgnoresTheAngle) {
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    tKexMapOptions options;
    options.SetFontSystem("Arial Cyr");
    mapi::CanvasTextMetrics metrics(*bitmap.Canvas(), options);
    const TSize small = metrics.TextExtent(labelOf("Mill", 20));
    const TSize large = metrics.TextExtent(labelOf("Mill", 40));
    EXPECT_GE(small.cy, 20);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_GT(metrics.TextExtent(labelOf("Mill road", 20)).cx, small.cx);
    const TSize turned = metrics.TextExtent(labelOf("Mill", 20, 900));
    EXPECT_EQ(turned.cx, small.cx);
    EXPECT_EQ(turned.cy, small.cy);
    EXPECT_EQ(bitmap.Canvas()->Font()->Name(), "Arial Cyr");
    TKEXMapText second = labelOf("Mill", 20);
    second.FontIndex = 1;
    metrics.TextExtent(second);
    EXPECT_EQ(bitmap.Canvas()->Font()->Name(), options.FontSystem1());
}

} // namespace
