#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

using mapfixture::addObject;
using mapfixture::expectPixels;
using mapfixture::overlaidPixels;
using mapfixture::rectangle;
using mousefixture::MouseMap;

constexpr TColor kInvertedGreen = static_cast<TColor>(clGreen ^ 0xFFFFFF);

TCanvas& screenOf(TDataMap& map) { return *map.GetCanvas(); }

TRect whole(TDataMap& map) { return Rect(0, 0, map.Width(), map.Height()); }

// The screen's pixels, row by row.
std::vector<TColor> screenPixels(TDataMap& map) {
    std::vector<TColor> pixels;
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 0; x < map.Width(); ++x)
            pixels.push_back(screenOf(map).Pixels(x, y));
    return pixels;
}

// The mouse map with a blue 100 x 60 rectangle at world (and pixel) 100..200 x 100..160, its
// centre at (150, 130).
struct EditMap : MouseMap {
    EditMap() {
        TKEXMapObjectMem record = rectangle(100, 100, 200, 160, clBlue);
        record.Center = {150, 130};
        addObject(*map, record);
        map->RefreshMap();
        map->Repaint();
    }
};

TEST(DataMapOverlaysTest, MeasuringLineAndRegionBandShowOnlyForTheirTools) {
    auto map = mapfixture::makeMap(200, 100);
    map->RefreshMap();
    TCanvas& screen = screenOf(*map);
    map->MeasurePoints() = {{10, 10}, {90, 10}};
    map->RegionPoints() = {{20, 40}, {180, 40}, {180, 90}};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    expectPixels(screen, {{50, 10, clGreen}, {100, 40, clGreen}}); // the pick tool shows neither
    map->SetInstrument(iMeasure);
    map->MeasurePoints() = {{10, 10}, {90, 10}};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    expectPixels(screen, {{50, 10, kInvertedGreen}, {50, 11, kInvertedGreen}}); // three pixels wide
    map->SetInstrument(iRegion);
    EXPECT_TRUE(map->MeasurePoints().empty());
    map->RegionPoints() = {{20, 40}, {180, 40}, {180, 90}};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    expectPixels(screen, {{100, 40, kInvertedGreen}, {150, 50, clGreen}}); // a hollow band
    map->SetInstrument(iPick);
    EXPECT_TRUE(map->RegionPoints().empty());
}

TEST(DataMapOverlaysTest, GuideGridAndSelectionFrameShowOverTheMap) {
    auto map = mapfixture::makeMap(200, 100);
    map->SetBackgroundColor(clBlack);
    map->Options()->SetmpGuideLines(true);
    map->RefreshMap();
    TCanvas& screen = screenOf(*map);
    map->PaintOverlays(Rect(0, 0, 200, 100));
    int guide = 0;
    for (int y = 20; y < 100; ++y)
        guide += screen.Pixels(50, y) == clSilver ? 1 : 0;
    EXPECT_GT(guide, 20);
    map->Options()->SetmpGuideLines(false);

    addObject(*map, rectangle(20, 20, 40, 40, clBlack));
    addObject(*map, rectangle(60, 50, 80, 80, clBlack));
    map->RefreshMap();
    map->SelectedObjects() = {0, 1};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    // A dotted XOR frame round both: black XOR the background colour, gaps its complement.
    std::set<TColor> frame;
    for (int x = 25; x < 75; ++x)
        frame.insert(screen.Pixels(x, 20));
    EXPECT_TRUE(frame.count(clBlack) == 1 && frame.size() == 2) << frame.size();
    EXPECT_EQ(screen.Pixels(50, 30), clBlack);
}

// Every handle inverts the square the press test accepts round its point.
TEST(DataMapOverlaysTest, HandlesOfEachKindSitWhereTheirPressesAreTaken) {
    EditMap f;
    addObject(*f.map, mapsamples::pointObject(mapi::kindPolygon, {{250, 100}, {350, 100}, {250, 200}}));
    f.click(mbLeft, 150, 130);
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesResize);
    // SizeRect 4: the handle of corner (100, 100) covers 96..104 on both axes, its inside kept.
    expectPixels(screenOf(*f.map), {{96, 102, kInvertedGreen}, {102, 96, kInvertedGreen}, {98, 98, clGreen},
                                    {95, 102, clGreen}, {146, 98, kInvertedGreen}, {146, 162, kInvertedGreen},
                                    {96, 128, kInvertedGreen}, {204, 164, kInvertedGreen}, {205, 164, clGreen},
                                    {150, 130, clBlue}});
    f.click(mbLeft, 150, 130);
    f.click(mbLeft, 150, 130);
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesRotate);
    // White rings over the corners; the centre's cross reaches 7 pixels out in black, and again in
    // white one pixel right and down.
    expectPixels(screenOf(*f.map), {{100, 100, clWhite}, {201, 161, clWhite}, {150, 123, clBlack},
                                    {143, 130, clBlack}, {151, 124, clWhite}, {144, 131, clWhite},
                                    {150, 122, clBlue}});

    f.click(mbLeft, 270, 120);
    f.click(mbLeft, 270, 120);
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesPoints);
    // On points (350, 100) and (250, 200), not on the frame's corner (350, 200).
    expectPixels(screenOf(*f.map), {{354, 98, kInvertedGreen}, {248, 204, kInvertedGreen}, {354, 202, clGreen}});

    f.click(mbLeft, 380, 280); // empty ground
    EXPECT_FALSE(f.map->SelectedObject());
    EXPECT_EQ(overlaidPixels(*f.map, whole(*f.map)), 0);
}

TEST(DataMapOverlaysTest, HandlesNeedEditingAndAnUnlockedObject) {
    EditMap f;
    f.map->Model().Objects()[0].Locked = 1;
    f.map->Options()->SetmpLocked(true);
    f.click(mbLeft, 150, 130);
    ASSERT_TRUE(f.map->SelectedObject());
    TCanvas& screen = screenOf(*f.map);
    EXPECT_EQ(screen.Pixels(96, 102), clGreen);
    // The dotted border along the object's top edge still shows.
    EXPECT_GT(overlaidPixels(*f.map, Rect(110, 100, 190, 101)), 0);

    f.map->Options()->SetmpLocked(false);
    f.map->Repaint();
    EXPECT_EQ(screen.Pixels(96, 102), kInvertedGreen);
    f.map->Options()->SetmpEdit(false);
    f.map->Repaint();
    EXPECT_EQ(screen.Pixels(96, 102), clGreen);
    f.map->Options()->SetBorderSelectedObject(false);
    f.map->Repaint();
    EXPECT_EQ(overlaidPixels(*f.map, whole(*f.map)), 0);
}

TEST(DataMapOverlaysTest, LensFrameFollowsTheMouseThroughRepaintsAndLeavesNothingBehind) {
    EditMap f;
    f.map->SetInstrument(iLinza);
    f.press(mbLeft, 100, 100);
    f.move(300, 250);
    f.run();
    ASSERT_TRUE(f.map->Interaction().LensShown);
    // The edges are 3 pixels wide: bands round them.
    EXPECT_GT(overlaidPixels(*f.map, Rect(110, 97, 290, 104)), 0);
    f.map->Repaint(); // any paint meanwhile (a blink, a window uncovered) keeps the frame
    EXPECT_GT(overlaidPixels(*f.map, Rect(110, 246, 290, 253)), 0);

    f.move(250, 200);
    f.run();
    EXPECT_GT(overlaidPixels(*f.map, Rect(110, 196, 240, 203)), 0);
    // Of the frame before, only the part the new one covers again is left.
    EXPECT_EQ(overlaidPixels(*f.map, Rect(110, 205, 400, 300)) + overlaidPixels(*f.map, Rect(255, 0, 400, 300)), 0);

    f.release(mbLeft, 250, 200);
    f.run();
    EXPECT_FALSE(f.map->Interaction().LensShown);
    EXPECT_EQ(overlaidPixels(*f.map, whole(*f.map)), 0);
}

TEST(DataMapOverlaysTest, PanMarkerShowsAtTheAnchorWhilePanningAndGoesAfter) {
    MouseMap f;
    TBitmap marker;
    marker.Assign(f.map->ScrollMarker());
    const TColor middle = marker.Canvas()->Pixels(16, 16);
    ASSERT_NE(middle, clGreen);
    std::vector<TColor> seen;
    f.map->OnAfterScroll = [&](TPersistent*) {
        if (!seen.empty())
            return;
        seen = {screenOf(*f.map).Pixels(200, 150), screenOf(*f.map).Pixels(184, 134)};
        f.release(mbMiddle, 200, 150);
    };
    f.press(mbMiddle, 200, 150);
    f.run();
    EXPECT_EQ(seen, (std::vector<TColor>{middle, clGreen})); // the marker's corner is transparent
    EXPECT_FALSE(f.map->Interaction().Panning);
    EXPECT_EQ(overlaidPixels(*f.map, Rect(180, 130, 220, 170)), 0);
}

TEST(DataMapOverlaysTest, PartialRepaintLeavesTheOverlaysOutsideItAndRedrawsThemInside) {
    EditMap f;
    f.click(mbLeft, 150, 130); // the blue one's resize handles
    addObject(*f.map, rectangle(250, 50, 300, 100, clRed));
    f.map->SetInstrument(iMeasure);
    f.map->MeasurePoints() = {{20, 20}, {380, 280}};
    f.map->SelectedObjects() = {0, 1};
    f.map->RefreshMap();
    f.map->Repaint();
    const std::vector<TColor> full = screenPixels(*f.map);
    ASSERT_GT(overlaidPixels(*f.map, whole(*f.map)), 0);
    // The rectangle cuts through the handles on the left and the selection frame's top and
    // bottom sides, and crosses the measuring line.
    f.map->PaintOverlays(Rect(98, 40, 260, 170));
    EXPECT_TRUE(screenPixels(*f.map) == full);
}

TEST(DataMapOverlaysTest, DraggingOneOfTwoSelectedObjectsLeavesTheScreenAsAFullPaintDrawsIt) {
    EditMap f;
    addObject(*f.map, rectangle(250, 50, 300, 100, clRed));
    f.click(mbLeft, 275, 75);
    // Shift adds the blue one to the selection and keeps its drag on one axis.
    f.drag(150, 130, 210, 140, ssShift);
    ASSERT_EQ(f.map->SelectedObjects(), (std::vector<int>{1, 0}));
    ASSERT_EQ(f.map->Model().Objects()[0].Corners[0], (mapi::WorldPoint{160, 100}));
    // The frame round the selection grew shorter on the left, far from the object's own redraw.
    const std::vector<TColor> dragged = screenPixels(*f.map);
    f.map->Repaint();
    EXPECT_TRUE(screenPixels(*f.map) == dragged);
}

} // namespace
