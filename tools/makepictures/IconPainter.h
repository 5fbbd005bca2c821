// The pictograms of the built-in icon library "Default": 62 icons of 32 x 32 pixels, drawn on
// the transparent colour (shop, café, school, hospital, pharmacy, bank, stop, post, church,
// monument and so on).
#pragma once

#include "toolkit/TCanvas.h"
#include "toolkit/TColor.h"

namespace pictures {

constexpr int kIconCount = 62;
constexpr int kIconSize = 32;
// Left undrawn wherever it stands; no pictogram uses it.
constexpr TColor kIconTransparent = 0x00FFFF00;

// Paints icon index (0 .. kIconCount - 1) on a canvas of kIconSize pixels square.
void paintIcon(int index, TCanvas& canvas);

} // namespace pictures
