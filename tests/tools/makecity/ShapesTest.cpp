// The object makers: frames, centres and text boxes as the map's readers expect them.
#include "makecity/Shapes.h"

#include <gtest/gtest.h>

#include "citycategories/CityCategory.h"

namespace city {
namespace {

TEST(ShapesTest, FrameIsTheBoxRoundThePointsWithItsMiddle) {
    const Feature f = shapeFeature(Kind::Polygon, cat::StoneHouse, {{10, 40}, {30.1f, 20}, {15, 25}});
    EXPECT_EQ(f.corners[0], (Point{10, 20}));
    EXPECT_EQ(f.corners[1], (Point{30, 20})); // snapped to the quarter unit
    EXPECT_EQ(f.corners[2], (Point{30, 40}));
    EXPECT_EQ(f.corners[3], (Point{10, 40}));
    // The centre the old layouts compute from corners 0 and 2 is the same.
    EXPECT_EQ(f.center, (Point{20, 30}));
    EXPECT_EQ(f.plane, cityCategory(cat::StoneHouse).layer);
    EXPECT_EQ(f.style.brushColor, cityCategory(cat::StoneHouse).brushColor);
}

TEST(ShapesTest, TextBoxStartsAtItsAnchorAndRunsAlongItsAngle) {
    const Feature f = textFeature(cat::Street, {100, 100}, 900, 10, "АБВГ");
    EXPECT_EQ(f.center, f.corners[0]);
    EXPECT_EQ(f.label->anchor, f.corners[0]);
    // Turned a quarter counter-clockwise: the text runs up the screen, its foot to the right.
    EXPECT_NEAR(f.corners[1].x, f.corners[0].x, 0.5);
    EXPECT_LT(f.corners[1].y, f.corners[0].y);
    EXPECT_GT(f.corners[3].x, f.corners[0].x);
    EXPECT_NEAR(f.corners[3].x - f.corners[0].x, 10, 0.5);
}

TEST(ShapesTest, UprightAngleKeepsTextsReadable) {
    EXPECT_EQ(uprightAngle({0, 0}, {10, 0}), 0);
    EXPECT_EQ(uprightAngle({10, 0}, {0, 0}), 0);      // westward runs are read eastward
    EXPECT_EQ(uprightAngle({0, 0}, {10, -10}), 450);  // up the screen is counter-clockwise
    EXPECT_EQ(uprightAngle({0, 0}, {10, 10}), -450);
    EXPECT_EQ(uprightAngle({0, 0}, {0, 10}), 900);
    EXPECT_EQ(uprightAngle({0, 10}, {0, 0}), 900);
}

} // namespace
} // namespace city
