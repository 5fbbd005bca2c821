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
    const mapi::PixelSize small = metrics.TextExtent(labelOf("Mill", 20));
    const mapi::PixelSize large = metrics.TextExtent(labelOf("Mill", 40));
    EXPECT_GE(small.height, 20);
    EXPECT_GT(large.height, small.height);
    EXPECT_GT(large.width, small.width);
    EXPECT_GT(metrics.TextExtent(labelOf("Mill road", 20)).width, small.width);
    const mapi::PixelSize turned = metrics.TextExtent(labelOf("Mill", 20, 900));
    EXPECT_EQ(turned.width, small.width);
    EXPECT_EQ(turned.height, small.height);
    EXPECT_EQ(bitmap.Canvas()->Font()->Name(), "Arial Cyr");
    TKEXMapText second = labelOf("Mill", 20);
    second.FontIndex = 1;
    metrics.TextExtent(second);
    EXPECT_EQ(bitmap.Canvas()->Font()->Name(), options.FontSystem1());
}

} // namespace
