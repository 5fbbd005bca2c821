// The hold-to-pan marker is a white disc with four arrowheads round a dot; the spin glyphs are
// black triangles of 7 pixels on a 9 x 6 field.
#include "makepictures/GlyphPainter.h"

#include <vector>

#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

void clear(TBitmap& bitmap, int width, int height, TColor background) {
    bitmap.SetSize(width, height);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(background);
    c.FillRect(TRect{0, 0, width, height});
}

void blackPolygon(TCanvas& c, std::vector<TPoint> points) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBlack);
    c.Pen()->SetColor(clBlack);
    c.Pen()->SetWidth(1);
    c.Polygon(points);
}

} // namespace

void paintScrollMarker(TBitmap& bitmap) {
    clear(bitmap, 32, 32, kMarkerTransparent);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetColor(clWhite);
    c.Pen()->SetColor(clGray);
    c.Pen()->SetWidth(1);
    c.Ellipse(1, 1, 31, 31);
    blackPolygon(c, {{16, 3}, {21, 9}, {11, 9}});
    blackPolygon(c, {{16, 28}, {21, 22}, {11, 22}});
    blackPolygon(c, {{3, 16}, {9, 11}, {9, 21}});
    blackPolygon(c, {{28, 16}, {22, 11}, {22, 21}});
    c.Ellipse(14, 14, 19, 19);
}

void paintSpinGlyph(TBitmap& bitmap, bool up) {
    clear(bitmap, 9, 6, kGlyphTransparent);
    if (up)
        blackPolygon(*bitmap.Canvas(), {{4, 1}, {7, 4}, {1, 4}});
    else
        blackPolygon(*bitmap.Canvas(), {{1, 1}, {7, 1}, {4, 4}});
}

} // namespace pictures
