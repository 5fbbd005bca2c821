#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

using namespace mapi;
using mapfixture::addObject;
using mapfixture::rectangle;

// Polygons, a thick polyline, an ellipse and a turned text over world -400..700 x -300..500, so
// that every step from the middle stays inside the allowed area.
void addTown(TDataMap& map) {
    addObject(map, rectangle(-400, -300, 700, 500, clOlive));
    addObject(map, rectangle(-40, -20, 90, 75, clRed));
    addObject(map, rectangle(130, 40, 260, 180, clBlue));
    addObject(map, rectangle(20, 120, 70, 260, clYellow));
    TKEXMapObjectMem road = mapsamples::pointObject(kindPolyline, {{-100, 30}, {150, 110}, {320, -60}});
    road.Pen = {static_cast<uint32_t>(clWhite), psSolid, 7, 0};
    addObject(map, road);
    TKEXMapObjectMem pond = mapsamples::pointObject(kindEllipse, {{200, -80}, {300, -80}, {300, 0}, {200, 0}});
    pond.Brush = {static_cast<uint32_t>(clAqua), bsSolid};
    pond.Pen = {static_cast<uint32_t>(clNavy), psSolid, 2, 0};
    addObject(map, pond);
    TKEXMapObjectMem label = mapsamples::textObject({60, 190}, 300, "Label");
    label.Pen.Color = static_cast<uint32_t>(clBlack);
    label.Brush.Style = bsClear;
    addObject(map, label);
}

// Pixels of Stepped that Fresh has neither at that place nor at a neighbour (an object's edge may
// fall one pixel apart where a strip was drawn on its own).
int pixelsApart(TBitmap& stepped, TBitmap& fresh) {
    TCanvas& a = *stepped.Canvas();
    TCanvas& b = *fresh.Canvas();
    int apart = 0;
    for (int y = 0; y < stepped.Height(); ++y) {
        for (int x = 0; x < stepped.Width(); ++x) {
            const TColor c = a.Pixels(x, y);
            if (c == b.Pixels(x, y))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.Pixels(x + dx, y + dy) == c;
            apart += near ? 0 : 1;
        }
    }
    return apart;
}

class ScrollStepTest : public testing::TestWithParam<int> {};

TEST_P(ScrollStepTest, EveryDirectionLeavesTheFreshPictureOfTheNewOrigin) {
    const int scale = GetParam();
    auto map = mapfixture::makeMap(300, 200);
    addTown(*map);
    constexpr std::array<std::array<int, 2>, 8> moves = {
        {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
    for (int direction = 0; direction < 8; ++direction) {
        SCOPED_TRACE(direction);
        map->SetScale(scale);
        map->SetXWind(0);
        map->SetYWind(0);
        map->ScrollStep(direction, 50);
        const float d = 50 * 100.0f / scale;
        EXPECT_FLOAT_EQ(map->XWind(), moves[direction][0] * d);
        EXPECT_FLOAT_EQ(map->YWind(), moves[direction][1] * d);
        TBitmap stepped;
        stepped.Assign(*map->Picture()->Bitmap());
        map->SetChanged();
        map->RefreshMap();
        TBitmap fresh;
        fresh.Assign(*map->Picture()->Bitmap());
        EXPECT_EQ(pixelsApart(stepped, fresh), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ScrollStepTest, testing::Values(100, 200));

// Half the view's width, 100 world units at Scale 100, widens the extent 0..1000 on both axes; a
// step that would show more is refused, and a diagonal step with one refused move makes neither.
TEST(DataMapViewportTest, ScrollStepStopsAtTheExtentWidenedByHalfTheViewWidth) {
    auto map = mapfixture::makeMap(200, 100);
    addObject(*map, rectangle(0, 0, 1000, 1000, clRed));
    const struct {
        float x, y;
        int direction;
        float toX, toY;
    } steps[] = {
        {-60, 0, 0, -60, 0},  {-50, 0, 0, -100, 0}, {0, -40, 1, 0, -90},   {-60, 0, 4, -60, 0},
        {-60, 0, 7, -60, 0},  {850, 0, 2, 900, 0},  {900, 0, 2, 900, 0},   {0, 960, 3, 0, 960},
        {0, 0, 8, 0, 0},      {0, 0, -1, 0, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.x << "," << s.y << " direction " << s.direction);
        map->SetXWind(s.x);
        map->SetYWind(s.y);
        map->ScrollStep(s.direction, 50);
        EXPECT_FLOAT_EQ(map->XWind(), s.toX);
        EXPECT_FLOAT_EQ(map->YWind(), s.toY);
    }
}

TEST(DataMapViewportTest, ZoomAtPointCentresThePointAtAScaleOfAtLeastOne) {
    auto map = mapfixture::makeMap(200, 100);
    int changes = 0;
    map->OnChangeScale = [&](TPersistent*) { ++changes; };
    map->ZoomAtPoint(400, 500, -300);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(map->Scale(), 400);
    WorldPoint centre = map->CalcViewCenter();
    EXPECT_FLOAT_EQ(centre.x, 500);
    EXPECT_FLOAT_EQ(centre.y, -300);
    for (int below : {0, -5}) {
        map->ZoomAtPoint(below, 10, 20);
        EXPECT_EQ(map->Scale(), 1);
        centre = map->CalcViewCenter();
        EXPECT_FLOAT_EQ(centre.x, 10);
        EXPECT_FLOAT_EQ(centre.y, 20);
    }
    // The half view is an integer division: 20000 / 300 is 66, so the centre is off by a third.
    map->ZoomAtPoint(300, 0, 0);
    centre = map->CalcViewCenter();
    EXPECT_NEAR(centre.x, 0, 0.5);
    EXPECT_NEAR(centre.y, 0, 0.5);
}

// A step of 20 percent, or a doubling and halving, never leaves 1 to 10000; zooming in
// centres the point.
TEST(DataMapViewportTest, LensStepsStayWithinOneAndTenThousand) {
    auto map = mapfixture::makeMap(200, 100);
    map->Options()->SetStepLinza(20);
    const struct {
        bool doubling, in;
        int from, to;
    } steps[] = {{false, true, 9990, 10000}, {false, false, 10, 1}, {false, false, 50, 30},
                 {true, true, 300, 600},     {true, false, 301, 151}};
    for (const auto& s : steps) {
        map->Options()->SetmpLinzaDouble(s.doubling);
        map->SetScale(s.from);
        if (s.in)
            map->LinzaZoomIn(40, 60);
        else
            map->LinzaZoomOut(40, 60);
        EXPECT_EQ(map->Scale(), s.to) << s.from;
    }
    map->SetScale(9990); // at 10000 the half view divides evenly
    map->LinzaZoomIn(40, 60);
    EXPECT_NEAR(map->CalcViewCenter().x, 40, 0.01);
    EXPECT_NEAR(map->CalcViewCenter().y, 60, 0.01);
}

TEST(DataMapViewportTest, CheckScrollZoneFindsTheZoneAndItsCursor) {
    auto map = mapfixture::makeMap(300, 150);
    // W/3 = 100, H/3 = 50, zones 30 deep.
    struct Probe {
        int x, y, id;
    };
    for (const Probe& p : {Probe{0, 50, 1000}, Probe{0, 49, 1004}, Probe{30, 100, 1000}, Probe{31, 100, 0},
                           Probe{300, 75, 1002}, Probe{150, 0, 1001}, Probe{150, 150, 1003},
                           Probe{99, 30, 1004}, Probe{100, 10, 1001}, Probe{280, 10, 1005},
                           Probe{290, 140, 1006}, Probe{10, 140, 1007}, Probe{150, 75, 0}}) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(map->CheckScrollZone(p.x, p.y), p.id != 0);
        EXPECT_EQ(map->ScrollDirection(), p.id);
        EXPECT_EQ(map->Cursor(), p.id != 0 ? p.id : crDefault);
    }
    map->SetInstrument(iLinza);
    EXPECT_FALSE(map->CheckScrollZone(150, 75));
    EXPECT_EQ(map->Cursor(), 1008);
    map->Options()->SetmpNoScroll(true);
    EXPECT_FALSE(map->CheckScrollZone(0, 75));
    EXPECT_EQ(map->ScrollDirection(), 0);
    EXPECT_EQ(map->Cursor(), 1008);
}

TEST(DataMapViewportTest, SettingTheToolAlwaysTellsAndEndsAMeasurement) {
    auto map = mapfixture::makeMap(200, 100);
    int told = 0;
    map->OnChangeInstrument = [&](TPersistent* sender) {
        EXPECT_EQ(sender, map.get());
        ++told;
    };
    map->SetInstrument(iPick);
    EXPECT_EQ(told, 1);
    map->SetInstrument(iMeasure);
    map->MeasurePoints() = {{0, 0}, {50, 50}};
    map->SetInstrument(iMeasure);
    EXPECT_TRUE(map->MeasurePoints().empty());
    EXPECT_EQ(told, 3);
    EXPECT_EQ(map->Cursor(), crDefault);
    map->SetInstrument(iLinza);
    EXPECT_EQ(map->Cursor(), 1008);
}

} // namespace
