#include "map/TDataMap.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/IconLibrarySamples.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "map/TKexMapList.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TForm.h"

namespace {

// The object kinds (kindPolygon ...) belong to the map's helpers.
using namespace mapi;
using mapi::WorldPoint;
using mapfixture::addObject;
using mapfixture::bufferPixel;
using mapfixture::load;
using mapfixture::rectangle;
using mapsamples::pointObject;

TEST(TDataMapTest, SettersKeepTheirRules) {
    TDataMap map(nullptr);
    EXPECT_TRUE(map.GetCategoryVisible(1024));
    EXPECT_FALSE(map.GetCategoryVisible(1025));
    map.SetMinZametka(-5);
    EXPECT_EQ(map.MinZametka(), 1);
    map.SetFileName("  city.map  ");
    EXPECT_EQ(map.FileName(), "city.map");
    map.SetFileName(std::string(300, 'f'));
    EXPECT_EQ(map.FileName().size(), 255u);
    map.SetSelectedObject(true);
    map.SetFilter(true);
    EXPECT_FALSE(map.SelectedObject());
    map.SetMashtab(1644);
    EXPECT_EQ(map.PrinterSettings()->MashtabPrint(), S_Custom);
}

TEST(TDataMapTest, ScaleZoomsAboutTheViewCentreAndTellsAfterwards) {
    TDataMap map(nullptr);
    map.SetBounds(0, 0, 800, 600);
    map.SetXWind(1000);
    map.SetYWind(2000);
    const WorldPoint centre = map.CalcViewCenter();
    int calls = 0;
    map.OnChangeScale = [&](TPersistent* sender) {
        ++calls;
        EXPECT_EQ(sender, &map);
        EXPECT_FLOAT_EQ(map.ViewWidth(), 400);
    };
    map.SetScale(200);
    EXPECT_EQ(calls, 1);
    EXPECT_FLOAT_EQ(map.ViewHeight(), 300);
    EXPECT_FLOAT_EQ(map.CalcViewCenter().x, centre.x);
    EXPECT_FLOAT_EQ(map.CalcViewCenter().y, centre.y);
    map.OnChangeScale = nullptr;
    map.SetScale(0);
    EXPECT_EQ(map.Scale(), 1);
}

TEST(TDataMapTest, ZoomToRectFitsTheRectangleWhicheverWayItIsGiven) {
    TDataMap a(nullptr);
    TDataMap b(nullptr);
    a.SetBounds(0, 0, 800, 600);
    b.SetBounds(0, 0, 800, 600);
    a.ZoomToRect(0, 0, 1600, 600);
    b.ZoomToRect(1600, 600, 0, 0);
    EXPECT_EQ(a.Scale(), 50); // fitted by its width
    EXPECT_EQ(b.Scale(), 50);
    EXPECT_FLOAT_EQ(b.CalcViewCenter().x, 800);
    EXPECT_FLOAT_EQ(b.CalcViewCenter().y, 300);
    a.ZoomToRect(10, 10, 10, 10); // no width, no height: the scale stays, the view is centred
    EXPECT_EQ(a.Scale(), 50);
    EXPECT_FLOAT_EQ(a.CalcViewCenter().x, 10);
}

TEST(TDataMapTest, LoadFiresItsEventsInOrderAndKeepsTheStoredView) {
    const auto map = mapfixture::makeMap(200, 100);
    std::vector<std::string> seen;
    map->OnBeforeLoad = [&](TPersistent*) { seen.push_back("before"); };
    map->OnProgress = [&](TPersistent*, int position) { seen.push_back("progress " + std::to_string(position)); };
    map->OnChangeScale = [&](TPersistent*) { seen.push_back("scale " + std::to_string(map->Scale())); };
    map->OnAfterLoad = [&](TPersistent*) { seen.push_back("after"); };
    load(*map, mapsamples::richDocument(6));
    EXPECT_EQ(seen, (std::vector<std::string>{"before", "progress 100", "scale 250", "after"}));
    EXPECT_FLOAT_EQ(map->XWind(), -100);
    EXPECT_FLOAT_EQ(map->YWind(), 50);
    EXPECT_EQ(map->PrinterSettings()->CustomMashtab(), 1644);
    EXPECT_EQ(map->GetObjectCount(), 9);
}

TEST(TDataMapTest, LoadWithAllMapAfterLoadShowsTheWholeExtentAlsoOfADamagedStream) {
    const std::string bytes = mapstream::WriteMapStream(mapsamples::richDocument(6));
    for (const std::size_t cut : {std::size_t{0}, std::size_t{20}}) {
        SCOPED_TRACE(cut);
        const auto map = mapfixture::makeMap(200, 100);
        map->Options()->SetmpAllMapAfterLoad(true);
        bool after = false;
        map->OnAfterLoad = [&](TPersistent*) { after = true; };
        TMemoryStream stream = mapsamples::streamOf(bytes.substr(0, bytes.size() - cut));
        map->LoadFromStream(stream);
        EXPECT_TRUE(after);
        EXPECT_EQ(map->Model().Damaged(), cut > 0);
        EXPECT_GT(map->GetObjectCount(), 0);
        const mapi::WorldRect& extent = map->Model().MapExtent;
        float x1 = extent.x1, y1 = extent.y1, x2 = extent.x2, y2 = extent.y2;
        map->MapToScreen(x1, y1);
        map->MapToScreen(x2, y2);
        // The whole scale rounds to the nearest: the extent may overhang by a few hundredths.
        EXPECT_TRUE(x1 >= -3 && x2 <= 203 && y1 >= -2 && y2 <= 102) << x1 << " " << y1 << " " << x2 << " " << y2;
        EXPECT_TRUE(x1 < 10 || y1 < 10);
    }
}

// A layout newer than the reader knows gives no objects but a finished load, noted as damage.
TEST(TDataMapTest, UnknownVersionLoadsNoObjectsYetFinishesTheLoad) {
    const auto map = mapfixture::makeMap(200, 100);
    bool after = false;
    map->OnAfterLoad = [&](TPersistent*) { after = true; };
    load(*map, mapsamples::richDocument(7));
    EXPECT_TRUE(after);
    EXPECT_EQ(map->GetObjectCount(), 0);
    EXPECT_EQ(map->Scale(), 250);
    EXPECT_EQ(map->PrinterSettings()->CustomMashtab(), 1644);
    EXPECT_TRUE(map->Model().Damaged());
    EXPECT_EQ(map->Model().DamageMessage(), "unknown map format version 7");
}

// The map's own look-ups over its content: names by id, the extent from its objects (widened
// only outward), payload sizes by kind.
TEST(TDataMapTest, ContentOperationsAnswerForTheMapsObjectsAndNames) {
    const auto map = mapfixture::makeMap(200, 100);
    const uint16_t id = map->AddStreetName(" mira ");
    EXPECT_EQ(map->GetStreetName(id), "MIRA");
    EXPECT_EQ(map->GetStreetName(id + 1), "");
    addObject(*map, rectangle(10, 20, 30, 40, clRed));
    addObject(*map, rectangle(-5, 25, 15, 60, clRed));
    map->ExtendMapBounds({0, 0}, {100, 30});
    EXPECT_EQ(map->Model().MapExtent, (WorldRect{-5, 0, 100, 60}));
    map->ExtendMapBounds({5, 5}, {6, 6});
    EXPECT_EQ(map->Model().MapExtent, (WorldRect{-5, 0, 100, 60}));
    map->CalcMapBounds();
    EXPECT_EQ(map->Model().MapExtent, (WorldRect{-5, 20, 30, 60}));
    EXPECT_EQ(map->GetObjectDataSize(pointObject(kindPolyline, {{0, 0}, {1, 1}, {2, 2}})), 24);
    EXPECT_EQ(map->GetObjectDataSize(mapsamples::textObject({0, 0}, 0, "A")), 88);
    EXPECT_EQ(map->GetObjectDataSize(mapsamples::noteObject({0, 0}, "DEFAULT", "1", "")), 330);
}

// Pixels by the view, rounded to the nearest with ties to even, never more than the destination
// has room for; the map's own array takes 30000.
TEST(TDataMapTest, MapToScreenPointsRoundsByTheViewAndNeverWritesPastItsRoom) {
    const auto map = mapfixture::makeMap(200, 100);
    map->SetScale(200);
    map->SetXWind(10);
    map->SetYWind(-5);
    const std::vector<WorldPoint> points = {{10.25f, -5}, {10.75f, -4.5f}, {20, 5}};
    std::array<TPoint, 3> dest = {Point(-1, -1), Point(-1, -1), Point(-1, -1)};
    EXPECT_EQ(map->MapToScreenPoints(points, std::span(dest).first(2)), 2u);
    EXPECT_EQ(dest[0], Point(0, 0)); // 0.5 rounds to even
    EXPECT_EQ(dest[1], Point(2, 1));
    EXPECT_EQ(dest[2], Point(-1, -1));
    const std::vector<WorldPoint> many(TDataMap::kScreenPointRoom + 5, WorldPoint{20, 5});
    const std::span<const TPoint> pixels = map->MapToScreenPoints(many);
    EXPECT_EQ(pixels.size(), TDataMap::kScreenPointRoom);
    EXPECT_EQ(pixels.back(), Point(20, 20));
    EXPECT_EQ(map->MapToScreenPoints(points).size(), 3u);
}

TEST(TDataMapTest, StoredScaleOfZeroLoadsAsOne) {
    const auto map = mapfixture::makeMap(200, 100);
    mapstream::MapDocument document = mapsamples::document(6);
    document.Header.Scale = 0;
    load(*map, document);
    EXPECT_EQ(map->Scale(), 1);
}

TEST(TDataMapTest, ClearMapEmptiesAndResetsTheScaleWithItsEvent) {
    const auto map = mapfixture::makeMap(200, 100);
    load(*map, mapsamples::richDocument(6));
    map->SetFileName("x.map");
    int calls = 0;
    map->OnChangeScale = [&](TPersistent*) { ++calls; };
    map->ClearMap();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(map->Scale(), 100);
    EXPECT_EQ(map->GetObjectCount(), 0);
    EXPECT_EQ(map->FileName(), "");
    EXPECT_EQ(map->LevelLists(32).size(), 0u);
}

TEST(TDataMapTest, UnchangedMapIsRestoredFromTheCacheWithoutPaintingTheBackground) {
    const auto map = mapfixture::makeMap(200, 100);
    addObject(*map, rectangle(10, 10, 50, 50, clRed));
    std::vector<float> area;
    map->OnPaintBackground = [&](TCanvas*, float x, float y, float x1, float y1) { area = {x, y, x1, y1}; };
    map->RefreshMap();
    EXPECT_EQ(area, (std::vector<float>{0, 0, 200, 100}));
    area.clear();
    TCanvas& buffer = *map->Picture()->Bitmap()->Canvas();
    buffer.Brush()->SetColor(clFuchsia);
    buffer.FillRect(Rect(0, 0, 200, 100));
    map->RefreshMap();
    EXPECT_TRUE(area.empty());
    EXPECT_EQ(bufferPixel(*map, 30, 30), clRed);
    EXPECT_EQ(bufferPixel(*map, 100, 80), clGreen);
    map->SetChanged();
    map->RefreshMap();
    EXPECT_FALSE(area.empty());
}

TEST(TDataMapTest, RefreshMapRectChangesNoPixelOutsideItsRectangle) {
    const auto map = mapfixture::makeMap(200, 100);
    addObject(*map, rectangle(0, 0, 200, 100, clRed));
    map->RefreshMap();
    TCanvas& buffer = *map->Picture()->Bitmap()->Canvas();
    buffer.Brush()->SetColor(clFuchsia);
    buffer.FillRect(Rect(0, 0, 200, 100));
    const TRect rect = Rect(40, 20, 90, 70);
    map->RefreshMapRect(rect);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool inside = x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
            ASSERT_EQ(bufferPixel(*map, x, y), inside ? clRed : clFuchsia) << x << "," << y;
        }
}

TEST(TDataMapTest, DrawObjectUsesTheViewAsItIsNow) {
    const auto map = mapfixture::makeMap(200, 100);
    map->SetReadyFlag(false); // nothing is rebuilt, so only DrawObject can take the new view
    map->SetScale(200);
    map->SetXWind(100);
    TBitmap bitmap;
    bitmap.SetSize(200, 100);
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(Rect(0, 0, 200, 100));
    map->DrawObject(rectangle(130, 40, 140, 50, clRed), *bitmap.Canvas());
    const int left = static_cast<int>((130 - map->XWind()) * 2);
    const int top = static_cast<int>((40 - map->YWind()) * 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(left + 10, top + 10), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(left - 3, top + 10), clBlack);
}

TEST(TDataMapTest, TextureFillsTheBackgroundWithTheGrassPattern) {
    const auto map = mapfixture::makeMap(200, 100);
    TPicture grass;
    grass.Bitmap()->SetSize(2, 1);
    grass.Bitmap()->Canvas()->SetPixels(0, 0, clYellow);
    grass.Bitmap()->Canvas()->SetPixels(1, 0, clBlue);
    map->SetGrass(grass);
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 10, 10), clGreen);
    map->Options()->SetTexture(true);
    EXPECT_EQ(bufferPixel(*map, 10, 10), clYellow);
    EXPECT_EQ(bufferPixel(*map, 11, 10), clBlue);
}

TEST(TDataMapTest, NotesDrawFromTheExternalSetAndAgainFromTheInternalOne) {
    const auto map = mapfixture::makeMap(200, 100);
    addObject(*map, mapsamples::noteObject({100, 50}, "Default", "5", "note"));
    TKexIcon external(nullptr);
    iconsamples::addLibrary(external, "Default", {{"5", clLime, 16, clAqua, false}});
    map->SetKexMapIcon(&external);
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 100, 50), clLime);
    map->SetKexMapIcon(nullptr);
    map->RefreshMap();
    EXPECT_NE(bufferPixel(*map, 100, 50), clLime);
}

TEST(TDataMapTest, MouseEnteringAndLeavingReachTheHost) {
    const auto map = mapfixture::makeMap(200, 100);
    std::vector<std::string> seen;
    map->OnMouseEnter = [&](TPersistent*) { seen.push_back("enter"); };
    map->OnMouseLeave = [&](TPersistent*) { seen.push_back("leave"); };
    map->Perform(CM_MOUSEENTER, 0, 0);
    map->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));
}

TEST(TDataMapTest, ChangingTheToolWhileTheLensFrameShowsTakesTheFrameOffTheScreen) {
    mousefixture::MouseMap f;
    f.map->SetInstrument(iLinza);
    f.press(mbLeft, 100, 100);
    f.move(300, 250);
    f.run();
    const TRect topEdge = Rect(100, 97, 300, 104);
    ASSERT_GT(mapfixture::overlaidPixels(*f.map, topEdge), 0);
    f.map->SetInstrument(iPick);
    EXPECT_FALSE(f.map->Interaction().LensShown);
    EXPECT_EQ(mapfixture::overlaidPixels(*f.map, topEdge), 0);
    f.release(mbLeft, 300, 250);
    f.run();
}

TEST(TDataMapTest, PaintOnScreenRebuildsABufferOfTheWrongSizeAndDrawsTheOverlays) {
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    auto* map = new TDataMap(&form);
    map->SetParent(&form);
    map->SetBounds(0, 0, 120, 80);
    map->Model().Objects().AddObjectCopy(rectangle(0, 0, 20, 20, clRed));
    map->SetChanged();
    form.Show();
    Application->ProcessMessages();
    map->Repaint();
    EXPECT_EQ(map->Picture()->Bitmap()->Width(), 120);
    EXPECT_EQ(map->Picture()->Bitmap()->Height(), 80);
    TCanvas& screen = *map->GetCanvas();
    EXPECT_EQ(screen.Pixels(10, 10), clRed);
    EXPECT_EQ(screen.Pixels(30, 70), clGreen);
    int guide = 0;
    for (int y = 0; y < 80; ++y)
        guide += screen.Pixels(50, y) == clSilver ? 1 : 0;
    EXPECT_GT(guide, 10);
}

// Four views drawn apart agree with one view drawn whole, borders included. Hatches are aligned
// to each picture's origin, so the views split at multiples of 8 pixels.
TEST(TDataMapTest, AdjacentViewsAgreeWithTheWholeView) {
    mapstream::MapDocument document = mapsamples::document(6);
    document.Header.Scale = 130;
    document.Header.XWind = 0;
    document.Header.YWind = 0;
    TKEXMapObjectMem hatched = rectangle(-7.3f, 3.1f, 93.7f, 61.9f, clNavy);
    hatched.Brush.Style = bsDiagCross;
    document.Objects.AddObjectCopy(hatched);
    TKEXMapObjectMem street = pointObject(kindPolyline, {{-20, 40}, {76.9f, 38.2f}, {160, 2}});
    street.Pen = {static_cast<uint32_t>(clWhite), psSolid, 6, 1};
    document.Objects.AddObjectCopy(street);
    TKEXMapObjectMem oval = pointObject(kindEllipse, {{50, 20}, {120, 20}, {120, 70}, {50, 70}});
    oval.Brush = {static_cast<uint32_t>(clRed), bsSolid};
    document.Objects.AddObjectCopy(oval);
    const auto render = [&](TDataMap& map, int width, int height, float x, float y) {
        map.SetBounds(0, 0, width, height);
        map.Options()->SetmpGuideLines(false);
        load(map, document);
        map.SetXWind(x);
        map.SetYWind(y);
        map.RefreshMap();
    };
    TDataMap whole(nullptr);
    render(whole, 208, 96, 0, 0);
    const float unitsPerPixel = 100.0f / 130;
    for (int tile = 0; tile < 4; ++tile) {
        const int left = (tile % 2) * 104;
        const int top = (tile / 2) * 48;
        TDataMap part(nullptr);
        render(part, 104, 48, static_cast<float>(left) * unitsPerPixel, static_cast<float>(top) * unitsPerPixel);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 104; ++x)
                ASSERT_EQ(bufferPixel(part, x, y), bufferPixel(whole, left + x, top + y))
                    << "tile " << tile << " at " << x << "," << y;
    }
}

TEST(TDataMapTest, BorderWidthShrinksThePictureTheViewAndTheClientCoordinates) {
    mousefixture::MouseMap f;
    f.map->Options()->SetmpEdit(false);
    f.map->SetBorderWidth(4);
    f.map->CalcViewCenter();
    EXPECT_FLOAT_EQ(f.map->ViewWidth(), 392);
    EXPECT_FLOAT_EQ(f.map->ViewHeight(), 292);
    // Zoomed about the centre of the smaller client, (196, 146).
    f.map->SetScale(200);
    EXPECT_FLOAT_EQ(f.map->XWind(), 98);
    EXPECT_FLOAT_EQ(f.map->YWind(), 73);
    f.map->Repaint();
    EXPECT_EQ(f.map->Picture()->Bitmap()->Width(), 392);
    EXPECT_EQ(f.map->Picture()->Bitmap()->Height(), 292);
    // Client pixel (1, 1) is world (98.5, 73.5); (391, 291) is world (293.5, 218.5).
    addObject(*f.map, rectangle(96, 71, 99, 74, clBlue));
    addObject(*f.map, rectangle(292, 217, 295, 220, clRed));
    std::vector<bool> located;
    f.map->OnAfterLocate = [&](TPersistent*, bool value) { located.push_back(value); };
    f.click(mbLeft, 1, 1);
    EXPECT_EQ(static_cast<TColor>(f.map->EditBuffer().Record().Brush.Color), clBlue);
    f.click(mbLeft, 391, 291);
    EXPECT_EQ(static_cast<TColor>(f.map->EditBuffer().Record().Brush.Color), clRed);
    f.click(mbLeft, 6, 6);
    EXPECT_EQ(located, (std::vector<bool>{true, true, false}));
}

} // namespace
