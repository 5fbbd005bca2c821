// The bevel control's light and dark edges.
#include "toolkit/TBevel.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TBevelTest, LoweredBoxIsDarkAboveAndLightBelowRaisedTheOtherWay) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* bevel = tktest::placed<TBevel>(&form, 0, 0, 40, 30);
    form.Show();
    bevel->Repaint();
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 29), ColorToRGB(clBtnHighlight));
    bevel->SetStyle(bsRaised);
    bevel->Repaint();
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 0), ColorToRGB(clBtnHighlight));
    bevel->SetShape(bsBottomLine);
    bevel->Repaint();
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 28), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 29), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bevel->Canvas()->Pixels(20, 0), ColorToRGB(clBtnFace));
}

} // namespace
