// The canvas as the toolkit's drawing code sees it: its surface (a QImage owned by a bitmap or a
// control) and its drawing state.
#pragma once

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPoint>
#include <QRegion>

#include <vector>

#include "toolkit/CanvasPainter_p.h"
#include "toolkit/FillMode.h"
#include "toolkit/PolygonSpans_p.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TextFonts_p.h"

namespace tk {

// Where a one-pixel pen's dash pattern stands; LineTo goes on from where the last line stopped.
struct DashPhase {
    int index = 0;  // entry of the pattern
    int done = 0;   // pixels of that entry already drawn
};

// The last hatch brush made, kept while areas of the same hatch and colour follow.
struct HatchBrush {
    TBrushStyle style = bsSolid;
    QRgb rgb = 0;
    QBrush brush;
};

// What SaveDC keeps and RestoreDC puts back.
struct SavedCanvasState {
    TPen pen;
    TBrush brush;
    TFont font;
    TCopyMode copyMode = cmSrcCopy;
    bool clipped = false;
    QRegion clip;
};

struct CanvasImpl {
    // The surface, of 32-bit pixels; null or empty: nothing is drawn and nothing is read.
    QImage* image = nullptr;

    TPen pen;
    TBrush brush;
    TFont font;
    TCopyMode copyMode = cmSrcCopy;
    int polyFillMode = ALTERNATE;
    TPoint penPos;
    DashPhase dash;

    bool clipped = false;
    QRegion clip;

    bool inPath = false;
    QPainterPath path;

    // SaveDC's levels, the latest last.
    std::vector<SavedCanvasState> saved;

    // Coverage of the fill, the pen's gaps and the pen while one shape is drawn through a raster
    // operation other than copy; the surface's size, zero outside the shape being drawn.
    QImage masks[3];

    // Kept from call to call, so that drawing allocates as little as it can.
    CanvasPainter shapePainter;
    CanvasPainter textPainter{CanvasPainter::Clip::Drawable};
    CanvasPainter maskPainters[3];
    HatchBrush hatch;
    TextFonts fonts;
    std::vector<QPoint> corners;  // the corners of the figure being drawn
    PolygonSpans figures;         // the figures of the fill being drawn
    QPainterPathStroker stroker;  // of wide pens

    bool hasSurface() const { return image != nullptr && !image->isNull(); }
    // The pixels drawing may change: the surface, cut by the clip region.
    QRegion drawableRegion() const;
    bool isDrawable(int x, int y) const;
};

// A surface pixel (0xFFRRGGBB) as a colour, and a colour as the surface stores it.
inline TColor colorOfPixel(QRgb pixel) { return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)); }
inline QRgb pixelOfColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

} // namespace tk
