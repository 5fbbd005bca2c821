#include "toolkit/DeviceContext.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TRegion.h"

namespace {

TEST(DeviceContextTest, RestoreDCBringsBackPenBrushFontAndClip) {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clLime);
    canvas.Font()->SetName("Arial");
    const TRegion clip = CreateRectRgn(0, 0, 10, 10);
    SelectClipRgn(canvas, &clip);

    const int first = SaveDC(canvas);
    canvas.Pen()->SetColor(clBlue);
    SaveDC(canvas);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetName("Courier New");
    canvas.SetCopyMode(cmSrcInvert);
    SelectClipRgn(canvas, nullptr);

    EXPECT_TRUE(RestoreDC(canvas, -1));
    EXPECT_EQ(canvas.Pen()->Color(), clBlue);
    EXPECT_TRUE(RestoreDC(canvas, first));
    EXPECT_EQ(canvas.Pen()->Color(), clRed);
    EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
    EXPECT_EQ(canvas.Brush()->Color(), clLime);
    EXPECT_EQ(canvas.Font()->Name(), "Arial");
    EXPECT_EQ(canvas.CopyMode(), cmSrcCopy);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 10, 10));
    // Every level is used up.
    EXPECT_FALSE(RestoreDC(canvas, -1));
    EXPECT_FALSE(RestoreDC(canvas, first));
}

} // namespace
