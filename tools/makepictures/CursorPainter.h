// The map's cursors: edge-scroll arrows, hold-to-pan arrows, lens, rotate, move-point and
// eyedropper, each 32 x 32 pixels with its hotspot, under the resource names the map registers.
#pragma once

#include <span>

#include "toolkit/TCanvas.h"
#include "toolkit/TColor.h"
#include "toolkit/TPoint.h"

namespace pictures {

constexpr int kCursorSize = 32;
// The cursors' see-through colour; no cursor draws with it.
constexpr TColor kCursorTransparent = RGB(255, 0, 255);

struct CursorPicture {
    const char* name;
    TPoint hotspot;
};

// In the order of the screen cursor numbers 1000 to 1019.
std::span<const CursorPicture> mapCursors();

// Paints cursor index of mapCursors() on a canvas of kCursorSize pixels square.
void paintCursor(int index, TCanvas& canvas);

} // namespace pictures
