#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"

namespace {

using namespace mapi;
using mapfixture::addObject;
using mapfixture::rectangle;

// Two squares 10 units apart in a 240 x 120 view: they fit at 1200 (20 units across).
struct TwoSquares {
    std::unique_ptr<TDataMap> map = mapfixture::makeMap(240, 120);
    std::vector<int> both;

    TwoSquares() {
        both = {addObject(*map, rectangle(100, 200, 105, 205, clRed)),
                addObject(*map, rectangle(115, 195, 120, 200, clBlue))};
    }
};

TEST(DataMapSearchTest, ZoomToObjectsCapsItsOwnChoiceAtScaleFind) {
    TwoSquares t;
    int changes = 0;
    t.map->OnChangeScale = [&](TPersistent*) { ++changes; };
    t.map->ZoomToObjects(t.both, -1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(t.map->Scale(), 800);
    WorldPoint centre = t.map->CalcViewCenter();
    EXPECT_FLOAT_EQ(centre.x, 110);
    EXPECT_FLOAT_EQ(centre.y, 200);
    t.map->SetScaleFind(5000);
    t.map->ZoomToObjects(t.both, -1);
    EXPECT_EQ(t.map->Scale(), 1200);
    t.map->ZoomToObjects(t.both, 300);
    EXPECT_EQ(t.map->Scale(), 300);
    centre = t.map->CalcViewCenter();
    EXPECT_FLOAT_EQ(centre.x, 110);
    EXPECT_FLOAT_EQ(centre.y, 200);
}

TEST(DataMapSearchTest, ZoomToObjectsWithoutAFitLeavesTheViewOrTakesTheCap) {
    TwoSquares t;
    t.map->SetScale(150);
    int changes = 0;
    t.map->OnChangeScale = [&](TPersistent*) { ++changes; };
    t.map->ZoomToObjects({}, -1);
    t.map->ZoomToObjects(std::vector<int>{7, -1}, -1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(t.map->Scale(), 150);
    // A vertical line has no width: its height decides, and a single point takes the cap.
    TKEXMapObjectMem line = mapsamples::pointObject(kindPolyline, {{50, 0}, {50, 60}});
    const int vertical = addObject(*t.map, line);
    t.map->ZoomToObjects(std::vector<int>{vertical}, -1);
    EXPECT_EQ(t.map->Scale(), 200);
    EXPECT_FLOAT_EQ(t.map->CalcViewCenter().x, 50);
    const int point = addObject(*t.map, mapsamples::pointObject(kindPixels, {{70, 80}}));
    t.map->ZoomToObjects(std::vector<int>{point}, -1);
    EXPECT_EQ(t.map->Scale(), 800);
    EXPECT_FLOAT_EQ(t.map->CalcViewCenter().x, 70);
    EXPECT_FLOAT_EQ(t.map->CalcViewCenter().y, 80);
}

} // namespace
