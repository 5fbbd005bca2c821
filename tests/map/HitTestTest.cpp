// Hit testing of one record at a world point, kind by kind.
#include "map/HitTest.h"

#include <cmath>

#include <gtest/gtest.h>

#include "map/MapSamples.h"

namespace {

using mapsamples::FixedContext;
using mapsamples::pointObject;

FixedContext context(bool editing, int scale = 100) {
    FixedContext c;
    c.editing = editing;
    c.scale = scale;
    return c;
}

TEST(HitTestTest, EachKindIsHitWhereItsShapeLies) {
    const TKEXMapObjectMem square = pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 0);
    const TKEXMapObjectMem triangle = pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {0, 10}});
    const TKEXMapObjectMem bezier = pointObject(mapi::kindBezier, {{0, 0}, {10, 0}, {0, 10}});
    const TKEXMapObjectMem line = pointObject(mapi::kindPolyline, {{0, 5}, {10, 5}});
    const TKEXMapObjectMem pixels = pointObject(mapi::kindPixels, {{0, 5}, {10, 5}});
    const TKEXMapObjectMem dot = pointObject(mapi::kindPolyline, {{3, 3}});
    // "AB" at (100, 100), 20 wide and 12 tall, turned 90 degrees: it rises from the anchor.
    const TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 900, "AB");
    const TKEXMapObjectMem note = mapsamples::noteObject({100, 100}, "DEFAULT", "1", ""); // 32 x 32 icon
    const TKEXMapObjectMem group = mapsamples::groupObject(
        {triangle, mapsamples::groupObject({pointObject(mapi::kindPolygon, {{20, 20}, {30, 20}, {30, 30}}, 0)})});
    const TKEXMapObjectMem ellipse = pointObject(mapi::kindEllipse, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    TKEXMapObjectMem unknown = ellipse;
    unknown.Kind = 42;
    // A diagonal, hairline and 4 wide, probed off its middle along its normal: the distance
    // rounds to a whole unit before it is held against half the width.
    const TKEXMapObjectMem hairline = pointObject(mapi::kindPolyline, {{0, 0}, {20, 20}});
    TKEXMapObjectMem wide = hairline;
    wide.Pen.Width = 4;
    const auto off = [](float d) { return mapi::WorldPoint{10 + d / std::sqrt(2.0f), 10 - d / std::sqrt(2.0f)}; };
    const struct {
        const char* what;
        const TKEXMapObjectMem& record;
        float x, y;
        FixedContext context;
        bool hit;
    } cases[] = {
        {"category 0 while viewing", square, 5, 5, context(false), false},
        {"category 0 while editing", square, 5, 5, context(true), true},
        {"polygon", triangle, 2, 2, context(false), true},
        {"polygon, in its box only", triangle, 8, 8, context(false), false},
        {"bezier", bezier, 2, 2, context(false), true},
        {"bezier, in its box only", bezier, 8, 8, context(false), false},
        {"flat polyline, width 0 as 1", line, 5, 5.5f, context(false), true},
        {"flat polyline, beyond", line, 5, 6.5f, context(false), false},
        {"pixels, the box decides", pixels, 5, 5.9f, context(false), true},
        {"pixels, beyond the box", pixels, 5, 6.1f, context(false), false},
        {"one-point polyline", dot, 3, 3, context(false), false},
        {"hairline, 0.4 off", hairline, off(0.4f).x, off(0.4f).y, context(false), true},
        {"hairline, 0.6 off", hairline, off(0.6f).x, off(0.6f).y, context(false), false},
        {"wide line, half its width off", wide, off(2).x, off(2).y, context(false), true},
        {"wide line, 2.6 off", wide, off(2.6f).x, off(2.6f).y, context(false), false},
        {"turned text", text, 105, 95, context(false), true},
        {"turned text, its unturned frame", text, 105, 105, context(false), false},
        {"note at its icon's corner", note, 116, 84, context(false), true},
        {"note beyond its icon", note, 117, 100, context(false), false},
        {"note at half scale", note, 132, 100, context(false, 50), true},
        {"note at scale 0", note, 100, 100, context(false, 0), true},
        {"group through a child", group, 2, 2, context(false), true},
        {"group, in no child", group, 9, 9, context(false), false},
        {"group, category-0 child while viewing", group, 29, 21, context(false), false},
        {"group, category-0 child while editing", group, 29, 21, context(true), true},
        {"ellipse by its box", ellipse, 0.5f, 0.5f, context(false), true},
        {"unknown kind by its box", unknown, 10, 10, context(false), true},
        {"unknown kind beyond its box", unknown, 10.5f, 10, context(false), false},
    };
    for (const auto& c : cases) {
        TKexMapList list;
        list.AddObjectCopy(c.record);
        EXPECT_EQ(HitTestObject(c.x, c.y, 0, list, c.context), c.hit ? 0 : -1) << c.what;
    }
    TKexMapList empty;
    EXPECT_EQ(HitTestObject(0, 0, 0, empty, FixedContext{}), -1);
    EXPECT_EQ(HitTestObject(0, 0, -1, empty, FixedContext{}), -1);
}

} // namespace
