// Hit testing of one record at a world point, kind by kind.
#include "map/HitTest.h"

#include <gtest/gtest.h>

#include "map/MapSamples.h"

namespace {

using mapsamples::FixedContext;
using mapsamples::pointObject;

int hit(const TKEXMapObjectMem& record, float x, float y, const FixedContext& context = {}) {
    TKexMapList list;
    list.AddObjectCopy(record);
    return HitTestObject(x, y, 0, list, context);
}

TEST(HitTestTest, CategoryZeroIsHitOnlyWhileEditing) {
    const TKEXMapObjectMem polygon =
        pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 0);
    FixedContext context;
    EXPECT_EQ(hit(polygon, 5, 5, context), -1);
    context.editing = true;
    EXPECT_EQ(hit(polygon, 5, 5, context), 0);
}

TEST(HitTestTest, IndexOutOfRangeIsNoHit) {
    TKexMapList list;
    EXPECT_EQ(HitTestObject(0, 0, 0, list, FixedContext{}), -1);
    EXPECT_EQ(HitTestObject(0, 0, -1, list, FixedContext{}), -1);
}

TEST(HitTestTest, PolygonAndBezierUseTheirPoints) {
    for (uint8_t kind : {mapi::kindPolygon, mapi::kindBezier}) {
        const TKEXMapObjectMem triangle = pointObject(kind, {{0, 0}, {10, 0}, {0, 10}});
        EXPECT_EQ(hit(triangle, 2, 2), 0);
        EXPECT_EQ(hit(triangle, 8, 8), -1); // in the box, outside the triangle
    }
}

TEST(HitTestTest, HorizontalPolylineGetsABoxTwoUnitsTall) {
    TKEXMapObjectMem line = pointObject(mapi::kindPolyline, {{0, 5}, {10, 5}});
    EXPECT_EQ(hit(line, 5, 5.5f), 0); // width 0 counts as 1
    EXPECT_EQ(hit(line, 5, 6.5f), -1);
    const TKEXMapObjectMem pixels = pointObject(mapi::kindPixels, {{0, 5}, {10, 5}});
    EXPECT_EQ(hit(pixels, 5, 5.9f), 0); // the box alone decides
    EXPECT_EQ(hit(pixels, 5, 6.1f), -1);
}

TEST(HitTestTest, OnePointPolylineIsNeverHit) {
    EXPECT_EQ(hit(pointObject(mapi::kindPolyline, {{3, 3}}), 3, 3), -1);
}

TEST(HitTestTest, TextIsTestedAgainstItsTurnedFrameOnly) {
    // "AB" at (100, 100), 20 wide and 12 tall, turned 90 degrees: it rises from the anchor.
    const TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 900, "AB");
    EXPECT_EQ(hit(text, 105, 95), 0);
    EXPECT_EQ(hit(text, 105, 105), -1);
}

TEST(HitTestTest, NoteIsHitWithinItsIconAtTheScale) {
    const TKEXMapObjectMem note = mapsamples::noteObject({100, 100}, "DEFAULT", "1", "");
    FixedContext context; // 32 x 32 icon at Scale 100: 16 units each way
    EXPECT_EQ(hit(note, 116, 84, context), 0);
    EXPECT_EQ(hit(note, 117, 100, context), -1);
    context.scale = 50;
    EXPECT_EQ(hit(note, 132, 100, context), 0);
    context.scale = 0; // guarded
    EXPECT_EQ(hit(note, 100, 100, context), 0);
}

TEST(HitTestTest, GroupIsHitThroughItsChildren) {
    const TKEXMapObjectMem group = mapsamples::groupObject(
        {pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {0, 10}}),
         mapsamples::groupObject(
             {pointObject(mapi::kindPolygon, {{20, 20}, {30, 20}, {30, 30}}, 0)})});
    EXPECT_EQ(hit(group, 2, 2), 0);
    EXPECT_EQ(hit(group, 9, 9), -1);   // in the group's box, in no child
    EXPECT_EQ(hit(group, 29, 21), -1); // a category-0 child while not editing
    FixedContext editing;
    editing.editing = true;
    EXPECT_EQ(hit(group, 29, 21, editing), 0);
}

TEST(HitTestTest, EllipseBitmapAndUnknownKindsUseTheBox) {
    TKEXMapObjectMem ellipse = pointObject(mapi::kindEllipse, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_EQ(hit(ellipse, 0.5f, 0.5f), 0);
    ellipse.Kind = 42;
    EXPECT_EQ(hit(ellipse, 10, 10), 0);
    EXPECT_EQ(hit(ellipse, 10.5f, 10), -1);
}

} // namespace
