// The pixel work under the canvas: what a drawn pixel becomes (inks and raster operations), the
// drawing of one shape in layers so that each pixel is changed once, and stretched copies.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <optional>
#include <span>

#include "toolkit/PolygonSpans_p.h"
#include "toolkit/TCanvas_p.h"

namespace tk {

// What the pixels of one layer are painted with: a colour, a hatch in a colour with transparent
// gaps, or a pattern image tiled from the device origin.
struct Ink {
    enum class Kind { Solid, Hatch, Pattern };
    Kind kind = Kind::Solid;
    QRgb rgb = 0;
    TBrushStyle hatch = bsSolid;
    const QImage* pattern = nullptr;

    static Ink solid(TColor color);
    // The brush's ink; nullopt for a clear brush.
    static std::optional<Ink> ofBrush(const TBrush& brush);
};

// Whether pixel (x, y) belongs to the lines of a hatch style.
bool isHatchPixel(TBrushStyle style, int x, int y);

constexpr QRgb kRgbMask = 0x00FFFFFF;

// The raster operation of a pen mode on the 0xRRGGBB values of the pen p and the destination d
// (inline: it runs once a pixel).
inline QRgb applyPenMode(TPenMode mode, QRgb p, QRgb d) {
    switch (mode) {
    case pmBlack: return 0;
    case pmWhite: return kRgbMask;
    case pmNop: return d;
    case pmNot: return ~d;
    case pmCopy: return p;
    case pmNotCopy: return ~p;
    case pmMergePenNot: return p | ~d;
    case pmMaskPenNot: return p & ~d;
    case pmMergeNotPen: return ~p | d;
    case pmMaskNotPen: return ~p & d;
    case pmMerge: return p | d;
    case pmNotMerge: return ~(p | d);
    case pmMask: return p & d;
    case pmNotMask: return ~(p & d);
    case pmXor: return p ^ d;
    case pmNotXor: return ~(p ^ d);
    }
    return p;
}


// Draws one shape: its fill, the gaps of its pen's pattern and its pen, in that order of
// priority, through the pen mode. In copy mode every call paints at once (later layers over
// earlier ones): areas through the canvas's open painter, pixels straight into the surface's
// scanlines. Otherwise the layers are gathered as coverage and combined in finish(), so that each
// pixel is changed exactly once: XOR drawn twice gives the picture back.
class ShapeRaster {
public:
    enum Layer { kFill, kGap, kPen };

    ShapeRaster(CanvasImpl& canvas, TPenMode mode);
    ~ShapeRaster();
    ShapeRaster(const ShapeRaster&) = delete;
    ShapeRaster& operator=(const ShapeRaster&) = delete;

    void setInk(Layer layer, const Ink& ink) { inks_[layer] = ink; }
    // The area inside path (corner coordinates, the path's own fill rule), as Qt fills it: for
    // strokes of wide pens and for rectangles of the brush alone.
    void fill(const QPainterPath& path, Layer layer);
    // The pixels inside the figures under rule, by the platform's rule for filled shapes.
    void fillFigures(PolygonSpans& figures, Qt::FillRule rule, Layer layer);
    void plot(int x, int y, Layer layer) {
        if (!isInBounds(x, y) || (clipIsComplex_ && !isInClip(x, y))) return;
        if (direct_) {
            paint(x, y, inks_[layer]);
            return;
        }
        mark(x, y, layer);
    }
    // Combines the gathered layers onto the surface; the destructor calls it too.
    void finish();

private:
    bool isInBounds(int x, int y) const {
        return x >= bounds_.left() && x <= bounds_.right() && y >= bounds_.top() && y <= bounds_.bottom();
    }
    bool isInClip(int x, int y) const;
    // Pixels left to right of row y, already inside bounds_, cut by a complex clip.
    void fillSpan(int y, int left, int right, Layer layer);
    void paintSpan(int y, int left, int right, Layer layer);
    void mark(int x, int y, Layer layer) {
        masks_[layer][y * maskStride_ + x] = 0xFF;
        if (dirty_.isNull()) {
            dirty_ = QRect(x, y, 1, 1);
            return;
        }
        dirty_.setLeft(std::min(dirty_.left(), x));
        dirty_.setRight(std::max(dirty_.right(), x));
        dirty_.setTop(std::min(dirty_.top(), y));
        dirty_.setBottom(std::max(dirty_.bottom(), y));
    }
    void paint(int x, int y, const Ink& ink) {
        QRgb* pixel = reinterpret_cast<QRgb*>(bits_ + y * stride_) + x;
        if (ink.kind != Ink::Kind::Solid) {
            paintPattern(pixel, x, y, ink);
            return;
        }
        if (mode_ == pmCopy) {
            *pixel = 0xFF000000 | ink.rgb;
            return;
        }
        *pixel = 0xFF000000 | (applyPenMode(mode_, ink.rgb, *pixel & kRgbMask) & kRgbMask);
    }
    // A hatch or pattern pixel through the pen mode.
    void paintPattern(QRgb* pixel, int x, int y, const Ink& ink);

    CanvasImpl& canvas_;
    TPenMode mode_;
    bool direct_;
    Ink inks_[3];
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    // The coverage masks' bytes, gathered when the mode is not copy.
    uchar* masks_[3] = {};
    qsizetype maskStride_ = 0;
    // The pixels plot() may change: the surface, cut by the clip region's bounds; a clip of more
    // than one rectangle is tested pixel by pixel as well.
    QRect bounds_;
    bool clipIsComplex_ = false;
    QRect dirty_;
};

// Copies sourceRect of source, stretched (nearest pixel), into dest through mode; source pixels
// of the key colour (0xRRGGBB) are left out when one is given. Source and surface may be the
// same image. Rectangles without width or height copy nothing.
void stretchBlt(CanvasImpl& canvas, const TRect& dest, const QImage& source, const TRect& sourceRect,
                TCopyMode mode, std::optional<QRgb> key);

} // namespace tk
