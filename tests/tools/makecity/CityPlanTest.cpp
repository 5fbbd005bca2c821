// Object ids of the plan: fresh ids skip the district ids, and the next id stays above all.
#include "makecity/CityPlan.h"

#include <gtest/gtest.h>

namespace city {
namespace {

TEST(CityPlanTest, FreshIdsSkipTheDistrictIds) {
    CityPlan plan;
    for (int i = 0; i < 60; ++i)
        plan.takeId();
    EXPECT_EQ(plan.takeId(), 62u); // 54 was skipped
}

TEST(CityPlanTest, AddGivesIdsToChildrenAndKeepsGivenOnes) {
    CityPlan plan;
    Feature district;
    district.id = 6326;
    plan.add(district);
    Feature group;
    group.children.resize(2);
    const Feature& added = plan.add(group);
    EXPECT_EQ(added.id, 1u);
    EXPECT_EQ(added.children[0].id, 2u);
    EXPECT_EQ(added.children[1].id, 3u);
    EXPECT_EQ(plan.nextId(), 6327u);
    plan.streets.push_back({4, "МИРА"});
    EXPECT_EQ(plan.findStreet(4)->name, "МИРА");
    EXPECT_EQ(plan.findStreet(5), nullptr);
}

} // namespace
} // namespace city
