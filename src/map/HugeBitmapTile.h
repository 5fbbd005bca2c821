// One sheet of the raster background layer: a bitmap laid on a rectangle of the world.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/TBitmap.h"

namespace mapi {

struct HugeBitmapTile {
    // The world rectangle the bitmap covers.
    int32_t X1 = 0;
    int32_t Y1 = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    std::unique_ptr<TBitmap> Bitmap;
    // Bitmap pixels per world unit.
    float ScaleX = 1;
    float ScaleY = 1;
};

} // namespace mapi
