#include "toolkit/DrawEdge.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

class DrawEdgeTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(40, 40);
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect(Rect(0, 0, 40, 40));
        canvas().Brush()->SetColor(clYellow);
    }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas().Pixels(x, y); }
    static TColor rgb(TColor system) { return ColorToRGB(system); }

    TBitmap bitmap;
};

TEST_F(DrawEdgeTest, EdgesPutEachColourOnTheirSides) {
    TRect rect = Rect(10, 10, 30, 30);
    DrawEdge(canvas(), rect, EDGE_SUNKEN, BF_RECT);
    // Outer ring on the border: shadow top-left, highlight bottom-right and at the two corners.
    EXPECT_EQ(at(10, 20), rgb(clBtnShadow));
    EXPECT_EQ(at(20, 10), rgb(clBtnShadow));
    EXPECT_EQ(at(29, 20), rgb(clBtnHighlight));
    EXPECT_EQ(at(20, 29), rgb(clBtnHighlight));
    EXPECT_EQ(at(29, 10), rgb(clBtnHighlight));
    EXPECT_EQ(at(10, 29), rgb(clBtnHighlight));
    // Inner ring one pixel in: dark shadow top-left, 3-D light bottom-right.
    EXPECT_EQ(at(11, 20), rgb(cl3DDkShadow));
    EXPECT_EQ(at(20, 28), rgb(cl3DLight));
    EXPECT_EQ(at(20, 20), clWhite);
    EXPECT_EQ(at(9, 20), clWhite);
    EXPECT_EQ(canvas().Brush()->Color(), clYellow);

    // An inner edge given alone takes the border, on the sides asked only.
    SetUp();
    DrawEdge(canvas(), rect, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
    EXPECT_EQ(at(29, 20), rgb(clBtnShadow));
    EXPECT_EQ(at(20, 29), rgb(clBtnShadow));
    EXPECT_EQ(at(10, 20), clWhite);
    EXPECT_EQ(at(20, 10), clWhite);
}

TEST_F(DrawEdgeTest, FlatScrollButtonHasShadowFrameFaceAndCentredArrow) {
    TRect rect = Rect(0, 0, 16, 16);
    DrawFrameControl(canvas(), rect, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_FLAT);
    EXPECT_EQ(at(0, 8), rgb(clBtnShadow));
    EXPECT_EQ(at(15, 8), rgb(clBtnShadow));
    EXPECT_EQ(at(2, 2), rgb(clBtnFace));
    // Down: the wide row above the tip, both centred on column 8.
    int widest = 0, tipRow = -1, wideRow = -1;
    for (int y = 0; y < 16; ++y) {
        int count = 0;
        for (int x = 0; x < 16; ++x) count += at(x, y) == clBlack;
        if (count > 0) tipRow = y;
        if (count > widest) {
            widest = count;
            wideRow = y;
        }
    }
    EXPECT_GT(widest, 1);
    EXPECT_LT(wideRow, tipRow);
    EXPECT_EQ(at(8, tipRow), clBlack);
}

} // namespace
