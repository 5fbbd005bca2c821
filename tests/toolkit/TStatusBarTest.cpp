// The status bar's panels and their texts.
#include "toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

// The first column at or after x whose pixels in the middle row are not the bar's face.
int nextInk(TCanvas& canvas, int x, int y, int width) {
    while (x < width && canvas.Pixels(x, y) == ColorToRGB(clBtnFace))
        ++x;
    return x;
}

TEST(TStatusBarTest, PanelsSitAtTheirWidthsAndTextChangesRepaint) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 100);
    auto* bar = tktest::placed<TStatusBar>(&form);
    for (int width : {120, 100, 120})
        bar->Panels()->Add()->SetWidth(width);
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 81, 400, 100));
    form.Show();
    bar->Repaint();
    TCanvas& canvas = *bar->Canvas();
    EXPECT_EQ(canvas.Pixels(0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas.Pixels(122, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(nextInk(canvas, 2, 10, 120), 119);
    bar->Panels()->Items(0)->SetText(tk::fromUtf8("  Выбор"));
    bar->Update();
    EXPECT_LT(nextInk(canvas, 2, 10, 120), 60);
}

} // namespace
