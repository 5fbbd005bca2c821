// The splash picture: an evening view of Валдрен across its river, with the program's name.
// The splash window shows it unscaled, so its right and bottom edges are cut off a little.
#pragma once

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr int kSplashWidth = 413;
constexpr int kSplashHeight = 212;

void paintSplash(TBitmap& bitmap);

} // namespace pictures
