// Regions: rectangle edges, polygon fill modes and copies.
#include "toolkit/TRegion.h"

#include <array>

#include <gtest/gtest.h>

namespace {

TEST(TRegionTest, RectangleLeavesOutItsRightAndBottomEdges) {
    const TRegion region = CreateRectRgn(10, 20, 30, 40);
    EXPECT_TRUE(region.Contains(10, 20));
    EXPECT_TRUE(region.Contains(29, 39));
    EXPECT_FALSE(region.Contains(30, 39));
    EXPECT_FALSE(region.Contains(29, 40));
    const TRegion swapped = CreateRectRgn(30, 40, 10, 20);
    EXPECT_TRUE(swapped.Contains(10, 20));
    EXPECT_TRUE(CreateRectRgn(5, 5, 5, 9).IsEmpty());
}

TEST(TRegionTest, PolygonFillModesDifferOnTheStarCentre) {
    const std::array<TPoint, 5> star = {Point(50, 0), Point(80, 90), Point(5, 30), Point(95, 30), Point(20, 90)};
    const TRegion alternate = CreatePolygonRgn(star, ALTERNATE);
    const TRegion winding = CreatePolygonRgn(star, WINDING);
    EXPECT_FALSE(alternate.Contains(50, 50));
    EXPECT_TRUE(winding.Contains(50, 50));
    EXPECT_TRUE(alternate.Contains(50, 15));
    EXPECT_FALSE(winding.Contains(2, 2));
    const std::array<TPoint, 2> line = {Point(0, 0), Point(5, 5)};
    EXPECT_TRUE(CreatePolygonRgn(line, ALTERNATE).IsEmpty());
}

TEST(TRegionTest, ShapesFarBeyondAnySurfaceKeepTheirVisiblePart) {
    const TRegion rect = CreateRectRgn(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_TRUE(rect.Contains(0, 0));
    EXPECT_TRUE(rect.Contains(3000, -3000));
    // A thin wedge from far away: inside the surface its edges must stay where they were.
    const std::array<TPoint, 3> wedge = {Point(-2000000000, 0), Point(100, 50), Point(100, -50)};
    const TRegion region = CreatePolygonRgn(wedge, ALTERNATE);
    EXPECT_TRUE(region.Contains(99, 0));
    EXPECT_FALSE(region.Contains(101, 0));
    EXPECT_FALSE(region.Contains(50, 60));
    const std::array<TPoint, 3> huge = {Point(-2000000000, -2000000000), Point(2000000000, -2000000000),
                                        Point(0, 2000000000)};
    EXPECT_TRUE(CreatePolygonRgn(huge, WINDING).Contains(0, 0));
}

TEST(TRegionTest, CopiesAreIndependent) {
    TRegion region = CreateRectRgn(0, 0, 2, 2);
    const TRegion copy = region;
    region = CreateRectRgn(10, 10, 12, 12);
    EXPECT_TRUE(copy.Contains(1, 1));
    EXPECT_FALSE(region.Contains(1, 1));
}

} // namespace
