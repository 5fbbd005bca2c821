// The map's cursors: the resource names in the order of the screen cursor numbers, and each
// hotspot on a drawn pixel of its picture.
#include "makepictures/CursorPainter.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/TBitmap.h"

namespace pictures {
namespace {

TEST(CursorPainterTest, NamesFollowTheScreenCursorNumbers) {
    const auto cursors = mapCursors();
    ASSERT_EQ(cursors.size(), 20u);
    EXPECT_STREQ(cursors[0].name, "KEXLEFT");   // 1000
    EXPECT_STREQ(cursors[8].name, "Linza");     // 1008
    EXPECT_STREQ(cursors[11].name, "KEXSCRLEFT");
    EXPECT_STREQ(cursors[19].name, "EYEDROPPER"); // 1019
}

TEST(CursorPainterTest, EveryHotspotLiesOnTheDrawing) {
    const auto cursors = mapCursors();
    for (size_t i = 0; i < cursors.size(); ++i) {
        TBitmap bitmap;
        bitmap.SetSize(kCursorSize, kCursorSize);
        paintCursor(static_cast<int>(i), *bitmap.Canvas());
        const TPoint h = cursors[i].hotspot;
        ASSERT_GE(h.X, 0);
        ASSERT_LT(h.X, kCursorSize);
        ASSERT_GE(h.Y, 0);
        ASSERT_LT(h.Y, kCursorSize);
        EXPECT_NE(bitmap.Canvas()->Pixels(h.X, h.Y), kCursorTransparent) << cursors[i].name;
        EXPECT_EQ(bitmap.Canvas()->Pixels(0, 31) == kCursorTransparent ||
                      bitmap.Canvas()->Pixels(31, 0) == kCursorTransparent,
                  true)
            << cursors[i].name;
    }
}

} // namespace
} // namespace pictures
