#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCanvas.h"

namespace {

using namespace mapi;
using mapfixture::bufferPixel;

// A square at 20..80 with an orange fill and a black outline, on a 100 x 100 map.
struct BlinkMap {
    std::unique_ptr<TDataMap> map = mapfixture::makeMap(100, 100);
    int square = 0;

    BlinkMap() {
        TKEXMapObjectMem record = mapfixture::rectangle(20, 20, 80, 80, static_cast<TColor>(0x000080FF));
        record.Pen.Color = static_cast<uint32_t>(clBlack);
        square = mapfixture::addObject(*map, std::move(record));
        map->RefreshMap();
    }
};

TEST(DataMapBlinkTest, TicksAlternateInvertedAndOwnColours) {
    BlinkMap t;
    t.map->SetBlinkObjects(std::vector<int>{t.square});
    t.map->BlinkTimer();
    TCanvas& buffer = *t.map->Picture()->Bitmap()->Canvas();
    mapfixture::expectPixels(buffer, {{50, 50, static_cast<TColor>(0x00FF7F00)}, {20, 50, clWhite}, {5, 5, clGreen}});
    t.map->BlinkTimer();
    mapfixture::expectPixels(buffer, {{50, 50, static_cast<TColor>(0x000080FF)}, {20, 50, clBlack}});
    // The stored object keeps its colours throughout.
    EXPECT_EQ(t.map->Model().Objects()[t.square].Brush.Color, 0x000080FFu);
}

TEST(DataMapBlinkTest, HandlerRecoloursOnlyTheInvertedPhase) {
    BlinkMap t;
    int calls = 0;
    t.map->OnBlinkObject = [&](const TKEXMapObjectMem& object, TKEXMapPen&, TKEXMapBrush& brush) {
        EXPECT_EQ(object.Brush.Color, 0x00FF7F00u);
        brush.Color = static_cast<uint32_t>(clYellow);
        ++calls;
    };
    t.map->SetBlinkObjects(std::vector<int>{t.square});
    t.map->BlinkTimer();
    EXPECT_EQ(bufferPixel(*t.map, 50, 50), clYellow);
    t.map->BlinkTimer();
    t.map->BlinkTimer();
    EXPECT_EQ(calls, 2);
    // A handler that ends the blinking stops the pass before it shows anything more.
    t.map->OnBlinkObject = [&](const TKEXMapObjectMem&, TKEXMapPen&, TKEXMapBrush&) { t.map->ClearBlinkObjects(); };
    t.map->BlinkTimer();
    t.map->BlinkTimer();
    EXPECT_TRUE(t.map->BlinkObjects().empty());
}

TEST(DataMapBlinkTest, EmptySetOrEmptyMapDrawsNothing) {
    BlinkMap t;
    t.map->SetBlinkObjects(std::vector<int>{t.square, 99});
    t.map->BlinkTimer(); // an index beyond the list is passed over
    EXPECT_EQ(bufferPixel(*t.map, 50, 50), static_cast<TColor>(0x00FF7F00));
    t.map->SetBlinkObjects({});
    t.map->BlinkTimer();
    EXPECT_EQ(bufferPixel(*t.map, 50, 50), static_cast<TColor>(0x00FF7F00));
    t.map->SetBlinkObjects(std::vector<int>{t.square});
    t.map->Model().Objects().Clear();
    t.map->BlinkTimer();
    EXPECT_TRUE(t.map->BlinkObjects().empty());
}

TEST(DataMapBlinkTest, TheMapsTimerDrivesTheBlinking) {
    BlinkMap t;
    t.map->SetTimerInterval(5);
    t.map->SetBlinkObjects(std::vector<int>{t.square});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (bufferPixel(*t.map, 50, 50) != static_cast<TColor>(0x00FF7F00) &&
           std::chrono::steady_clock::now() < deadline)
        Application->ProcessMessages();
    EXPECT_EQ(bufferPixel(*t.map, 50, 50), static_cast<TColor>(0x00FF7F00));
}

} // namespace
