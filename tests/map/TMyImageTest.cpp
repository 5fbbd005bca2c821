#include "map/TMyImage.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

TEST(TMyImageTest, AsksForEveryKey) {
    TMyImage image(nullptr);
    EXPECT_EQ(image.Perform(WM_GETDLGCODE, 0, 0), 133);
}

TEST(TMyImageTest, PaintRectCopiesOnlyItsRectangleOfTheBuffer) {
    TMyImage image(nullptr);
    image.SetBounds(0, 0, 40, 30);
    TBitmap* buffer = image.Picture()->Bitmap();
    buffer->SetSize(40, 30);
    buffer->Canvas()->Brush()->SetColor(clRed);
    buffer->Canvas()->FillRect(Rect(0, 0, 40, 30));
    TCanvas& screen = *image.GetCanvas();
    screen.Brush()->SetColor(clBlue);
    screen.FillRect(Rect(0, 0, 40, 30));
    image.PaintRect(Rect(10, 5, 20, 15));
    EXPECT_EQ(screen.Pixels(10, 5), clRed);
    EXPECT_EQ(screen.Pixels(19, 14), clRed);
    EXPECT_EQ(screen.Pixels(20, 14), clBlue);
    EXPECT_EQ(screen.Pixels(9, 5), clBlue);
}

} // namespace
