// The named streets of the bundled city: roles, sections, labels and pens.
#include "makecity/StreetNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "BundledCity.h"
#include "citycategories/CityCategory.h"

namespace city {
namespace {

TEST(StreetNetworkTest, EverySegmentBelongsToOneShortEnoughStreet) {
    Random random(3);
    const CityGrid grid(random, 1);
    CityPlan plan;
    const StreetNetwork network(grid, random, plan);
    for (int row = 0; row <= grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column)
            EXPECT_EQ(grid.hasHorizontal(column, row), network.horizontalAt(column, row) >= 0);
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column <= grid.columns(); ++column)
            EXPECT_EQ(grid.hasVertical(column, row), network.verticalAt(column, row) >= 0);
    for (const StreetNetwork::Street& s : network.streets())
        EXPECT_LE(s.last - s.first + 1, s.horizontal ? 8 : 12) << s.name;
    ASSERT_EQ(plan.streets.size(), network.streets().size());
    EXPECT_EQ(plan.streets.front().id, 1);
}

TEST(StreetNetworkTest, BundledCityShowsTheNamesTheFindDialogIsTriedWith) {
    const CityPlan& plan = test::bundledCity();
    std::map<std::string, int> names;
    for (const CityPlan::Street& s : plan.streets)
        ++names[s.name];
    for (const char* name : {"ЛЕНИНА", "ОКТЯБРЬСКАЯ", "МОЛОДЁЖНАЯ", "1-Я ЗАВОДСКАЯ", "8 МАРТА",
                             "КОСМОНАВТОВ ПР-Т", "ТИХИЙ ПЕР.", "ЛЕСНАЯ", "ЛУГОВАЯ", "ЛЕНИНГРАДСКАЯ"})
        EXPECT_EQ(names[name], 1) << name;
}

TEST(StreetNetworkTest, StreetsAreWidePolylinesWithLabelsAtManyAngles) {
    const CityPlan& plan = test::bundledCity();
    std::map<int32_t, int> caps;
    int dashed = 0;
    std::map<std::string, int> labels;
    std::set<int32_t> angles;
    std::set<int32_t> sizes;
    for (const Feature& f : plan.features) {
        if (f.category != cat::Street)
            continue;
        if (f.is(Kind::Polyline)) {
            ++caps[f.style.caps];
            dashed += f.style.penStyle == psDash ? 1 : 0;
            EXPECT_GE(f.style.penWidth, 8);
        } else if (f.is(Kind::Text)) {
            ++labels[f.label->text];
            angles.insert(f.label->angle);
            sizes.insert(f.label->size);
        }
    }
    EXPECT_EQ(caps[0] + caps[1], static_cast<int>(plan.streets.size()));
    EXPECT_GT(caps[0], 0);
    EXPECT_GT(caps[1], 0);
    EXPECT_EQ(dashed, 1);
    for (const CityPlan::Street& s : plan.streets)
        EXPECT_GE(labels[s.name], 1) << s.name;
    EXPECT_GT(angles.size(), 20u);
    EXPECT_GT(sizes.size(), 8u);
}

} // namespace
} // namespace city
