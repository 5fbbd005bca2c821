// The sample city as a whole: its districts, sizes and ids.
#include "makecity/CityBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BundledCity.h"
#include "citycategories/CityCategory.h"

namespace city {
namespace {

using test::bundledCity;

void collectIds(const Feature& f, std::vector<uint32_t>& ids) {
    ids.push_back(f.id);
    for (const Feature& child : f.children)
        collectIds(child, ids);
}

bool isBuilding(const Feature& f) {
    return f.is(Kind::Polygon) && (f.category == cat::StoneHouse || f.category == cat::WoodenHouse ||
                                   (f.category >= cat::FirstBusiness && f.category <= cat::LastBusiness));
}

TEST(CityBuilderTest, IdsAreUniqueAndBelowTheNextId) {
    const CityPlan& plan = bundledCity();
    std::vector<uint32_t> ids;
    for (const Feature& f : plan.features)
        collectIds(f, ids);
    const std::set<uint32_t> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size());
    EXPECT_FALSE(unique.contains(0));
    EXPECT_LT(*unique.rbegin(), plan.nextId());
}

TEST(CityBuilderTest, BundledCityHasTheSizeOfATown) {
    const CityPlan& plan = bundledCity();
    EXPECT_EQ(plan.mashtab, 1644);
    EXPECT_EQ(plan.districts.size(), 3u);
    EXPECT_EQ(plan.districts[0].name, "Октябрьский район");
    EXPECT_GE(plan.streets.size(), 40u);
    EXPECT_LE(plan.streets.size(), 50u);
    const auto buildings = std::count_if(plan.features.begin(), plan.features.end(), isBuilding);
    const auto addressed = std::count_if(plan.features.begin(), plan.features.end(),
                                         [](const Feature& f) { return isBuilding(f) && f.address; });
    EXPECT_GE(buildings, 3000);
    EXPECT_LE(buildings, 4500);
    EXPECT_NEAR(static_cast<double>(addressed) / buildings, 0.9, 0.05);

    // About 10 by 7.5 km: the stored view starts at the city's north-west corner.
    EXPECT_NEAR(-2 * plan.view.x * plan.mashtab / 1000, 10000, 200);
    EXPECT_NEAR(-2 * plan.view.y * plan.mashtab / 1000, 7500, 200);
}

TEST(CityBuilderTest, LockedMostlyWithSomeExtras) {
    const CityPlan& plan = bundledCity();
    const auto locked = std::count_if(plan.features.begin(), plan.features.end(),
                                      [](const Feature& f) { return f.locked; });
    const auto extras = std::count_if(plan.features.begin(), plan.features.end(),
                                      [](const Feature& f) { return f.extra.has_value(); });
    EXPECT_GT(locked, static_cast<long>(plan.features.size() * 8 / 10));
    EXPECT_LT(locked, static_cast<long>(plan.features.size()));
    EXPECT_GT(extras, 10);
}

} // namespace
} // namespace city
