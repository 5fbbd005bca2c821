#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;

TEST(DataMapSelectionTest, ListHoldsEachObjectOnceInTheOrderAdded) {
    auto map = mapfixture::makeMap(100, 100);
    map->AddSelected(4);
    map->AddSelected(2);
    map->AddSelected(4);
    EXPECT_EQ(map->SelectedObjects(), (std::vector<int>{4, 2}));
    map->ToggleSelected(7);
    map->ToggleSelected(4);
    EXPECT_EQ(map->SelectedObjects(), (std::vector<int>{2, 7}));
    map->RemoveSelected(9);
    map->RemoveSelected(2);
    EXPECT_EQ(map->SelectedObjects(), std::vector<int>{7});
}

TEST(DataMapSelectionTest, RegionTakesWholeFramesAndTheIndexAgreesWithTheScan) {
    auto map = mapfixture::makeMap(100, 100);
    addObject(*map, rectangle(10, 10, 20, 20, clBlue));
    addObject(*map, rectangle(15, 15, 60, 60, clBlue)); // crosses the region's edge
    addObject(*map, rectangle(2500, 30, 2520, 40, clBlue));
    const std::vector<mapi::WorldPoint> region = {{0, 0}, {3000, 0}, {3000, 50}, {0, 50}};
    map->SelectInRegion(region);
    EXPECT_EQ(map->SelectedObjects(), (std::vector<int>{0, 2}));
    map->SetUseIndex(true);
    map->SelectInRegion(region);
    EXPECT_EQ(map->SelectedObjects(), (std::vector<int>{0, 2}));
    map->SelectInRegion({});
    EXPECT_TRUE(map->SelectedObjects().empty());
}

} // namespace
