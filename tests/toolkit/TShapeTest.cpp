// The shape control fills its figure with its brush.
#include "toolkit/TShape.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TShapeTest, CircleIsFilledWithItsBrushInsideItsOutline) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* shape = tktest::placed<TShape>(&form, 0, 0, 60, 40);
    shape->SetShape(stCircle);
    shape->Brush()->SetColor(clLime);
    shape->Pen()->SetWidth(2);
    form.Show();
    shape->Repaint();
    TCanvas& canvas = *shape->Canvas();
    EXPECT_EQ(canvas.Pixels(30, 20), clLime);
    EXPECT_EQ(canvas.Pixels(30, 1), clBlack);
    EXPECT_EQ(canvas.Pixels(2, 20), ColorToRGB(clBtnFace));
}

} // namespace
