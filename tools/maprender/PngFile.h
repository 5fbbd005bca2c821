// Writes a bitmap as a PNG file (RGB, 8 bits a channel) for people to look at. The image data
// go into stored deflate blocks: no compression library is needed, at the price of file size.
#pragma once

#include <string>

#include "toolkit/TBitmap.h"

namespace maprender {

// False when the file cannot be written.
bool writePng(TBitmap& bitmap, const std::string& path);

} // namespace maprender
