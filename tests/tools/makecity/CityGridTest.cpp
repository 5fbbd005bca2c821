// The ground plan: its size at every factor, the lake and the rows of river and railway.
#include "makecity/CityGrid.h"

#include <gtest/gtest.h>

namespace city {
namespace {

TEST(CityGridTest, BundledGridIsSixteenByTwelveQuartersAroundTheOrigin) {
    Random random(1);
    const CityGrid grid(random, 1);
    EXPECT_EQ(grid.columns(), 16);
    EXPECT_EQ(grid.rows(), 12);
    EXPECT_NEAR(grid.node(0, 0).x, -3040, 25);
    EXPECT_NEAR(grid.node(16, 12).y, 2280, 25);
}

TEST(CityGridTest, EverySizeStaysInsideTheIndexSquare) {
    for (const int size : {1, 10, 100}) {
        Random random(1);
        const CityGrid grid(random, size);
        // Rivers and railways reach 40 units beyond the last crossing.
        EXPECT_LT(grid.width() / 2 + 100, 63000) << size;
        EXPECT_LT(grid.height() / 2 + 100, 63000) << size;
        EXPECT_NEAR(static_cast<double>(grid.columns()) * grid.rows() / (16 * 12), size, size * 0.05);
    }
}

TEST(CityGridTest, LakeIsTwoByTwoQuartersWithoutStreetsInside) {
    Random random(1);
    const CityGrid grid(random, 1);
    for (int column = 11; column <= 12; ++column)
        for (int row = 1; row <= 2; ++row)
            EXPECT_EQ(grid.use(column, row), CityGrid::Use::Lake);
    EXPECT_FALSE(grid.hasHorizontal(11, 2));
    EXPECT_FALSE(grid.hasHorizontal(12, 2));
    EXPECT_FALSE(grid.hasVertical(12, 1));
    EXPECT_FALSE(grid.hasVertical(12, 2));
    EXPECT_TRUE(grid.hasHorizontal(11, 1));
}

TEST(CityGridTest, RiverAndRailwayRowsRepeatEveryBand) {
    Random random(1);
    const CityGrid grid(random, 10);
    for (int column = 0; column < grid.columns(); ++column) {
        EXPECT_EQ(grid.use(column, CityGrid::kRiverRow), CityGrid::Use::River);
        EXPECT_EQ(grid.use(column, CityGrid::kBand + CityGrid::kRiverRow), CityGrid::Use::River);
        EXPECT_EQ(grid.use(column, CityGrid::kBand + CityGrid::kRailwayRow), CityGrid::Use::Railway);
    }
    EXPECT_EQ(grid.district(0), 0);
    EXPECT_EQ(grid.district(grid.columns() / 2), 1);
    EXPECT_EQ(grid.district(grid.columns() - 1), 2);
}

} // namespace
} // namespace city
