// Panels: the client area their border and bevels leave, and the bevels' colours.
#include "toolkit/TPanel.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TPanelTest, AlignedControlsFillWhatBorderAndBevelsLeave) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = tktest::placed<TPanel>(&form);
    panel->SetBevelOuter(bvNone);
    panel->SetBorderWidth(3);
    panel->SetAlign(alClient);
    auto* map = new TWinControl(&form);
    map->SetParent(panel);
    map->SetAlign(alClient);
    EXPECT_EQ(map->BoundsRect(), Rect(3, 3, 297, 197));
    panel->SetBevelOuter(bvRaised);
    EXPECT_EQ(map->BoundsRect(), Rect(4, 4, 296, 196));
}

TEST(TPanelTest, RaisedBevelIsLightAboveAndDarkBelow) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    auto* panel = tktest::placed<TPanel>(&form, 0, 0, 100, 60);
    form.Show();
    panel->Repaint();
    TCanvas& canvas = *panel->Canvas();
    EXPECT_EQ(canvas.Pixels(50, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(canvas.Pixels(50, 59), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas.Pixels(50, 30), ColorToRGB(clBtnFace));
}

} // namespace
