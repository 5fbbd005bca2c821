// The map control of the map suites and its probes.
#include "map/DataMapFixture.h"

#include <utility>

#include <gtest/gtest.h>

#include "map/MapSamples.h"
#include "map/TKexMapList.h"
#include "toolkit/TCanvas.h"

namespace mapfixture {

std::unique_ptr<TDataMap> makeMap(int width, int height) {
    auto map = std::make_unique<TDataMap>(nullptr);
    map->SetBounds(0, 0, width, height);
    map->Options()->SetmpGuideLines(false);
    map->SetScale(100);
    map->SetXWind(0);
    map->SetYWind(0);
    return map;
}

void load(TDataMap& map, const mapstream::MapDocument& document) {
    TMemoryStream stream = mapsamples::streamOf(mapstream::WriteMapStream(document));
    map.LoadFromStream(stream);
}

TKEXMapObjectMem rectangle(float x1, float y1, float x2, float y2, TColor fill) {
    TKEXMapObjectMem record = mapsamples::pointObject(mapi::kindPolygon, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
    record.Brush = {static_cast<uint32_t>(fill), bsSolid};
    record.Pen = {static_cast<uint32_t>(fill), psSolid, 0, 0};
    return record;
}

int addObject(TDataMap& map, TKEXMapObjectMem record) {
    const int i = map.Model().AppendObject(std::move(record));
    map.CalcMapBounds();
    map.SetChanged();
    return i;
}

void postNew(TDataMap& map, TKEXMapObjectMem record) {
    map.NewEditObject();
    record.Id = map.EditBuffer().Record().Id;
    map.EditBuffer().Record() = std::move(record);
    map.PostEditObject();
}

TColor bufferPixel(TDataMap& map, int x, int y) { return map.Picture()->Bitmap()->Canvas()->Pixels(x, y); }

void expectPixels(TCanvas& canvas, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(canvas.Pixels(p.x, p.y), p.color) << "pixel " << p.x << "," << p.y;
}

int overlaidPixels(TDataMap& map, const TRect& r) {
    TCanvas& screen = *map.GetCanvas();
    TCanvas& buffer = *map.Picture()->Bitmap()->Canvas();
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            count += screen.Pixels(x, y) != buffer.Pixels(x, y) ? 1 : 0;
    return count;
}

std::shared_ptr<int> countRebuilds(TDataMap& map) {
    auto counter = std::make_shared<int>(0);
    map.OnPaintBackground = [counter](TCanvas*, float, float, float, float) { ++*counter; };
    return counter;
}

} // namespace mapfixture
