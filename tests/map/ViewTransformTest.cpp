// Screen to world and back at a scale and a view origin.
#include "map/ViewTransform.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(ViewTransformTest, ScreenToMapAndBack) {
    const mapi::ViewTransform view(1000, 2000, 200);
    float x = 50;
    float y = 20;
    view.ScreenToMap(x, y);
    EXPECT_FLOAT_EQ(x, 1025);
    EXPECT_FLOAT_EQ(y, 2010);
    view.MapToScreen(x, y);
    EXPECT_FLOAT_EQ(x, 50);
    EXPECT_FLOAT_EQ(y, 20);
}

TEST(ViewTransformTest, ScaleZeroIsTakenAsOne) {
    const mapi::ViewTransform view(0, 0, 0);
    float x = 1;
    float y = 1;
    view.ScreenToMap(x, y);
    EXPECT_FLOAT_EQ(x, 100);
}

TEST(ViewTransformTest, MapToScreenPointsRoundsAndNeverOverruns) {
    const mapi::ViewTransform view(0, 0, 100, 0.5f);
    const std::vector<mapi::WorldPoint> points{{3, 5}, {5, 7}, {9, 11}, {1e30f, -1e30f}};
    std::vector<TPoint> dest(3);
    EXPECT_EQ(view.MapToScreenPoints(points, dest), 3);
    EXPECT_EQ(dest[0], (TPoint{2, 2})); // 1.5 and 2.5 tie to even
    EXPECT_EQ(dest[1], (TPoint{2, 4}));
    std::vector<TPoint> room(4);
    EXPECT_EQ(view.MapToScreenPoints(points, room), 4);
    EXPECT_EQ(room[3].X, std::numeric_limits<int>::max()); // saturates, no overflow
}

} // namespace
