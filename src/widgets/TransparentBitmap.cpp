// Colour-keyed blits built from masks and raster copies.
//
// The canvas has no locks, change events, palettes or stretch modes to set here (one thread,
// 32-bit surfaces, stretching always deletes scans), so the steps that guard them are left out.
#include "widgets/TransparentBitmap.h"

#include "toolkit/TBitmap.h"

TColor PaletteRelativeColor(TColor Color) { return ColorToRGB(Color) | PaletteRelativeFlag; }

namespace {

// Copies with a raster operation, putting the canvas's copy mode back afterwards.
void copyWith(TCanvas& dest, const TRect& destRect, TCanvas& source, const TRect& sourceRect, TCopyMode mode) {
    const TCopyMode saved = dest.CopyMode();
    dest.SetCopyMode(mode);
    dest.CopyRect(destRect, source, sourceRect);
    dest.SetCopyMode(saved);
}

} // namespace

void TransparentStretchBlt(TCanvas& DstDC, int DstX, int DstY, int DstW, int DstH, TCanvas& SrcDC, int SrcX,
                           int SrcY, int SrcW, int SrcH, const void* /*Palette*/, TColor TransparentColor) {
    if (DstW <= 0 || DstH <= 0 || SrcW <= 0 || SrcH <= 0)
        return;
    const TRect srcArea = Rect(0, 0, SrcW, SrcH);
    const TRect dstArea = Rect(0, 0, DstW, DstH);

    TBitmap copy;
    copy.SetSize(SrcW, SrcH);
    copyWith(*copy.Canvas(), srcArea, SrcDC, Rect(SrcX, SrcY, SrcX + SrcW, SrcY + SrcH), cmSrcCopy);

    // Pixels compare as plain RGB: the palette-relative flag would match nothing.
    const TColor key = PaletteRelativeColor(TransparentColor) & ~PaletteRelativeFlag;
    TBitmap mask;
    mask.SetSize(SrcW, SrcH);
    TCanvas& maskCanvas = *mask.Canvas();
    TCanvas& copyCanvas = *copy.Canvas();
    for (int y = 0; y < SrcH; ++y)
        for (int x = 0; x < SrcW; ++x)
            maskCanvas.SetPixels(x, y, copyCanvas.Pixels(x, y) == key ? clWhite : clBlack);

    TBitmap inverse;
    inverse.SetSize(SrcW, SrcH);
    copyWith(*inverse.Canvas(), srcArea, maskCanvas, srcArea, cmNotSrcCopy);

    TBitmap work;
    work.SetSize(DstW, DstH);
    copyWith(*work.Canvas(), dstArea, DstDC, Rect(DstX, DstY, DstX + DstW, DstY + DstH), cmSrcCopy);
    copyWith(*work.Canvas(), dstArea, maskCanvas, srcArea, cmSrcAnd);
    copyWith(copyCanvas, srcArea, *inverse.Canvas(), srcArea, cmSrcAnd);
    copyWith(*work.Canvas(), dstArea, copyCanvas, srcArea, cmSrcPaint);
    copyWith(DstDC, Rect(DstX, DstY, DstX + DstW, DstY + DstH), *work.Canvas(), dstArea, cmSrcCopy);
}

void DrawTransparentBitmapRect(TCanvas& Dest, TBitmap& Bitmap, TColor TransparentColor, int DstX, int DstY,
                               int DstW, int DstH, int SrcX, int SrcY, int SrcW, int SrcH) {
    // Each missing destination dimension takes the bitmap's own, so one can stretch alone.
    if (DstW < 1)
        DstW = Bitmap.Width();
    if (DstH < 1)
        DstH = Bitmap.Height();
    if (SrcW < 1 || SrcH < 1) {
        SrcX = 0;
        SrcY = 0;
        SrcW = Bitmap.Width();
        SrcH = Bitmap.Height();
    }
    TCanvas& source = *Bitmap.Canvas();
    if (TransparentColor == clNone) {
        Dest.CopyRect(Rect(DstX, DstY, DstX + DstW, DstY + DstH), source, Rect(SrcX, SrcY, SrcX + SrcW, SrcY + SrcH));
        return;
    }
    if (TransparentColor == clDefault)
        TransparentColor = source.Pixels(0, Bitmap.Height() - 1);
    if (Bitmap.Monochrome())
        TransparentColor = clWhite;
    TransparentStretchBlt(Dest, DstX, DstY, DstW, DstH, source, SrcX, SrcY, SrcW, SrcH, nullptr, TransparentColor);
}

void DrawTransparentBitmap(TCanvas& Dest, int DstX, int DstY, TBitmap& Bitmap, TColor TransparentColor) {
    DrawTransparentBitmapRect(Dest, Bitmap, TransparentColor, DstX, DstY, Bitmap.Width(), Bitmap.Height(), 0, 0,
                              Bitmap.Width(), Bitmap.Height());
}
