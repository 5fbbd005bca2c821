// Small drawing steps the splash picture, the banners and the tool-bar glyphs share: fills,
// gradients, outlined shapes and text with its shadow.
#pragma once

#include <span>

#include "toolkit/AnsiString.h"
#include "toolkit/TCanvas.h"

namespace pictures {

// Smooth text while it lives, whatever the process had chosen before (tests draw text without
// smoothing): the committed pictures are drawn the same way everywhere.
class SmoothText {
public:
    SmoothText();
    ~SmoothText();
    SmoothText(const SmoothText&) = delete;
    SmoothText& operator=(const SmoothText&) = delete;

private:
    bool previous_;
};

void fillRect(TCanvas& c, const TRect& rect, TColor color);
// Row by row from top to bottom colour, the last row exactly bottom.
void verticalGradient(TCanvas& c, const TRect& rect, TColor top, TColor bottom);
// Filled with fill and drawn round with a pen of width 1 in line.
void shape(TCanvas& c, std::span<const TPoint> points, TColor fill, TColor line);
void line(TCanvas& c, TPoint from, TPoint to, TColor color, int width);
// UTF-8 text in a face of height pixels, its top-left at (x, y), with a shadow one pixel to the
// lower right when shadow is not clNone. Returns the text's width.
int text(TCanvas& c, int x, int y, const char* utf8, int height, bool bold, TColor color, TColor shadow = clNone);
int textWidth(TCanvas& c, const char* utf8, int height, bool bold);

} // namespace pictures
