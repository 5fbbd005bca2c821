#include "map/TKexHugeBitmap.h"

#include <memory>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/TDataMap.h"
#include "toolkit/TCanvas.h"

namespace {

using mapfixture::addObject;
using mapfixture::bufferPixel;
using mapfixture::expectPixels;
using mapfixture::makeMap;
using mapfixture::rectangle;

// The program adds no tiles; the tests bring their own sheets through the descendant's hook.
class SheetLayer : public TKexHugeBitmap {
public:
    SheetLayer() : TKexHugeBitmap(nullptr) {}

    // A sheet of one colour, or of columns of the given colours, one bitmap pixel per world unit.
    TBitmap& addSheet(int x1, int y1, int x2, int y2, std::initializer_list<TColor> columns) {
        mapi::HugeBitmapTile tile;
        tile.X1 = x1;
        tile.Y1 = y1;
        tile.X2 = x2;
        tile.Y2 = y2;
        tile.Bitmap = std::make_unique<TBitmap>();
        tile.Bitmap->SetSize(x2 - x1, y2 - y1);
        TCanvas& canvas = *tile.Bitmap->Canvas();
        const int width = (x2 - x1) / static_cast<int>(columns.size());
        int left = 0;
        for (TColor colour : columns) {
            canvas.Brush()->SetColor(colour);
            canvas.FillRect(Rect(left, 0, left + width, y2 - y1));
            left += width;
        }
        Tiles().push_back(std::move(tile));
        return *Tiles().back().Bitmap;
    }
};

std::unique_ptr<TBitmap> filled(int width, int height, TColor colour) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(colour);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

TEST(TKexHugeBitmapTest, ATileLiesAtItsWorldPositionUnderTheVectorObjects) {
    auto map = makeMap(200, 100);
    addObject(*map, rectangle(80, 40, 120, 60, clBlue));
    SheetLayer layer;
    layer.addSheet(50, 20, 150, 90, {clYellow});
    layer.addSheet(500, 500, 600, 600, {clRed}); // outside the view
    layer.SetEnabled(true);
    map->SetScanMap(&layer);
    EXPECT_EQ(layer.Clients().size(), 1u);
    map->SetChanged();
    map->RefreshMap();
    TCanvas& buffer = *map->Picture()->Bitmap()->Canvas();
    expectPixels(buffer, {{60, 30, clYellow}, {140, 80, clYellow}, {100, 50, clBlue}, {40, 30, clGreen}, {160, 95, clGreen}});
    // Zoomed in, the sheet follows the view.
    map->SetScale(200);
    map->SetXWind(0);
    map->SetYWind(0);
    expectPixels(buffer, {{110, 50, clYellow}, {90, 50, clGreen}});
}

TEST(TKexHugeBitmapTest, ASecondDrawOfTheSameWindowOnlyCopiesTheCache) {
    SheetLayer layer;
    TBitmap& sheet = layer.addSheet(0, 0, 100, 100, {clYellow});
    layer.SetEnabled(true);
    std::unique_ptr<TBitmap> target = filled(50, 50, clBlack);
    layer.Draw(*target, 1.0, 10, 10, 60, 60);
    EXPECT_EQ(target->Canvas()->Pixels(5, 5), clYellow);
    sheet.Canvas()->Brush()->SetColor(clRed);
    sheet.Canvas()->FillRect(Rect(0, 0, 100, 100));
    std::unique_ptr<TBitmap> second = filled(50, 50, clBlack);
    layer.Draw(*second, 1.0, 10, 10, 60, 60);
    EXPECT_EQ(second->Canvas()->Pixels(5, 5), clYellow);
    layer.Draw(*second, 1.0, 11, 10, 61, 60);
    EXPECT_EQ(second->Canvas()->Pixels(5, 5), clRed);
}

TEST(TKexHugeBitmapTest, ADisabledLayerLeavesTheTargetAndEnablingRedrawsItsMaps) {
    SheetLayer layer;
    layer.addSheet(0, 0, 100, 100, {clYellow});
    std::unique_ptr<TBitmap> target = filled(50, 50, clBlack);
    layer.Draw(*target, 1.0, 0, 0, 50, 50);
    EXPECT_EQ(target->Canvas()->Pixels(5, 5), clBlack);

    auto map = makeMap(200, 100);
    map->SetScanMap(&layer);
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 50, 50), clGreen);
    layer.SetEnabled(true);
    EXPECT_EQ(bufferPixel(*map, 50, 50), clYellow);
    layer.SetEnabled(false);
    EXPECT_EQ(bufferPixel(*map, 50, 50), clGreen);
}

TEST(TKexHugeBitmapTest, ATileReachingPastTheLeftEdgeIsCutOneUnitLeftOfTheWindow) {
    SheetLayer layer;
    // Columns of ten units: x 0..9 red, 10..19 yellow, 20..29 blue.
    layer.addSheet(0, 0, 30, 10, {clRed, clYellow, clBlue});
    layer.SetEnabled(true);
    std::unique_ptr<TBitmap> target = filled(100, 50, clBlack);
    // The window starts at x 9.6: the cut starts at column 9, one unit left of round(9.6) = 10,
    // and lands 6 pixels left of the picture, so that its last 4 pixels show (a cut at 10 would
    // leave them black).
    layer.Draw(*target, 10.0, 9.6f, 0, 19.6f, 5);
    expectPixels(*target->Canvas(), {{0, 20, clRed}, {3, 20, clRed}, {5, 20, clYellow}, {99, 20, clYellow}});
}

TEST(TKexHugeBitmapTest, FreeingEitherSideLeavesNoLink) {
    auto map = makeMap(50, 50);
    auto other = makeMap(50, 50);
    {
        SheetLayer layer;
        map->SetScanMap(&layer);
        other->SetScanMap(&layer);
        other->SetScanMap(&layer);
        EXPECT_EQ(layer.Clients().size(), 2u);
        other.reset();
        EXPECT_EQ(layer.Clients().size(), 1u);
    }
    EXPECT_EQ(map->ScanMap(), nullptr);
    map->SetChanged();
    map->RefreshMap();
}

} // namespace
