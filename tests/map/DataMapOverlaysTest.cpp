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
using mapfixture::overlaidPixels;
using mapfixture::rectangle;
using mousefixture::MouseMap;

constexpr TColor kInvertedGreen = static_cast<TColor>(clGreen ^ 0xFFFFFF);

TCanvas& screenOf(TDataMap& map) { return *map.GetCanvas(); }

// The pixels of a rectangle of a canvas, row by row.
std::vector<TColor> pixelsOf(TCanvas& canvas, const TRect& r) {
    std::vector<TColor> pixels;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            pixels.push_back(canvas.Pixels(x, y));
    return pixels;
}

int differingPixels(const std::vector<TColor>& a, const std::vector<TColor>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i] ? 1 : 0;
    return count;
}

TRect whole(TDataMap& map) { return Rect(0, 0, map.Width(), map.Height()); }

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
    EXPECT_EQ(screen.Pixels(50, 10), clGreen); // the pick tool shows neither
    EXPECT_EQ(screen.Pixels(100, 40), clGreen);
    map->SetInstrument(iMeasure);
    map->MeasurePoints() = {{10, 10}, {90, 10}};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    EXPECT_EQ(screen.Pixels(50, 10), kInvertedGreen);
    EXPECT_EQ(screen.Pixels(50, 11), kInvertedGreen); // three pixels wide
    map->SetInstrument(iRegion);
    EXPECT_TRUE(map->MeasurePoints().empty());
    map->RegionPoints() = {{20, 40}, {180, 40}, {180, 90}};
    map->PaintOverlays(Rect(0, 0, 200, 100));
    EXPECT_EQ(screen.Pixels(100, 40), kInvertedGreen);
    EXPECT_EQ(screen.Pixels(150, 50), clGreen); // a hollow band
    map->SetInstrument(iPick);
    EXPECT_TRUE(map->RegionPoints().empty());
}

TEST(DataMapOverlaysTest, GuideGridAndSelectionFrameShowOverTheMap) {
    auto map = mapfixture::makeMap(200, 100);
    map->SetBackgroundColor(clBlack);
    map->RefreshMap();
    TCanvas& screen = screenOf(*map);
    map->PaintOverlays(Rect(0, 0, 200, 100));
    EXPECT_EQ(screen.Pixels(50, 30), clBlack);
    map->Options()->SetmpGuideLines(true);
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

TEST(DataMapOverlaysTest, ResizeHandlesInvertTheirOutlineAtTheCornersAndSideMiddles) {
    EditMap f;
    f.click(mbLeft, 150, 130);
    ASSERT_TRUE(f.map->SelectedObject());
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesResize);
    TCanvas& screen = screenOf(*f.map);
    // SizeRect 4: the handle of corner (100, 100) covers 96..104 on both axes.
    const struct {
        int x, y;
        TColor color;
    } probes[] = {
        {96, 102, kInvertedGreen},  {102, 96, kInvertedGreen}, {98, 98, clGreen}, // inside left as it was
        {95, 102, clGreen},         {146, 98, kInvertedGreen},                    // top middle (150, 100)
        {146, 162, kInvertedGreen}, {96, 128, kInvertedGreen},                    // bottom and left middles
        {204, 164, kInvertedGreen}, {205, 164, clGreen},       {150, 130, clBlue}, // corner (200, 160)
    };
    for (const auto& p : probes)
        EXPECT_EQ(screen.Pixels(p.x, p.y), p.color) << p.x << "," << p.y;

    f.click(mbLeft, 350, 250); // empty ground
    EXPECT_FALSE(f.map->SelectedObject());
    EXPECT_EQ(overlaidPixels(*f.map, whole(*f.map)), 0);
}

TEST(DataMapOverlaysTest, PointHandlesSitOnThePointsNotOnTheFrame) {
    MouseMap f;
    addObject(*f.map,
              mapsamples::pointObject(mapi::kindPolygon, {{100, 100}, {200, 100}, {100, 200}}));
    f.click(mbLeft, 120, 120);
    f.click(mbLeft, 120, 120);
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesPoints);
    TCanvas& screen = screenOf(*f.map);
    EXPECT_EQ(screen.Pixels(204, 98), kInvertedGreen); // point (200, 100)
    EXPECT_EQ(screen.Pixels(98, 204), kInvertedGreen); // point (100, 200)
    EXPECT_EQ(screen.Pixels(204, 202), clGreen);       // frame corner (200, 200): no point
}

TEST(DataMapOverlaysTest, RotationHandlesAreWhiteRingsWithAShadowedCentreMark) {
    EditMap f;
    f.click(mbLeft, 150, 130);
    f.click(mbLeft, 150, 130);
    f.click(mbLeft, 150, 130);
    ASSERT_EQ(f.map->Interaction().Handles, mapi::handlesRotate);
    TCanvas& screen = screenOf(*f.map);
    EXPECT_EQ(screen.Pixels(100, 100), clWhite); // the ring's fill over the corner
    EXPECT_EQ(screen.Pixels(201, 161), clWhite);
    // The centre (150, 130), SizeRect 4: the cross reaches 7 pixels out in black, and again in
    // white one pixel right and down.
    EXPECT_EQ(screen.Pixels(150, 123), clBlack);
    EXPECT_EQ(screen.Pixels(143, 130), clBlack);
    EXPECT_EQ(screen.Pixels(151, 124), clWhite);
    EXPECT_EQ(screen.Pixels(144, 131), clWhite);
    EXPECT_EQ(screen.Pixels(150, 122), clBlue);
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
    const auto edgeShows = [&](const TRect& edge) { return overlaidPixels(*f.map, edge) > 0; };
    // The edges are 3 pixels wide: bands round them.
    EXPECT_TRUE(edgeShows(Rect(110, 97, 290, 104)));
    EXPECT_TRUE(edgeShows(Rect(110, 246, 290, 253)));
    f.map->Repaint(); // any paint meanwhile (a blink, a window uncovered) keeps the frame
    EXPECT_TRUE(edgeShows(Rect(110, 246, 290, 253)));

    f.move(250, 200);
    f.run();
    EXPECT_TRUE(edgeShows(Rect(110, 196, 240, 203)));
    // Of the frame before, only the part the new one covers again is left.
    EXPECT_EQ(overlaidPixels(*f.map, Rect(110, 205, 400, 300)), 0);
    EXPECT_EQ(overlaidPixels(*f.map, Rect(255, 0, 400, 300)), 0);

    f.release(mbLeft, 250, 200);
    f.run();
    EXPECT_FALSE(f.map->Interaction().LensShown);
    EXPECT_EQ(overlaidPixels(*f.map, whole(*f.map)), 0);
}

TEST(DataMapOverlaysTest, PanMarkerShowsAtTheAnchorWhilePanningAndGoesAfter) {
    MouseMap f;
    TBitmap marker;
    marker.Assign(f.map->ScrollMarker());
    ASSERT_EQ(marker.Width(), 32);
    const TColor middle = marker.Canvas()->Pixels(16, 16);
    ASSERT_NE(middle, clGreen);
    std::vector<TColor> seen;
    f.map->OnAfterScroll = [&](TPersistent*) {
        if (!seen.empty())
            return;
        TCanvas& screen = screenOf(*f.map);
        seen = {screen.Pixels(200, 150), screen.Pixels(184, 134)};
        f.release(mbMiddle, 200, 150);
    };
    f.press(mbMiddle, 200, 150);
    f.run();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], middle);
    EXPECT_EQ(seen[1], clGreen); // the marker's corner is transparent
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
    const std::vector<TColor> full = pixelsOf(screenOf(*f.map), whole(*f.map));
    ASSERT_GT(overlaidPixels(*f.map, whole(*f.map)), 0);
    // The rectangle cuts through the handles on the left and the selection frame's top and
    // bottom sides, and crosses the measuring line.
    f.map->PaintOverlays(Rect(98, 40, 260, 170));
    EXPECT_EQ(differingPixels(pixelsOf(screenOf(*f.map), whole(*f.map)), full), 0);
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
    const std::vector<TColor> dragged = pixelsOf(screenOf(*f.map), whole(*f.map));
    f.map->Repaint();
    EXPECT_EQ(differingPixels(pixelsOf(screenOf(*f.map), whole(*f.map)), dragged), 0);
}

} // namespace
