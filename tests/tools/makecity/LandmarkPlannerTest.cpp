// Notes, the railway and the undrawn kinds of the bundled city.
#include "makecity/LandmarkPlanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "BundledCity.h"
#include "citycategories/CityCategory.h"
#include "makecity/CityBuilder.h"
#include "makecity/StreetNames.h"

namespace city {
namespace {

// The bundled city's notes all have their picture; asked for, two name an icon or a library the
// program lacks, in the places of two ordinary notes.
TEST(LandmarkPlannerTest, NotesUseTheBuiltInLibraryAndItsGapsOnlyWhenAsked) {
    const CityPlan withGaps = buildCity(test::kSeed, 1, /*missingIcons=*/true);
    const struct {
        const char* what;
        const CityPlan& plan;
        int unknownIcons, unknownLibraries;
    } cities[] = {{"bundled", test::bundledCity(), 0, 0}, {"with missing icons", withGaps, 1, 1}};
    std::vector<Point> anchors[2];
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(cities[c].what);
        std::set<std::string> icons;
        int unknownIcon = 0;
        int unknownLibrary = 0;
        size_t longest = 0;
        for (const Feature& f : cities[c].plan.features) {
            if (!f.is(Kind::Note))
                continue;
            const Feature::Note& note = *f.note;
            anchors[c].push_back(note.anchor);
            longest = std::max(longest, StreetNames::characters(note.text));
            EXPECT_EQ(f.center, note.anchor);
            if (note.library != LandmarkPlanner::kLibrary) {
                ++unknownLibrary;
                continue;
            }
            if (std::stoi(note.icon) >= LandmarkPlanner::kIcons)
                ++unknownIcon;
            icons.insert(note.icon);
        }
        EXPECT_EQ(anchors[c].size(), 30u);
        EXPECT_EQ(unknownIcon, cities[c].unknownIcons);
        EXPECT_EQ(unknownLibrary, cities[c].unknownLibraries);
        EXPECT_EQ(longest, 255u);
        EXPECT_GT(icons.size(), 20u);
    }
    EXPECT_EQ(anchors[0], anchors[1]);
    EXPECT_EQ(withGaps.features.size(), test::bundledCity().features.size());
}

TEST(LandmarkPlannerTest, RailwayIsACustomPixelLineAcrossTheCity) {
    const CityPlan& plan = test::bundledCity();
    const auto railway = std::find_if(plan.features.begin(), plan.features.end(), [](const Feature& f) {
        return f.category == cat::Transport && f.is(Kind::Polyline);
    });
    ASSERT_NE(railway, plan.features.end());
    EXPECT_EQ(railway->style.caps, -1);
    EXPECT_LE(railway->corners[0].x, plan.view.x);
    EXPECT_GE(railway->corners[2].x, -plan.view.x);
}

TEST(LandmarkPlannerTest, UndrawnKindsAreKept) {
    std::multiset<uint8_t> kinds;
    for (const Feature& f : test::bundledCity().features)
        kinds.insert(f.kind);
    EXPECT_EQ(kinds.count(static_cast<uint8_t>(Kind::Bezier)), 3u);
    EXPECT_EQ(kinds.count(static_cast<uint8_t>(Kind::Bitmap)), 2u);
    EXPECT_EQ(kinds.count(9), 1u);
    EXPECT_EQ(kinds.count(200), 1u);
}

} // namespace
} // namespace city
