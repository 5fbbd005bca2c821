// Map streams loaded and drawn by the renderer onto a small bitmap, as the control draws them:
// once at the view the stream's header keeps and once fitted to the map's extent.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "map/MapIconSource.h"
#include "map/MapModel.h"
#include "map/MapRenderer.h"
#include "map/tKexMapOptions.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

constexpr int kSize = 48;

void draw(mapi::MapRenderer& renderer, TBitmap& bitmap, float x, float y, int scale) {
    renderer.SetView({x, y, scale, kSize, kSize});
    const float extent = kSize * 100.0f / static_cast<float>(std::max(scale, 1));
    renderer.CollectVisibleObjects({x, y, x + extent, y + extent});
    renderer.FillBackground(*bitmap.Canvas(), Rect(0, 0, kSize, kSize), clWhite, nullptr);
    renderer.DrawLevels(*bitmap.Canvas());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    mapi::MapModel model;
    model.LoadFromStream(stream); // damage ends the reading, never the load
    model.SetUseIndex(true);
    tKexMapOptions options;
    // Made once, and never destroyed: its pictures must not outlive the windowing system.
    static mapi::MapIconSource& icons = *new mapi::MapIconSource;
    // Custom polylines are walked pixel by pixel only while a handler listens.
    static const TPixelLineEvent onPixelLine = [](const TKEXMapObjectMem&, int, int, int, double, TCanvas*) {};
    mapi::MapRenderer renderer(model, options, icons, {nullptr, nullptr, &onPixelLine});
    TBitmap bitmap;
    bitmap.SetSize(kSize, kSize);
    draw(renderer, bitmap, model.Header.XWind, model.Header.YWind, model.Header.Scale);
    const mapi::WorldRect e = model.MapExtent;
    double width = static_cast<double>(e.x2) - e.x1;
    if (!(width >= 1.0)) // NaN as well
        width = 1.0;
    const int fitted = static_cast<int>(std::clamp(kSize * 100.0 / width, 1.0, 1e6));
    draw(renderer, bitmap, e.x1, e.y1, fitted);
    return 0;
}
