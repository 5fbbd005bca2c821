// Labels: auto size over every line and alignment.
#include "toolkit/TLabel.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TLabelTest, AutoSizeTakesTheWidestLineAndEveryLine) {
    TForm form(nullptr);
    auto* label = tktest::placed<TLabel>(&form);
    label->SetCaption("Wide line of text");
    const int oneLine = label->Height();
    const int width = label->Width();
    EXPECT_GT(width, 50);
    label->SetCaption("Wide line of text\r\n\r\nshort");
    EXPECT_EQ(label->Width(), width);
    EXPECT_EQ(label->Height(), 3 * oneLine);
    TFont big;
    big.SetHeight(-30);
    label->SetFont(big);
    EXPECT_GT(label->Width(), width);
}

TEST(TLabelTest, CentredCaptionLeavesBothSidesEmpty) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* label = tktest::placed<TLabel>(&form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 300, 40);
    label->SetColor(clWhite);
    label->SetAlignment(taCenter);
    label->SetLayout(tlCenter);
    label->SetCaption("MMMM");
    form.Show();
    label->Repaint();
    TCanvas& canvas = *label->Canvas();
    int left = 300, right = -1;
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 40; ++y)
            if (canvas.Pixels(x, y) != clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_LT(left, right);
    EXPECT_NEAR(left, 299 - right, 3);
}

} // namespace
