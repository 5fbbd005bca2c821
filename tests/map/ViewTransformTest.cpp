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

TEST(ViewTransformTest, MapToPixelsRoundsAndKeepsShapesInThePixelBox) {
    const mapi::ViewTransform view(0, 0, 100, 0.5f);
    constexpr int kEdge = 1 << 27;
    const std::vector<mapi::WorldPoint> near{{3, 5}, {5, 7}};
    const std::vector<mapi::WorldPoint> diagonal{{0, 0}, {1e30f, -1e30f}};
    const std::vector<mapi::WorldPoint> corners{{0, 0}, {1e30f, -1e30f}, {0, -1e30f}};
    const struct {
        const std::vector<mapi::WorldPoint>& points;
        mapi::PixelShape shape;
        std::vector<TPoint> pixels;
    } cases[] = {
        {near, mapi::PixelShape::Path, {{2, 2}, {2, 4}}}, // 1.5 and 2.5 tie to even
        {diagonal, mapi::PixelShape::Path, {{0, 0}, {kEdge, -kEdge}}}, // ends where it meets the box
        {corners, mapi::PixelShape::Points, {{0, 0}, {kEdge, -kEdge}, {0, -kEdge}}},
    };
    for (const auto& c : cases) {
        std::vector<TPoint> dest;
        const std::span<TPoint> pixels = view.MapToPixels(c.points, c.shape, dest);
        EXPECT_EQ(std::vector<TPoint>(pixels.begin(), pixels.end()), c.pixels);
    }
}

} // namespace
