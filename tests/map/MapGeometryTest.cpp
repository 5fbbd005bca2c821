// The geometry helpers of the map: points in polygons and near segments, clipping codes, angles,
// rotation and picture fitting.
#include "map/MapGeometry.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using mapi::WorldPoint;

// A point on a lower edge is inside, on an upper edge outside; fewer than three points enclose
// nothing.
TEST(MapGeometryTest, PointInPolygonByCrossings) {
    const std::vector<WorldPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<WorldPoint> bent{{0, 0}, {10, 0}, {10, 5}, {12, 10}, {0, 10}};
    const std::vector<WorldPoint> u{{0, 0}, {3, 0}, {3, 7}, {7, 7}, {7, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<WorldPoint> two{{0, 0}, {10, 10}};
    const struct {
        const std::vector<WorldPoint>& polygon;
        float x, y;
        bool inside;
    } cases[] = {
        {square, 5, 5, true},   {square, 15, 5, false}, {square, 20, 10, false}, {square, 5, 10, true},
        {square, 5, 0, false},  {bent, 20, 5, false},   {bent, 5, 5, true},      {u, 5, 3, false},
        {u, 1.5f, 3, true},     {u, 8.5f, 3, true},     {u, 5, 8.5f, true},      {two, 5, 5, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointInPolygon(c.polygon, c.x, c.y), c.inside) << c.polygon.size() << " points, " << c.x << "," << c.y;
    EXPECT_FALSE(PointInPolygon({}, 0, 0));
}

TEST(MapGeometryTest, PointNearThickSegment) {
    const struct {
        int width;
        float x1, y1, x2, y2, x, y;
        bool near;
    } cases[] = {
        {2, 0, 0, 10, 0, 5, 1, true},       {2, 0, 0, 10, 0, 5, 1.5f, false}, {2, 0, 0, 10, 0, 11.5f, 0, false},
        {0, 0, 0, 10, 0, 5, 0.5f, true},    // width 0 counts as 1
        {4, 0, 0, 0, 10, 2, 5, true},       // vertical
        {1, 0, 0, 10, 10, 5, 5, true},      // on a diagonal: no negative radicand
        {4, 3, 3, 3, 3, 5, 5, false},       // zero length: 2.83 to its end rounds to 3
        {4, 3, 3, 3, 3, 4.5f, 4.5f, true},  // zero length: 2.12 rounds to 2
        {6, 3, 3, 3, 3, 6, 6, false},       // in the box, but 4.24 away
        {4, 3, 3, 3, 3, 6, 3, false},       // beyond the box
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointNearSegment(c.width, c.x1, c.y1, c.x2, c.y2, c.x, c.y), c.near)
            << c.width << ": " << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2 << " at " << c.x << "," << c.y;
}

TEST(MapGeometryTest, OutCodesAndSegmentCrossing) {
    EXPECT_EQ(OutCode(0, 0, 10, 10, -1, -1), 1 | 2);
    EXPECT_EQ(OutCode(0, 0, 10, 10, 11, 11), 4 | 8);
    EXPECT_EQ(OutCode(0, 0, 10, 10, 10, 0), 0);
    const mapi::WorldRect r{0, 0, 10, 10};
    EXPECT_TRUE(PointInRect(r, 0, 10));
    EXPECT_FALSE(PointInRect(r, 10.5f, 5));
    EXPECT_FALSE(SegmentMayCross(r, {-5, -1}, {20, -3}));
    EXPECT_TRUE(SegmentMayCross(r, {-5, 5}, {20, 5}));
    EXPECT_TRUE(SegmentMayCross(r, {-5, -1}, {20, 20}));
}

TEST(MapGeometryTest, VectorAngleIsABearingClockwiseFromUp) {
    const struct {
        float x, y;
        double angle;
    } cases[] = {{1, 0, 90}, {0, 1, 180}, {0, -1, 0}, {-1, 0, 270}, {1, -1, 45}, {-1, -1, 315}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(VectorAngle(5, 5, 5 + c.x, 5 + c.y), c.angle) << c.x << "," << c.y;
}

TEST(MapGeometryTest, RotatePointTurnsCounterClockwiseOnTheScreen) {
    const struct {
        WorldPoint from, centre, to;
        double angle;
    } cases[] = {
        {{10, 0}, {0, 0}, {0, -10}, 90}, // up on the screen
        {{-10, 0}, {0, 0}, {0, 10}, 90},
        {{5, 8}, {5, 5}, {5, 2}, 180},
    };
    for (const auto& c : cases) {
        float x = c.from.x;
        float y = c.from.y;
        RotatePoint(x, y, c.angle, c.centre);
        EXPECT_NEAR(x, c.to.x, 1e-5) << c.from.x << "," << c.from.y;
        EXPECT_NEAR(y, c.to.y, 1e-5) << c.from.x << "," << c.from.y;
    }
}

TEST(MapGeometryTest, PointAlongSegmentMayPassTheEnd) {
    int x = 0;
    int y = 0;
    PointAlongSegment(x, y, 0, 0, 10, 0, 15);
    EXPECT_EQ(x, 15);
    EXPECT_EQ(y, 0);
    PointAlongSegment(x, y, 3, 4, 3, 4, 7);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
}

TEST(MapGeometryTest, FitPictureRectShrinksNeverEnlarges) {
    const TRect box{0, 0, 40, 40};
    EXPECT_EQ(FitPictureRect(box, TSize{100, 50}), (TRect{0, 10, 40, 30}));
    EXPECT_EQ(FitPictureRect(box, TSize{10, 10}), (TRect{15, 15, 25, 25}));
    EXPECT_EQ(FitPictureRect(box, std::nullopt), box);
    EXPECT_EQ(FitPictureRect(box, TSize{0, 80}), (TRect{20, 0, 20, 40}));
}

TEST(MapGeometryTest, QuickSortIntsSortsTheRangeOnly) {
    std::vector<int> values{9, 5, 7, 5, 1, 3, 0};
    QuickSortInts(values, 1, 5);
    EXPECT_EQ(values, (std::vector<int>{9, 1, 3, 5, 5, 7, 0}));
    std::vector<int> many(5000);
    for (int i = 0; i < 5000; ++i)
        many[static_cast<std::size_t>(i)] = (i * 7919) % 613;
    QuickSortInts(many, 0, 4999);
    EXPECT_TRUE(std::is_sorted(many.begin(), many.end()));
}

} // namespace
