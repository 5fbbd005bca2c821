#include "map/TDataMap.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
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

TEST(DataMapPreviewTest, NotesStayOutOfThePreviewAlsoInsideGroups) {
    auto map = makeMap(200, 100);
    addObject(*map, mapsamples::groupObject(
                        {rectangle(0, 0, 1000, 500, clBlue),
                         mapsamples::noteObject({700, 250}, "NONE", "x", "in a group")}));
    addObject(*map, mapsamples::noteObject({300, 250}, "NONE", "x", "on its own"));
    auto preview = makePreview(100, 50);
    map->SetSmallView(preview.get());
    map->RenderSmallView();
    // Each note would be the 32 x 32 missing-icon picture centred on it.
    EXPECT_EQ(previewPixel(*preview, 70, 30), clBlue);
    EXPECT_EQ(previewPixel(*preview, 30, 30), clBlue);
    // The map itself still shows them.
    map->SetXWind(600);
    map->SetYWind(200);
    EXPECT_EQ(mapfixture::bufferPixel(*map, 100, 50), clRed);
}

// The sample city with its notes and house numbers, and the same city without them.
struct CityPair {
    std::unique_ptr<TDataMap> full;
    std::unique_ptr<TDataMap> bare;
};

std::unique_ptr<TDataMap> cityMap(const mapstream::MapDocument& document, int width, int height) {
    auto map = makeMap(width, height);
    tKexMapOptions& options = *map->Options();
    options.SetmpAllMapAfterLoad(true);
    options.SetObjectView(6);
    options.SetmpNumberDomSizeFont(18);
    options.SetMinScaleAddress(0); // house numbers at every scale
    mapfixture::load(*map, document);
    return map;
}

CityPair cityPair(int width, int height) {
    const mapstream::MapDocument document = city::cityDocument(city::buildCity(2003, 1), 6);
    mapstream::MapDocument bare = document;
    bare.Objects.Clear();
    for (int i = 0; i < document.Objects.Count(); ++i) {
        if (document.Objects[i].Kind != mapi::kindZametka)
            bare.Objects.AddObjectCopy(document.Objects[i]);
    }
    CityPair pair{cityMap(document, width, height), cityMap(bare, width, height)};
    pair.full->Options()->SetmpNumberDom(true);
    pair.bare->Options()->SetmpNumberDom(false);
    // Notes may reach past the other objects; both previews fit the same extent.
    pair.bare->Model().MapExtent = pair.full->Model().MapExtent;
    pair.bare->ZoomToRect(pair.full->Model().MapExtent.x1, pair.full->Model().MapExtent.y1,
                          pair.full->Model().MapExtent.x2, pair.full->Model().MapExtent.y2);
    return pair;
}

int differingPixels(TBitmap& a, TBitmap& b) {
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            count += a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y) ? 1 : 0;
    return count;
}

TEST(DataMapPreviewTest, TheSampleCitysPreviewHoldsNoNoteOrHouseNumberPixels) {
    CityPair city = cityPair(240, 180);
    ASSERT_GT(city.full->GetObjectCount(), city.bare->GetObjectCount());
    // At the preview's scale the notes and house numbers do show on the map itself.
    city.full->RefreshMap();
    city.bare->RefreshMap();
    ASSERT_GT(differingPixels(*city.full->Picture()->Bitmap(), *city.bare->Picture()->Bitmap()),
              100);

    int fullRebuilds = 0;
    city.full->OnPaintBackground = [&](TCanvas*, float, float, float, float) { ++fullRebuilds; };
    auto fullPreview = makePreview(240, 180);
    auto barePreview = makePreview(240, 180);
    city.full->SetSmallView(fullPreview.get());
    city.bare->SetSmallView(barePreview.get());
    city.full->RenderSmallView();
    city.bare->RenderSmallView();
    EXPECT_EQ(differingPixels(*fullPreview->Picture()->Bitmap(), *barePreview->Picture()->Bitmap()),
              0);
    // The map's own labels come back without an options-change redraw.
    EXPECT_TRUE(city.full->Options()->mpNumberDom());
    EXPECT_TRUE(city.full->Options()->Notify());
    EXPECT_EQ(fullRebuilds, 0);
}

} // namespace
