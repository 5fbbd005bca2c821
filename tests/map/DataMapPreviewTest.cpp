#include "map/TDataMap.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/TSmallPreView.h"
#include "support/MessageBoxLog.h"

namespace {

using mapfixture::addObject;
using mapfixture::makeMap;
using mapfixture::rectangle;

std::unique_ptr<TSmallPreView> makePreview(int width, int height) {
    auto preview = std::make_unique<TSmallPreView>(nullptr);
    preview->SetBounds(0, 0, width, height);
    return preview;
}

// A map of 200 x 100 pixels over the extent 0..1000 x 0..500 (two small marks in its corners),
// whose whole extent fits a 100 x 50 preview at 10 percent with the origin at (0, 0).
std::unique_ptr<TDataMap> markedMap() {
    auto map = makeMap(200, 100);
    addObject(*map, rectangle(0, 0, 100, 100, clRed));
    addObject(*map, rectangle(900, 400, 1000, 500, clRed));
    return map;
}

TColor previewPixel(TSmallPreView& preview, int x, int y) {
    return preview.Picture()->Bitmap()->Canvas()->Pixels(x, y);
}

TEST(DataMapPreviewTest, APreviewShowingAnotherMapIsRefusedWithTheMessage) {
    tktest::MessageBoxLog log;
    auto first = markedMap();
    auto second = markedMap();
    auto preview = makePreview(100, 50);
    preview->SetName("SmallPreView1");
    first->SetSmallView(preview.get());
    second->SetSmallView(preview.get());
    EXPECT_EQ(log.boxes, std::vector<std::string>{
                             tk::fromUtf8(": Ошибка ! С компонентом SmallPreView1 уже связан другой компонент DataMap")});
    EXPECT_EQ(preview->Map(), first.get());
    EXPECT_EQ(first->SmallView(), preview.get());
    EXPECT_EQ(second->SmallView(), nullptr);
    first->SetSmallView(preview.get());
    EXPECT_EQ(log.boxes.size(), 1u);
}

TEST(DataMapPreviewTest, NoLinkPointsAtAFreedMapOrPreview) {
    tktest::MessageBoxLog log;
    auto map = markedMap();
    auto old = makePreview(100, 50);
    auto current = makePreview(100, 50);
    map->SetSmallView(old.get());
    map->SetSmallView(current.get());
    EXPECT_EQ(old->Map(), nullptr);
    EXPECT_EQ(current->Map(), map.get());

    auto other = markedMap();
    other->SetSmallView(old.get());
    EXPECT_TRUE(log.boxes.empty());
    map.reset();
    EXPECT_EQ(current->Map(), nullptr);
    current->RefreshSmallView();

    old.reset();
    EXPECT_EQ(other->SmallView(), nullptr);
    other->SetScale(200); // would draw the frame on the freed preview
    other->RenderSmallView();
}

TEST(DataMapPreviewTest, TheFrameAndCrosshairMarkTheMapsView) {
    auto map = markedMap();
    auto preview = makePreview(100, 50);
    map->SetSmallView(preview.get());
    map->SetXWind(300);
    map->SetYWind(200);
    map->RenderSmallView();
    // The view 300..500 x 200..300 is the preview rectangle (30, 20)-(50, 30).
    EXPECT_EQ(previewPixel(*preview, 30, 28), clWhite);
    EXPECT_EQ(previewPixel(*preview, 45, 20), clWhite);
    EXPECT_EQ(previewPixel(*preview, 35, 23), clGreen);
    int crosshair = 0;
    for (int y = 35; y < 50; ++y)
        crosshair += previewPixel(*preview, 40, y) == clWhite ? 1 : 0;
    EXPECT_GT(crosshair, 3);
    EXPECT_LT(crosshair, 15); // dotted

    // A view change moves the frame over the same picture.
    map->SetXWind(600);
    EXPECT_EQ(previewPixel(*preview, 30, 28), clGreen);
    EXPECT_EQ(previewPixel(*preview, 60, 28), clWhite);
    EXPECT_EQ(previewPixel(*preview, 1, 1), clRed);
}

TEST(DataMapPreviewTest, CentringFromAPreviewPixelMovesTheMapThere) {
    auto map = markedMap();
    auto preview = makePreview(100, 50);
    map->SetSmallView(preview.get());
    map->CenterFromSmallView(50, 25);
    const mapi::WorldPoint centre = map->CalcViewCenter();
    EXPECT_FLOAT_EQ(centre.x, 500);
    EXPECT_FLOAT_EQ(centre.y, 250);
    EXPECT_EQ(mapfixture::bufferPixel(*map, 100, 50), clGreen);
    map->CenterFromSmallView(1, 1);
    EXPECT_EQ(mapfixture::bufferPixel(*map, 100, 50), clRed);
}

TEST(DataMapPreviewTest, AnEmptyMapLeavesThePreviewUntouched) {
    auto map = makeMap(200, 100);
    auto preview = makePreview(100, 50);
    map->SetSmallView(preview.get());
    map->RenderSmallView();
    EXPECT_TRUE(preview->Picture()->Bitmap()->Empty());
    map->SetXWind(40);
    map->CenterFromSmallView(50, 25);
    EXPECT_EQ(map->XWind(), 40);
    EXPECT_TRUE(preview->Picture()->Bitmap()->Empty());
}

// Notes, also inside groups, and house numbers stay out of the preview while the map itself
// shows them; the map's options come back without a redraw of their own.
TEST(DataMapPreviewTest, NotesAndHouseNumbersStayOutOfThePreview) {
    auto map = makeMap(200, 100);
    tKexMapOptions& options = *map->Options();
    options.SetmpNumberDom(true);
    options.SetMinScaleAddress(0);
    options.SetmpNumberDomSizeFont(18);
    const TColor light = static_cast<TColor>(0x0096FF00); // labelled in black
    addObject(*map, mapsamples::withAddress(rectangle(500, 0, 1000, 500, light), 1, "88"));
    addObject(*map, mapsamples::groupObject({rectangle(0, 0, 500, 500, clBlue),
                                             mapsamples::noteObject({700, 250}, "NONE", "x", "in a group")}));
    addObject(*map, mapsamples::noteObject({300, 250}, "NONE", "x", "on its own"));
    auto preview = makePreview(100, 50);
    map->SetSmallView(preview.get());
    const auto rebuilds = mapfixture::countRebuilds(*map);
    map->RenderSmallView();
    // Each note would be the missing-icon picture, black-framed and red, the number black; the
    // view's frame lies at the top left.
    int marks = 0;
    for (int y = 15; y < 50; ++y)
        for (int x = 25; x < 100; ++x)
            marks += previewPixel(*preview, x, y) == clBlack || previewPixel(*preview, x, y) == clRed;
    EXPECT_EQ(marks, 0);
    EXPECT_TRUE(options.mpNumberDom());
    EXPECT_TRUE(options.Notify());
    EXPECT_EQ(*rebuilds, 0);
    map->SetXWind(600);
    map->SetYWind(200);
    EXPECT_EQ(mapfixture::bufferPixel(*map, 100, 50), clRed);
    int number = 0;
    for (int x = 130; x < 170; ++x)
        number += mapfixture::bufferPixel(*map, x, 50) == clBlack;
    EXPECT_GT(number, 0);
}

} // namespace
