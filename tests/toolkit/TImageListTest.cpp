#include "toolkit/TImageList.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

// Two 4x4 pictures side by side: white with a red centre, white with a blue centre.
void paintStrip(TBitmap& strip) {
    strip.SetSize(8, 4);
    TCanvas& canvas = *strip.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 8, 4));
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(1, 1, 3, 3));
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect(Rect(5, 1, 7, 3));
}

TEST(TImageListTest, AddMaskedLeavesMaskOutAndBkColorPaintsIt) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    TBitmap strip;
    paintStrip(strip);
    EXPECT_EQ(list.AddMasked(&strip, clWhite), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target;
    target.SetSize(10, 10);
    TCanvas& canvas = *target.Canvas();
    canvas.Brush()->SetColor(clGreen);
    canvas.FillRect(Rect(0, 0, 10, 10));
    list.Draw(&canvas, 2, 2, 1);
    EXPECT_EQ(canvas.Pixels(2, 2), clGreen);
    EXPECT_EQ(canvas.Pixels(3, 3), clBlue);

    list.SetBkColor(clYellow);
    list.Draw(&canvas, 2, 2, 0);
    EXPECT_EQ(canvas.Pixels(2, 2), clYellow);
    EXPECT_EQ(canvas.Pixels(3, 3), clRed);
    EXPECT_EQ(canvas.Pixels(6, 6), clGreen);
    EXPECT_EQ(canvas.Brush()->Color(), clGreen);
}

} // namespace
