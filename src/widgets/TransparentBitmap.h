// Colour-keyed bitmap drawing: a bitmap (or part of one) stretched onto a canvas with the pixels
// of one colour left out, so that the destination shows through them.
#pragma once

#include "toolkit/TCanvas.h"
#include "toolkit/TColor.h"

class TBitmap;

// The palette-relative flag of a colour reference.
constexpr TColor PaletteRelativeFlag = 0x02000000;

// The colour resolved to RGB with the palette-relative flag added.
TColor PaletteRelativeColor(TColor Color);

// Stretches the source rectangle onto the destination rectangle, keeping the destination where
// the source has TransparentColor. Drawn through masks (white for the key colour, black
// elsewhere) combined with AND and OR copies, so the result is exact pixel for pixel. There are no
// palettes on 32-bit surfaces: Palette is accepted and ignored.
void TransparentStretchBlt(TCanvas& DstDC, int DstX, int DstY, int DstW, int DstH, TCanvas& SrcDC, int SrcX,
                           int SrcY, int SrcW, int SrcH, const void* Palette, TColor TransparentColor);

// A destination width or height below 1 takes the bitmap's; a source width or height below 1
// takes the whole bitmap. clNone copies plainly; clDefault keys on the bottom-left pixel; a
// monochrome bitmap always keys on white.
void DrawTransparentBitmapRect(TCanvas& Dest, TBitmap& Bitmap, TColor TransparentColor, int DstX, int DstY,
                               int DstW, int DstH, int SrcX, int SrcY, int SrcW, int SrcH);
// The whole bitmap at its own size.
void DrawTransparentBitmap(TCanvas& Dest, int DstX, int DstY, TBitmap& Bitmap, TColor TransparentColor);
