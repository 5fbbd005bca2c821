// The image control shows its picture and the canvas drawn on it.
#include "toolkit/TImage.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TForm.h"

namespace {

TEST(TImageTest, DrawingOnTheCanvasDrawsOnThePictureAndShows) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    auto* image = tktest::placed<TImage>(&form, 0, 0, 50, 40);
    form.Show();
    TCanvas* canvas = image->Canvas();
    EXPECT_EQ(image->Picture()->Width(), 50);
    EXPECT_EQ(image->Picture()->Height(), 40);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 10, 10));
    Application->ProcessMessages();
    EXPECT_EQ(image->TGraphicControl::Canvas()->Pixels(5, 5), clRed);
}

TEST(TImageTest, CenteredPictureSitsInTheMiddle) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    auto* image = tktest::placed<TImage>(&form, 0, 0, 40, 40);
    TBitmap dot;
    dot.SetSize(10, 10);
    dot.Canvas()->Brush()->SetColor(clBlue);
    dot.Canvas()->FillRect(Rect(0, 0, 10, 10));
    image->Picture()->SetGraphic(&dot);
    image->SetCenter(true);
    form.Show();
    image->Repaint();
    TCanvas& shown = *image->TGraphicControl::Canvas();
    EXPECT_EQ(shown.Pixels(20, 20), clBlue);
    EXPECT_NE(shown.Pixels(5, 5), clBlue);
}

} // namespace
