// The data grid's pictures: seven cell glyphs of 18 x 14 (blob, memo, picture, OLE object,
// object, dataset, not empty) on olive and two sort markers of 10 x 9 on fuchsia, all in the
// sixteen colours of a 4-bit file, and the two 6 x 11 multi-selection indicators (a dot and an
// arrow) in black on white, stored with 1 bit per pixel.
#pragma once

#include <array>
#include <span>

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr std::array<const char*, 9> kGridGlyphNames = {
    "DBG_BLOB", "DBG_MEMO", "DBG_PICT", "DBG_OLE", "DBG_OBJECT", "DBG_DATA", "DBG_NOTEMPTY", "DBG_SMDOWN", "DBG_SMUP",
};

// The sixteen colours of the 4-bit files, in the order of the platform's default palette.
std::span<const TColor> sixteenColours();

void paintGridGlyph(int index, TBitmap& bitmap);
void paintSelectionIndicator(bool arrow, TBitmap& bitmap);

} // namespace pictures
