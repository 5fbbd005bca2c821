// The pan marker and the spin glyphs: their transparent colour in the bottom-left pixel and
// arrows pointing the right way.
#include "makepictures/GlyphPainter.h"

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

// The first row, from the top, holding a black pixel.
int firstBlackRow(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas()->Pixels(x, y) == clBlack)
                return y;
    return -1;
}

// Black pixels in row y.
int blackIn(TBitmap& bitmap, int y) {
    int n = 0;
    for (int x = 0; x < bitmap.Width(); ++x)
        n += bitmap.Canvas()->Pixels(x, y) == clBlack ? 1 : 0;
    return n;
}

TEST(GlyphPainterTest, SpinGlyphsPointUpAndDown) {
    TBitmap up;
    TBitmap down;
    paintSpinGlyph(up, /*up=*/true);
    paintSpinGlyph(down, /*up=*/false);
    for (TBitmap* glyph : {&up, &down}) {
        EXPECT_EQ(glyph->Width(), 9);
        EXPECT_EQ(glyph->Height(), 6);
        EXPECT_EQ(glyph->Canvas()->Pixels(0, 5), kGlyphTransparent);
    }
    const int top = firstBlackRow(up);
    ASSERT_GE(top, 0);
    EXPECT_LT(blackIn(up, top), blackIn(up, 4)); // narrow at the top
    EXPECT_GT(blackIn(down, firstBlackRow(down)), blackIn(down, 4));
}

TEST(GlyphPainterTest, ScrollMarkerIsADiscOnItsTransparentColour) {
    TBitmap marker;
    paintScrollMarker(marker);
    EXPECT_EQ(marker.Width(), 32);
    EXPECT_EQ(marker.Canvas()->Pixels(0, 31), kMarkerTransparent);
    EXPECT_EQ(marker.Canvas()->Pixels(16, 16), clBlack);
    EXPECT_EQ(marker.Canvas()->Pixels(11, 16), clWhite);
    EXPECT_EQ(marker.Canvas()->Pixels(16, 4), clBlack);
}

} // namespace
} // namespace pictures
