// The about box's picture "ABOUTPICTURE": a round badge with a corner of the city's plan, its
// river and a red pin, drawn on the glyph's transparent colour so that the flat 60-pixel button
// shows it centred on its own face.
#pragma once

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr int kAboutPictureSize = 52;

void paintAboutPicture(TBitmap& bitmap);

} // namespace pictures
