// The glyphs of the main window's visible tool-bar buttons, one bitmap resource each, drawn on
// the glyph's transparent colour (its bottom-left pixel).
#pragma once

#include <span>

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr int kToolGlyphSize = 24;

struct ToolGlyph {
    const char* name;   // the resource name under BITMAP
    const char* button; // the button that shows it
};

// Pick, pan, lens, measure, whole city, find, mini-map and help, in the tool bar's order.
std::span<const ToolGlyph> toolGlyphs();
// index into toolGlyphs().
void paintToolGlyph(int index, TBitmap& bitmap);

} // namespace pictures
