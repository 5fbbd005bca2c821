// The map's small bitmaps: "ScrollM", the marker shown at the press point while the middle
// button pans the map, and the spin button's arrow glyphs "KEXSPINUP" and "KEXSPINDOWN". Each
// is drawn on its transparent colour, which fills its bottom-left pixel.
#pragma once

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr TColor kMarkerTransparent = RGB(255, 0, 255);
constexpr TColor kGlyphTransparent = RGB(128, 128, 0);

void paintScrollMarker(TBitmap& bitmap);
void paintSpinGlyph(TBitmap& bitmap, bool up);

} // namespace pictures
