// The raised and sunken edges of panels, buttons and status panels.
#pragma once

#include "toolkit/TCanvas.h"

// Draws Width one-pixel rings just inside Rect, top and left in TopColor, bottom and right in
// BottomColor, and shrinks Rect by Width on every side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
