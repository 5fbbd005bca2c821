// The device-context calls on a canvas: saving and restoring its drawing state in levels, and the
// colour the surface shows for a requested one.
#pragma once

#include "toolkit/TColor.h"

class TCanvas;

// Saves the pen, brush, font, copy mode and clip region; returns the new level (1 for the first).
int SaveDC(TCanvas& Canvas);
// Puts back the state of level SavedDC and forgets that level and the later ones; a negative
// value counts back from the latest (-1: the latest). False, changing nothing, for a level that
// is not saved.
bool RestoreDC(TCanvas& Canvas, int SavedDC);
// The colour the canvas shows for Color: on 32-bit surfaces the colour itself, as RGB.
TColor GetNearestColor(TCanvas& Canvas, TColor Color);
