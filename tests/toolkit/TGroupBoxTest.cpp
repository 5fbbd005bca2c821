// The group box keeps aligned controls inside its frame.
#include "toolkit/TGroupBox.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TGroupBoxTest, AlignedControlsStayInsideTheFrameBelowTheCaption) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* group = tktest::placed<TGroupBox>(&form, 10, 10, 200, 100);
    group->SetCaption(tk::fromUtf8("Навигация"));
    auto* inside = new TWinControl(&form);
    inside->SetParent(group);
    inside->SetAlign(alClient);
    const TRect r = inside->BoundsRect();
    EXPECT_EQ(r.Left, 2);
    EXPECT_GT(r.Top, 8);
    EXPECT_EQ(r.Right, 198);
    EXPECT_EQ(r.Bottom, 98);
    form.Show();
    group->Repaint();
    EXPECT_EQ(group->Canvas()->Pixels(0, 50), ColorToRGB(clBtnShadow));
    EXPECT_EQ(group->Canvas()->Pixels(1, 50), ColorToRGB(clBtnHighlight));
}

} // namespace
