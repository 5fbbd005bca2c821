// A bitmap as a baseline JPEG file in colour, written through libjpeg.
#pragma once

#include <string>

#include "toolkit/TBitmap.h"

namespace pictures {

// quality is libjpeg's 1 .. 100.
std::string jpegFile(TBitmap& bitmap, int quality);

} // namespace pictures
