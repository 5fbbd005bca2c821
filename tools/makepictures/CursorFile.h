// A cursor file as the platform stores cursors: a directory of one 32 x 32 image with its
// hotspot, the image a 32-bit bottom-up bitmap with alpha followed by its 1-bit AND mask.
// Pixels of the transparent colour become see-through.
#pragma once

#include <string>

#include "toolkit/TBitmap.h"
#include "toolkit/TPoint.h"

namespace pictures {

std::string cursorFile(TBitmap& image, TColor transparent, TPoint hotspot);

} // namespace pictures
