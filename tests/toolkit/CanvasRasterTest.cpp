// Copies of whole pictures: a plain copy onto a surface of the same size shares the pixels, and
// drawing on either side afterwards leaves the other as it was.
#include "toolkit/TBitmap.h"

#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

namespace {

void fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

TEST(CanvasRasterTest, WholeCopyKeepsBothSidesApartWhenEitherIsDrawnOn) {
    TBitmap source;
    source.SetSize(8, 6);
    fill(source, clRed);
    TBitmap target;
    target.SetSize(8, 6);
    target.Canvas()->Draw(0, 0, source);
    EXPECT_EQ(target.Canvas()->Pixels(7, 5), clRed);

    fill(target, clBlue);
    EXPECT_EQ(source.Canvas()->Pixels(3, 3), clRed);
    source.Canvas()->SetPixels(1, 1, clLime);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clBlue);

    target.Canvas()->Draw(0, 0, source);
    source.Canvas()->Brush()->SetColor(clYellow);
    source.Canvas()->Polygon(std::vector<TPoint>{Point(0, 0), Point(7, 0), Point(7, 5), Point(0, 5)});
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(4, 3), clRed);
}

} // namespace
