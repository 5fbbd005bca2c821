// Colour-keyed blits: the destination shows exactly where the stretched source has the key.
#include "widgets/TransparentBitmap.h"

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"

namespace {

// A 4 x 4 source: the key colour in its left half and bottom-left corner, red elsewhere.
class TransparentBitmapTest : public testing::Test {
protected:
    TransparentBitmapTest() {
        source.SetSize(4, 4);
        TCanvas& canvas = *source.Canvas();
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 4, 4));
        canvas.Brush()->SetColor(clOlive);
        canvas.FillRect(Rect(0, 0, 2, 4));
        dest.SetSize(16, 16);
        dest.Canvas()->Brush()->SetColor(clBlue);
        dest.Canvas()->FillRect(Rect(0, 0, 16, 16));
    }

    TColor at(int x, int y) { return dest.Canvas()->Pixels(x, y); }

    TBitmap source;
    TBitmap dest;
};

TEST_F(TransparentBitmapTest, TheKeyColourLeavesTheDestinationAndTheRestIsCopied) {
    for (TColor key : {clOlive, clDefault}) {
        dest.Canvas()->FillRect(Rect(0, 0, 16, 16));
        DrawTransparentBitmap(*dest.Canvas(), 2, 3, source, key);
        EXPECT_EQ(at(2, 3), clBlue) << key;
        EXPECT_EQ(at(3, 6), clBlue) << key;
        EXPECT_EQ(at(4, 3), clRed) << key;
        EXPECT_EQ(at(5, 6), clRed) << key;
        EXPECT_EQ(at(6, 3), clBlue) << "outside the bitmap, key " << key;
        EXPECT_EQ(at(4, 7), clBlue) << "outside the bitmap, key " << key;
    }
}

TEST_F(TransparentBitmapTest, StretchedTheMaskStretchesAlongAndClNoneCopiesPlainly) {
    DrawTransparentBitmapRect(*dest.Canvas(), source, clOlive, 0, 0, 8, 8, 0, 0, 0, 0);
    EXPECT_EQ(at(3, 7), clBlue);
    EXPECT_EQ(at(4, 0), clRed);
    EXPECT_EQ(at(7, 7), clRed);
    EXPECT_EQ(at(8, 0), clBlue);
    DrawTransparentBitmapRect(*dest.Canvas(), source, clNone, 8, 8, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(at(8, 8), clOlive);
    EXPECT_EQ(at(11, 11), clRed);
}

TEST_F(TransparentBitmapTest, AMissingDestinationDimensionTakesTheBitmapsAlone) {
    struct Case {
        int width, height;
        TPoint lastRed, pastTheEnd;
    };
    // Width 20 (clipped to 16 by the destination) with height 0: 4 high, stretched across.
    // Width 0 with height 12: 4 wide, stretched down.
    for (const Case& c : {Case{20, 0, Point(15, 3), Point(15, 4)}, Case{0, 12, Point(3, 11), Point(4, 11)}}) {
        dest.Canvas()->FillRect(Rect(0, 0, 16, 16));
        DrawTransparentBitmapRect(*dest.Canvas(), source, clOlive, 0, 0, c.width, c.height, 0, 0, 0, 0);
        EXPECT_EQ(at(c.lastRed.X, c.lastRed.Y), clRed) << c.width << "x" << c.height;
        EXPECT_EQ(at(c.pastTheEnd.X, c.pastTheEnd.Y), clBlue) << c.width << "x" << c.height;
        EXPECT_EQ(at(0, 0), clBlue) << "the key's part stays transparent";
    }
}

} // namespace
