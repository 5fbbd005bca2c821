// The pictograms: each drawn on the transparent colour, none left blank, no two alike.
#include "makepictures/IconPainter.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "toolkit/TBitmap.h"

namespace pictures {
namespace {

std::vector<TColor> pixelsOf(int index) {
    TBitmap bitmap;
    bitmap.SetSize(kIconSize, kIconSize);
    paintIcon(index, *bitmap.Canvas());
    std::vector<TColor> pixels;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x)
            pixels.push_back(bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

TEST(IconPainterTest, EveryIconIsAPictogramOnTheTransparentColour) {
    std::set<std::vector<TColor>> seen;
    for (int i = 0; i < kIconCount; ++i) {
        const std::vector<TColor> pixels = pixelsOf(i);
        EXPECT_EQ(pixels.front(), kIconTransparent) << i; // corners see through
        EXPECT_EQ(pixels.back(), kIconTransparent) << i;
        EXPECT_NE(pixels[16 * kIconSize + 16], kIconTransparent) << i; // the sign is opaque
        EXPECT_GE(std::set<TColor>(pixels.begin(), pixels.end()).size(), 3u) << i;
        EXPECT_TRUE(seen.insert(pixels).second) << "icon " << i << " repeats another";
    }
}

} // namespace
} // namespace pictures
