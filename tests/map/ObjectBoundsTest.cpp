// The world frame and the screen rectangle of a record, kind by kind.
#include "map/ObjectBounds.h"

#include <gtest/gtest.h>

#include "map/MapSamples.h"

namespace {

using mapi::WorldPoint;
using mapsamples::pointObject;

using Corners = std::array<WorldPoint, 4>;

TEST(ObjectBoundsTest, PointListIsWidenedByHalfThePen) {
    TKEXMapObjectMem line = pointObject(mapi::kindPolyline, {{0, 0}, {10, 5}});
    line.Pen.Width = 2;
    CalcObjectBounds(line, mapsamples::FixedMetrics());
    EXPECT_EQ(line.Corners, (Corners{WorldPoint{-1, -1}, {11, -1}, {11, 6}, {-1, 6}}));
    line.Pen.Width = 3; // halves are not truncated
    CalcObjectBounds(line, mapsamples::FixedMetrics());
    EXPECT_EQ(line.Corners[0], (WorldPoint{-1.5f, -1.5f}));
}

TEST(ObjectBoundsTest, TurnedTextRisesFromItsAnchor) {
    const TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 900, "AB");
    EXPECT_EQ(text.Corners[0], (WorldPoint{100, 100}));
    EXPECT_NEAR(text.Corners[1].x, 100, 1e-4);
    EXPECT_NEAR(text.Corners[1].y, 80, 1e-4); // 20 wide, now upwards
    EXPECT_NEAR(text.Corners[2].x, 112, 1e-4);
    EXPECT_NEAR(text.Corners[2].y, 80, 1e-4);
}

TEST(ObjectBoundsTest, NoteFrameIsItsAnchor) {
    const TKEXMapObjectMem note = mapsamples::noteObject({7, 9}, "L", "P", "");
    EXPECT_EQ(note.Corners, (Corners{WorldPoint{7, 9}, {7, 9}, {7, 9}, {7, 9}}));
}

TEST(ObjectBoundsTest, GroupUnitesItsChildrenRecomputedFirst) {
    TKEXMapObjectMem group = mapsamples::groupObject(
        {pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {0, 10}}),
         mapsamples::groupObject({pointObject(mapi::kindPixels, {{20, 30}})})});
    group.Pen.Width = 4;
    (*group.Children())[0].Pen.Width = 2;
    CalcObjectBounds(group, mapsamples::FixedMetrics());
    EXPECT_EQ(group.Corners, (Corners{WorldPoint{-3, -3}, {22, -3}, {22, 32}, {-3, 32}}));
}

TEST(ObjectBoundsTest, NothingToMeasureKeepsTheCorners) {
    const Corners kept{WorldPoint{1, 2}, {3, 4}, {5, 6}, {7, 8}};
    TKEXMapObjectMem empty;
    empty.Kind = mapi::kindPolygon;
    empty.Corners = kept;
    CalcObjectBounds(empty, mapsamples::FixedMetrics());
    EXPECT_EQ(empty.Corners, kept);
    empty.SetChildren({});
    empty.Kind = mapi::kindGroup;
    CalcObjectBounds(empty, mapsamples::FixedMetrics());
    EXPECT_EQ(empty.Corners, kept);
    empty.Kind = mapi::kindBitmap;
    CalcObjectBounds(empty, mapsamples::FixedMetrics());
    EXPECT_EQ(empty.Corners, kept);
}

// Widened by the handle size and clipped to the client; a note covers its icon, a turned text
// all four of its corners.
TEST(ObjectBoundsTest, ScreenRectCoversWhatIsDrawnAndStaysInTheClient) {
    const mapi::ViewTransform half(0, 0, 200);
    const mapi::ViewTransform plain(0, 0, 100);
    const mapsamples::FixedContext context; // 32 x 32 icons
    const TKEXMapObjectMem polygon = pointObject(mapi::kindPolygon, {{100, 100}, {150, 100}, {150, 120}});
    EXPECT_EQ(GetObjectScreenRect(polygon, half, context, 4, {1000, 1000}), (TRect{166, 166, 334, 274}));
    EXPECT_EQ(GetObjectScreenRect(polygon, half, context, 4, {300, 250}), (TRect{166, 166, 300, 250}));
    const TKEXMapObjectMem near = pointObject(mapi::kindPolygon, {{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(GetObjectScreenRect(near, half, context, 4, {1000, 1000}).Left, 0);
    const TKEXMapObjectMem note = mapsamples::noteObject({200, 300}, "L", "P", "");
    EXPECT_EQ(GetObjectScreenRect(note, plain, context, 4, {1000, 1000}), (TRect{138, 238, 262, 362}));
    const TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 900, "AB");
    const TRect r = GetObjectScreenRect(text, plain, context, 0, {1000, 1000});
    EXPECT_EQ(r.Top, 80 - 30);
    EXPECT_EQ(r.Bottom, 100 + 30);
}

} // namespace
