// Water, green and relief of the bundled city.
#include "makecity/NaturePlanner.h"

#include <gtest/gtest.h>

#include <map>

#include "BundledCity.h"
#include "citycategories/CityCategory.h"

namespace city {
namespace {

TEST(NaturePlannerTest, WaterIsARiverPolygonStreamsALakeAndAPond) {
    std::map<size_t, int> ellipses; // by point count
    int rivers = 0;
    int streams = 0;
    const Point west = test::bundledCity().view;
    for (const Feature& f : test::bundledCity().features) {
        if (f.category != cat::Water)
            continue;
        if (f.is(Kind::Ellipse))
            ++ellipses[f.points.size()];
        // The river runs from beyond the west edge to beyond the east edge.
        if (f.is(Kind::Polygon) && f.corners[0].x < west.x && f.corners[2].x > -west.x)
            ++rivers;
        if (f.is(Kind::Polyline))
            ++streams;
    }
    EXPECT_EQ(rivers, 1);
    EXPECT_GT(streams, 0);
    EXPECT_EQ(ellipses[4], 1); // the lake, by its four corners
    EXPECT_EQ(ellipses[2], 1); // a pond stored by two opposite corners
}

TEST(NaturePlannerTest, ParksAreHatchedWithTreesAndReliefIsHatchedOrDotted) {
    std::map<int32_t, int> count;
    std::map<int32_t, uint8_t> styles;
    for (const Feature& f : test::bundledCity().features) {
        ++count[f.category * 10 + f.kind];
        if (f.is(Kind::Polygon))
            styles[f.category] = f.style.brushStyle;
        if (f.is(Kind::Polyline) && f.category >= cat::Ravine) {
            EXPECT_EQ(f.style.penStyle, psDot);
        }
    }
    EXPECT_GT(count[cat::Park * 10 + 0], 0);
    EXPECT_EQ(count[cat::Park * 10 + 2], count[cat::Park * 10 + 0]); // every park has its trees
    EXPECT_GT(count[cat::Hill * 10 + 0], 0);
    EXPECT_GT(count[cat::Ravine * 10 + 1], 0);
    EXPECT_GT(count[cat::Quarter * 10 + 0], 50);
    EXPECT_GE(styles[cat::Park], bsHorizontal);
    EXPECT_GE(styles[cat::Hill], bsHorizontal);
}

} // namespace
} // namespace city
