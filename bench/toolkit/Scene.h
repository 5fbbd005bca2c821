// The primitives the canvas benchmarks draw, made once from a fixed seed so that the canvas and
// its QPainter baseline draw exactly the same figures: small buildings, streets, parks, labels,
// single pixels and icon positions on a full-HD frame.
#pragma once

#include <QPoint>
#include <QRgb>
#include <QString>

#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"
#include "toolkit/TPoint.h"

namespace bench {

constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;

// One figure in both coordinate types, with the colours and width it is drawn in.
struct Figure {
    std::vector<TPoint> points;
    std::vector<QPoint> qpoints;
    TColor fill = clWhite;
    TColor line = clBlack;
    int width = 1;
};

struct Label {
    TPoint at;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int height = 0;      // em height in pixels
    AnsiString text;     // CP1251, for the canvas
    QString qtext;       // the same text, for the baseline
};

struct Scene {
    std::vector<Figure> buildings;  // small filled and outlined quadrilaterals
    std::vector<Figure> streets;    // polylines of a few long segments, wider than one pixel
    std::vector<Figure> parks;      // larger polygons for hatched fills
    std::vector<Label> labels;
    std::vector<TPoint> pixels;
    std::vector<TColor> pixelColors;
    std::vector<TPoint> dots;       // centres of point objects, coloured like the first pixels
    std::vector<TPoint> icons;      // top-left corners of blitted icons
};

// The one scene every benchmark of the run shares.
const Scene& scene();

// A colour as Qt takes it.
QRgb qtColor(TColor color);

} // namespace bench
