#include "map/MapRenderer.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/TKexMapList.h"
#include "toolkit/TCanvas.h"

namespace {

// The object kinds (kindPolygon ...) belong to the map's helpers.
using namespace mapi;
using mapi::WorldPoint;
using mapfixture::expectPixels;
using mapsamples::pointObject;

constexpr TColor kBackground = clBlack;

// A model with a renderer drawing a 100 x 100 bitmap; world units are pixels at Scale 100.
struct Scene {
    mapi::MapModel model;
    tKexMapOptions options;
    mapi::MapIconSource icons;
    TPaintObjectEvent onPaintObject;
    TFilteredObjectEvent onFilteredObject;
    TPixelLineEvent onPixelLine;
    mapi::MapRenderer renderer{
        model, options, icons, {&onPaintObject, &onFilteredObject, &onPixelLine}};
    TBitmap bitmap;

    Scene() {
        bitmap.SetSize(100, 100);
        options.SetFontSystem("DejaVu Sans");
        options.SetFontSystem1("DejaVu Serif");
    }

    int add(TKEXMapObjectMem record) { return model.Objects().AddObjectCopy(std::move(record)); }

    void render(int scale = 100) {
        renderer.SetView({0, 0, scale, 100, 100});
        const float extent = 100 * 100.0f / static_cast<float>(scale);
        renderer.CollectVisibleObjects({0, 0, extent, extent});
        renderer.FillBackground(*bitmap.Canvas(), Rect(0, 0, 100, 100), kBackground, nullptr);
        renderer.DrawLevels(*bitmap.Canvas());
    }

    TColor pixel(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    void expect(std::initializer_list<mapfixture::Probe> probes) { expectPixels(*bitmap.Canvas(), probes); }

    int count(TColor color, TRect area = Rect(0, 0, 100, 100)) {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                n += pixel(x, y) == color ? 1 : 0;
        return n;
    }
};

TKEXMapObjectMem square(float x1, float y1, float x2, float y2, TColor fill, int plane = 0) {
    TKEXMapObjectMem record = pointObject(kindPolygon, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
    record.Brush = {static_cast<uint32_t>(fill), bsSolid};
    record.Pen = {static_cast<uint32_t>(fill), psSolid, 0, 0};
    record.Plane = plane;
    return record;
}

TKEXMapObjectMem text(float x, float y, int32_t size, TColor color) {
    TKEXMapObjectMem record = mapsamples::textObject({x, y}, 0, "HHHH");
    TKEXMapText payload = *record.Text();
    payload.Size = size;
    record.SetText(payload);
    record.Pen.Color = static_cast<uint32_t>(color);
    record.Brush.Style = bsClear;
    return record;
}

TEST(MapRendererTest, HigherPlaneLiesOverLowerAndLaterOverEarlierOnOnePlane) {
    Scene s;
    s.add(square(10, 10, 60, 60, clRed, 5));
    s.add(square(30, 30, 90, 90, clBlue, 4));
    s.add(square(0, 0, 20, 20, clLime, -40)); // below every plane: the lowest level
    s.add(square(70, 0, 95, 20, clYellow, 99));
    s.add(square(50, 0, 80, 10, clWhite, 99));
    s.render();
    s.expect({{45, 45, clRed}, {80, 80, clBlue}, {5, 5, clLime}, {75, 5, clWhite}});
    EXPECT_EQ(s.renderer.LevelList(0), std::vector<int>{2});
    EXPECT_EQ(s.renderer.LevelList(64), (std::vector<int>{3, 4}));
    EXPECT_EQ(s.renderer.LevelList(37), std::vector<int>{0});
}

TEST(MapRendererTest, TextIsDrawnFromSevenPixelsTall) {
    for (const auto& [scale, drawn] : {std::pair{60, false}, std::pair{70, true}}) {
        Scene s;
        s.add(text(5, 5, 10, clWhite));
        s.render(scale);
        EXPECT_EQ(s.count(clWhite) > 0, drawn) << "scale " << scale;
    }
}

TEST(MapRendererTest, TextTurnsCounterClockwiseByItsAngle) {
    Scene s;
    TKEXMapObjectMem upright = text(50, 80, 20, clWhite);
    TKEXMapText payload = *upright.Text();
    payload.Angle = 900;
    upright.SetText(payload);
    upright.Corners = {WorldPoint{40, 0}, WorldPoint{80, 0}, WorldPoint{80, 90}, WorldPoint{40, 90}};
    s.add(std::move(upright));
    s.render();
    EXPECT_GT(s.count(clWhite, Rect(45, 20, 75, 80)), 20); // the line runs up from the anchor
    EXPECT_EQ(s.count(clWhite, Rect(0, 82, 100, 100)) + s.count(clWhite, Rect(75, 0, 100, 82)), 0);
}

TEST(MapRendererTest, PolylineEndsAreSquareForCapsOneAndRoundOtherwise) {
    for (const auto& [caps, cornerCovered] : {std::pair{1, true}, std::pair{0, false}, std::pair{7, false}}) {
        Scene s;
        TKEXMapObjectMem line = pointObject(kindPolyline, {{30, 50}, {70, 50}});
        line.Pen = {static_cast<uint32_t>(clWhite), psSolid, 12, caps};
        s.add(std::move(line));
        s.render();
        EXPECT_EQ(s.pixel(25, 50), clWhite) << "caps " << caps; // beyond the end point
        EXPECT_EQ(s.pixel(25, 45) == clWhite, cornerCovered) << "caps " << caps;
        EXPECT_EQ(s.pixel(50, 57), kBackground) << "caps " << caps; // half the width is 6
    }
}

// House numbers need the option, an address, a scale from MinScaleAddress and a drawn shape;
// they are white or black by the fill's largest channel.
TEST(MapRendererTest, HouseNumbersShowOnlyWhereEverythingAllowsInTheContrastColour) {
    const struct {
        const char* what;
        bool option;
        int scale;
        bool address;
        TColor fill;
        TColor label; // clNone: no label
    } cases[] = {
        {"shown", true, 300, true, clNavy, clWhite},
        {"below MinScaleAddress", true, 298, true, clNavy, clNone},
        {"option off", false, 300, true, clNavy, clNone},
        {"no address", true, 300, false, clNavy, clNone},
        {"grey fill", true, 300, true, static_cast<TColor>(0x00909090), clWhite},
        {"light fill", true, 300, true, static_cast<TColor>(0x0096FF00), clBlack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Scene s;
        s.options.SetmpNumberDom(c.option);
        s.options.SetMinScaleAddress(299);
        TKEXMapObjectMem building = square(0, 0, 34, 34, c.fill); // covers the view
        s.add(c.address ? mapsamples::withAddress(building, 1, "88") : building);
        s.render(c.scale);
        EXPECT_EQ(s.count(clWhite) + s.count(clBlack) > 0, c.label != clNone);
        if (c.label == clNone)
            continue;
        EXPECT_EQ(s.count(c.label == clBlack ? clWhite : clBlack), 0);
    }
    EXPECT_EQ(mapi::MapRenderer::ContrastColor(0x00000095), clWhite);
    EXPECT_EQ(mapi::MapRenderer::ContrastColor(0x00000096), clBlack);
}

TEST(MapRendererTest, HouseNumberAfterATurnedTextStandsUpright) {
    Scene s;
    s.options.SetmpNumberDom(true);
    s.options.SetMinScaleAddress(0);
    TKEXMapObjectMem turned = text(50, 80, 20, clYellow);
    TKEXMapText payload = *turned.Text();
    payload.Angle = 900;
    turned.SetText(payload);
    s.add(turned);
    s.add(mapsamples::withAddress(square(0, 0, 99, 99, clNavy), 1, "8888"));
    s.render();
    int left = 100, right = -1, top = 100, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (s.pixel(x, y) == clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(right - left, bottom - top);
}

TEST(MapRendererTest, TextTooSmallToDrawGetsNoHouseNumber) {
    Scene s;
    s.options.SetmpNumberDom(true);
    s.options.SetMinScaleAddress(0);
    TKEXMapObjectMem small = mapsamples::withAddress(text(0, 0, 2, clRed), 1, "7");
    small.Corners = {WorldPoint{0, 0}, WorldPoint{90, 0}, WorldPoint{90, 90}, WorldPoint{0, 90}};
    small.Brush.Color = clBlue;
    s.add(small);
    s.render();
    EXPECT_EQ(s.count(kBackground), 100 * 100);
}

// Pixels certain for each shape: hatches follow their pattern, an ellipse fills the inscribed
// oval, a group draws its members in order leaving out those too small to see.
TEST(MapRendererTest, ShapesCoverWhatTheirKindCovers) {
    TKEXMapObjectMem hatched = square(0, 0, 80, 80, clRed);
    hatched.Brush.Style = bsCross;
    hatched.Pen.Style = psClear;
    TKEXMapObjectMem oval = pointObject(kindEllipse, {{10, 20}, {90, 20}, {90, 80}, {10, 80}});
    oval.Brush = {static_cast<uint32_t>(clBlue), bsSolid};
    oval.Pen = {static_cast<uint32_t>(clWhite), psSolid, 0, 0};
    const TKEXMapObjectMem group = mapsamples::groupObject(
        {square(10, 10, 60, 60, clRed), square(30, 30, 70, 70, clBlue), square(80, 80, 81, 81, clYellow)});
    const struct {
        const char* what;
        const TKEXMapObjectMem& record;
        std::initializer_list<mapfixture::Probe> probes;
    } cases[] = {
        {"cross hatch", hatched, {{16, 21, clRed}, {21, 24, clRed}, {21, 21, kBackground}, {90, 90, kBackground}}},
        {"ellipse", oval, {{50, 50, clBlue}, {50, 20, clWhite}, {12, 22, kBackground}, {88, 78, kBackground}}},
        {"group", group, {{20, 20, clRed}, {50, 50, clBlue}, {80, 80, kBackground}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Scene s;
        s.add(c.record);
        s.render();
        s.expect(c.probes);
    }
}

// A pixel-line pen (Caps -1) hands each visible pixel to the handler instead of drawing it,
// numbered from the start of its segment as walked from there; without a handler it is a line.
TEST(MapRendererTest, CustomPolylineHandsEveryVisiblePixelToTheHandlerNumberedPerSegment) {
    using Pixel = std::tuple<int, int, int>;
    const struct {
        const char* what;
        std::vector<WorldPoint> points;
        std::size_t count;
        std::vector<std::pair<std::size_t, Pixel>> probes;
    } cases[] = {
        {"entering on the left, then down", {{-10, 10}, {20, 10}, {20, 40}}, 50,
         {{0, {0, 10, 0}}, {19, {19, 10, 19}}, {20, {20, 10, 0}}, {49, {20, 39, 29}}}},
        {"leaving on the right, the edge left out", {{90, 10}, {150, 10}}, 10, {{0, {90, 10, 0}}, {9, {99, 10, 9}}}},
        {"wholly outside", {{-50, -5}, {150, -5}, {150, 50}}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Scene s;
        TKEXMapObjectMem line = pointObject(kindPolyline, c.points);
        line.Pen = {static_cast<uint32_t>(clWhite), psSolid, 5, -1};
        line.Corners = {WorldPoint{0, 0}, WorldPoint{50, 0}, WorldPoint{50, 50}, WorldPoint{0, 50}};
        s.add(line);
        std::vector<Pixel> pixels;
        s.onPixelLine = [&](const TKEXMapObjectMem&, int x, int y, int n, double koef, TCanvas*) {
            EXPECT_EQ(koef, 1.0);
            pixels.emplace_back(x, y, n);
        };
        s.render();
        EXPECT_EQ(s.count(clWhite), 0);
        ASSERT_EQ(pixels.size(), c.count);
        for (const auto& [i, pixel] : c.probes)
            EXPECT_EQ(pixels[i], pixel) << i;
    }
    Scene s;
    TKEXMapObjectMem line = pointObject(kindPolyline, {{10, 10}, {60, 10}});
    line.Pen = {static_cast<uint32_t>(clWhite), psSolid, 0, -1};
    s.add(std::move(line));
    s.render();
    EXPECT_EQ(s.pixel(30, 10), clWhite);
}

TEST(MapRendererTest, ObjectsNoLargerThanObjectViewAreCulled) {
    Scene s;
    s.options.SetObjectView(3);
    s.add(square(10, 10, 13, 13, clRed));
    s.add(square(50, 50, 54, 53, clBlue));
    s.render();
    EXPECT_EQ(s.count(clRed), 0);
    EXPECT_GT(s.count(clBlue), 0);
    EXPECT_EQ(s.renderer.CollectedCount(), 1);
}

TEST(MapRendererTest, NotesShowFromMinZametkaAndUnknownIconsAsTheErrorPicture) {
    Scene s;
    s.add(mapsamples::noteObject({50, 50}, "nowhere", "1", "note"));
    s.renderer.SetMinZametka(150);
    s.render(100);
    EXPECT_EQ(s.count(clRed), 0);
    s.renderer.SetMinZametka(100);
    s.render(100);
    // 32 x 32 centred on the anchor: the white frame at (34, 34), red inside.
    s.expect({{34, 34, clWhite}, {35, 35, clBlack}, {37, 62, clRed}, {33, 33, kBackground}});
}

TEST(MapRendererTest, FilterAndPaintHandlersDecideWhatIsDrawnAndHow) {
    Scene s;
    TKEXMapObjectMem seven = square(0, 0, 40, 40, clRed);
    seven.Category = 7;
    s.add(seven);
    TKEXMapObjectMem eight = square(50, 50, 90, 90, clBlue);
    eight.Category = 8;
    s.add(eight);
    std::vector<int> asked;
    s.onFilteredObject = [&](const TKEXMapObjectMem& record, bool& visible) {
        asked.push_back(record.Category);
        visible = record.Category != 8;
    };
    s.onPaintObject = [](const TKEXMapObjectMem& record, TPen* pen, TBrush* brush) {
        brush->SetColor(record.Category == 8 ? clLime : clRed);
        pen->SetColor(brush->Color());
    };
    s.renderer.SetCategoryVisible(7, false); // not asked while the filter is off
    s.render();
    EXPECT_TRUE(asked.empty());
    EXPECT_GT(s.count(clRed), 0);
    EXPECT_EQ(s.pixel(70, 70), clLime);
    s.renderer.SetFilter(true);
    s.render();
    EXPECT_EQ(asked, std::vector<int>{8});
    EXPECT_EQ(s.count(kBackground), 100 * 100);
}

TEST(MapRendererTest, GridIndexCullsToTheSameLevelLists) {
    Scene s;
    for (int i = 0; i < 40; ++i) {
        const float x = static_cast<float>(i % 8) * 300 - 1000;
        const float y = static_cast<float>(i / 8) * 300 - 600;
        s.add(square(x, y, x + 50, y + 50, clRed, i % 3));
    }
    s.render(10);
    std::vector<std::vector<int>> plain;
    for (int level = 0; level < mapi::MapRenderer::kLevelCount; ++level)
        plain.push_back(s.renderer.LevelList(level));
    s.model.SetUseIndex(true);
    s.render(10);
    for (int level = 0; level < mapi::MapRenderer::kLevelCount; ++level)
        EXPECT_EQ(s.renderer.LevelList(level), plain[static_cast<std::size_t>(level)])
            << "level " << level;
    EXPECT_EQ(s.renderer.CollectedCount(), 9);
}

TEST(MapRendererTest, PointListsLongerThanThePixelRoomAreDrawnWhole) {
    Scene s;
    std::vector<WorldPoint> points;
    const std::size_t n = mapi::MapRenderer::kPixelRoom + 10;
    for (std::size_t i = 0; i + 1 < n; ++i)
        points.push_back({5.0f + static_cast<float>(i % 2),
                          5.0f + static_cast<float>(i) * 80.0f / static_cast<float>(n)});
    points.push_back({95, 85}); // only the last point reaches the right
    TKEXMapObjectMem line = pointObject(kindPolyline, points);
    line.Pen = {static_cast<uint32_t>(clWhite), psSolid, 0, 0};
    s.add(std::move(line));
    s.render();
    EXPECT_EQ(s.pixel(90, 85), clWhite);
}

// Pixels of such a map pass the integer range; drawn under the sanitizers, no arithmetic on them
// may overflow, and what lies in the view is drawn as the true shapes would be.
TEST(MapRendererTest, DamagedMapWithCornersNearTheLargestSingleDrawsItsVisiblePart) {
    constexpr float kFar = std::numeric_limits<float>::max() * 0.9f;
    mapstream::MapDocument map = mapsamples::document(6);
    // Drawn first, these cover nothing in view but go through every conversion.
    map.Objects.AddObjectCopy(pointObject(kindEllipse, {{-kFar, -kFar}, {kFar, -kFar}, {kFar, kFar}, {-kFar, kFar}}));
    map.Objects.AddObjectCopy(pointObject(kindPixels, {{kFar, -kFar}}));
    map.Objects.AddObjectCopy(mapsamples::noteObject({kFar, kFar}, "nowhere", "1", "note"));
    for (const int32_t size : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
        TKEXMapObjectMem huge = text(20, 20, size, clYellow);
        TKEXMapText payload = *huge.Text();
        payload.Angle = std::numeric_limits<int32_t>::min();
        huge.SetText(payload);
        map.Objects.AddObjectCopy(huge);
    }
    map.Objects.AddObjectCopy(square(0, 0, 100, 100, kBackground));
    TKEXMapObjectMem wedge = pointObject(kindPolygon, {{10, 10}, {kFar, 10}, {10, 90}});
    wedge.Brush = {static_cast<uint32_t>(clRed), bsSolid};
    wedge.Pen = {static_cast<uint32_t>(clRed), psSolid, 0, 0};
    map.Objects.AddObjectCopy(wedge);
    TKEXMapObjectMem line = pointObject(kindPolyline, {{50, 95}, {-kFar, -kFar}});
    line.Pen = {static_cast<uint32_t>(clWhite), psSolid, 0, 0};
    map.Objects.AddObjectCopy(line);
    Scene s;
    mapsamples::load(s.model, mapstream::WriteMapStream(map));
    s.render();
    // The far corner's edges run straight right and down-left; the line runs up-left at 45 degrees.
    s.expect({{95, 85, clRed}, {5, 20, kBackground}, {48, 93, clWhite}, {49, 93, kBackground}});
    s.render(400); // zoomed in, the huge text's height passes the integer range too
}

} // namespace
