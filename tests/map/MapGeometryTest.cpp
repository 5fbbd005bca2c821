// The geometry helpers of the map: points in polygons and near segments, clipping codes, angles,
// rotation and picture fitting.
#include "map/MapGeometry.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using mapi::WorldPoint;

const std::vector<WorldPoint> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(MapGeometryTest, PointInSquareCountsLowerEdgeInsideUpperEdgeOutside) {
    EXPECT_TRUE(PointInPolygon(kSquare, 5, 5));
    EXPECT_FALSE(PointInPolygon(kSquare, 15, 5));
    EXPECT_FALSE(PointInPolygon(kSquare, 20, 10));
    EXPECT_TRUE(PointInPolygon(kSquare, 5, 10));
    EXPECT_FALSE(PointInPolygon(kSquare, 5, 0));
}

TEST(MapGeometryTest, PointInConcavePolygon) {
    const std::vector<WorldPoint> bent{{0, 0}, {10, 0}, {10, 5}, {12, 10}, {0, 10}};
    EXPECT_FALSE(PointInPolygon(bent, 20, 5));
    EXPECT_TRUE(PointInPolygon(bent, 5, 5));
    // A U shape: the notch between the arms is outside, the arms inside.
    const std::vector<WorldPoint> u{{0, 0}, {3, 0},  {3, 7},   {7, 7},
                                    {7, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_FALSE(PointInPolygon(u, 5, 3));
    EXPECT_TRUE(PointInPolygon(u, 1.5f, 3));
    EXPECT_TRUE(PointInPolygon(u, 8.5f, 3));
    EXPECT_TRUE(PointInPolygon(u, 5, 8.5f));
}

TEST(MapGeometryTest, FewerThanThreePointsEncloseNothing) {
    const std::vector<WorldPoint> two{{0, 0}, {10, 10}};
    EXPECT_FALSE(PointInPolygon(two, 5, 5));
    EXPECT_FALSE(PointInPolygon({}, 0, 0));
}

TEST(MapGeometryTest, PointNearThickSegment) {
    EXPECT_TRUE(PointNearSegment(2, 0, 0, 10, 0, 5, 1));
    EXPECT_FALSE(PointNearSegment(2, 0, 0, 10, 0, 5, 1.5f));
    EXPECT_FALSE(PointNearSegment(2, 0, 0, 10, 0, 11.5f, 0));
    EXPECT_TRUE(PointNearSegment(0, 0, 0, 10, 0, 5, 0.5f)); // width 0 counts as 1
    EXPECT_TRUE(PointNearSegment(4, 0, 0, 0, 10, 2, 5));    // vertical
    EXPECT_TRUE(PointNearSegment(1, 0, 0, 10, 10, 5, 5));   // on a diagonal: no negative radicand
}

TEST(MapGeometryTest, ZeroLengthSegmentMeasuresToItsEnd) {
    EXPECT_TRUE(PointNearSegment(4, 3, 3, 3, 3, 5, 5));  // 2.83 truncates to 2
    EXPECT_FALSE(PointNearSegment(6, 3, 3, 3, 3, 6, 6)); // in the box, but 4.24 away
    EXPECT_FALSE(PointNearSegment(4, 3, 3, 3, 3, 6, 3)); // beyond the box
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
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, 0), 90);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, 1), 180);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, -1), 0);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, 0), 270);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, -1), 45);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, -1), 315);
    EXPECT_DOUBLE_EQ(VectorAngle(5, 5, 5, 5), 0);
}

TEST(MapGeometryTest, RotatePointTurnsCounterClockwiseOnTheScreen) {
    float x = 10;
    float y = 0;
    RotatePoint(x, y, 90, {0, 0});
    EXPECT_NEAR(x, 0, 1e-5);
    EXPECT_NEAR(y, -10, 1e-5); // up on the screen
    x = -10;
    y = 0;
    RotatePoint(x, y, 90, {0, 0});
    EXPECT_NEAR(x, 0, 1e-5);
    EXPECT_NEAR(y, 10, 1e-5);
    x = 5;
    y = 8; // straight below the centre
    RotatePoint(x, y, 180, {5, 5});
    EXPECT_NEAR(x, 5, 1e-5);
    EXPECT_NEAR(y, 2, 1e-5);
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
