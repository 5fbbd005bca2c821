// The widgets' two cursors, 32 x 32 pixels each: "EX_HANDCUR", a pointing hand with the tip of
// its finger as the hotspot, and "EX_DRAGCUR", an arrow carrying a small sheet.
#pragma once

#include <span>

#include "makepictures/CursorPainter.h"

namespace pictures {

// In the order of the screen cursor numbers 14000 and 14001.
std::span<const CursorPicture> widgetCursors();

// Paints cursor index of widgetCursors() on a canvas of kCursorSize pixels square.
void paintWidgetCursor(int index, TCanvas& canvas);

} // namespace pictures
