// A bitmap as a Windows BMP file of 8 bits per pixel: a fixed palette of the 6 x 6 x 6 colour
// cube and 40 greys, each pixel its nearest palette entry. The icons of the library take this
// form (2,102 bytes for 32 x 32 pixels).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "toolkit/TBitmap.h"

namespace pictures {

std::string indexedBmp(TBitmap& bitmap);
// The bitmap as a BMP file of 1, 4 or 8 bits per pixel over the palette given, each pixel its
// nearest entry.
std::string paletteBmp(TBitmap& bitmap, std::span<const TColor> palette, int bitsPerPixel);

// The palette entry nearest to a colour (0x00BBGGRR), and the entry's colour.
uint8_t nearestIndex(TColor color);
uint8_t nearestIndex(TColor color, std::span<const TColor> palette);
TColor paletteColor(uint8_t index);

} // namespace pictures
