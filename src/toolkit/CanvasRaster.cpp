// Pixels of shapes and copies: direct painting in copy mode, coverage layers otherwise.
#include "toolkit/CanvasRaster_p.h"

#include <QPainter>

#include <cstring>

#include "toolkit/TBitmap_p.h"

namespace tk {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

QImage hatchTexture(TBrushStyle style, QRgb rgb) {
    QImage texture(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y) {
        auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < 8; ++x) line[x] = isHatchPixel(style, x, y) ? (rgb | 0xFF000000) : 0;
    }
    return texture;
}

// The raster operation of a copy mode on 0xRRGGBB source and destination values.
QRgb applyCopyMode(TCopyMode mode, QRgb s, QRgb d) {
    switch (mode) {
    case cmBlackness: return 0;
    case cmDstInvert: return ~d;
    case cmMergePaint: return ~s | d;
    case cmNotSrcCopy: return ~s;
    case cmNotSrcErase: return ~(s | d);
    case cmSrcAnd: return s & d;
    case cmSrcCopy: return s;
    case cmSrcErase: return s & ~d;
    case cmSrcInvert: return s ^ d;
    case cmSrcPaint: return s | d;
    case cmWhiteness: return kRgbMask;
    }
    return s;
}

} // namespace

Ink Ink::solid(TColor color) {
    Ink ink;
    ink.rgb = pixelOfColor(color) & kRgbMask;
    return ink;
}

std::optional<Ink> Ink::ofBrush(const TBrush& brush) {
    if (brush.Bitmap() != nullptr && !bitmapImage(*brush.Bitmap()).isNull()) {
        Ink ink;
        ink.kind = Kind::Pattern;
        ink.pattern = &bitmapImage(*brush.Bitmap());
        return ink;
    }
    if (brush.Style() == bsClear) return std::nullopt;
    Ink ink = solid(brush.Color());
    if (brush.Style() != bsSolid) {
        ink.kind = Kind::Hatch;
        ink.hatch = brush.Style();
    }
    return ink;
}

bool isHatchPixel(TBrushStyle style, int x, int y) {
    const int xm = x & 7;
    const int ym = y & 7;
    const bool horizontal = ym == 0;
    const bool vertical = xm == 0;
    const bool forward = xm == ym;            // "\": x grows with y
    const bool backward = ((x + y) & 7) == 0; // "/": x falls as y grows
    switch (style) {
    case bsHorizontal: return horizontal;
    case bsVertical: return vertical;
    case bsFDiagonal: return forward;
    case bsBDiagonal: return backward;
    case bsCross: return horizontal || vertical;
    case bsDiagCross: return forward || backward;
    case bsSolid: return true;
    case bsClear: return false;
    }
    return false;
}

QRgb applyPenMode(TPenMode mode, QRgb p, QRgb d) {
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

ShapeRaster::ShapeRaster(CanvasImpl& canvas, TPenMode mode)
    : canvas_(canvas), mode_(mode), direct_(mode == pmCopy) {
    if (!canvas_.hasSurface()) return;
    bits_ = canvas_.image->bits();
    stride_ = canvas_.image->bytesPerLine();
    if (direct_) return;
    for (QImage& mask : canvas_.masks) {
        if (mask.size() == canvas_.image->size()) continue;
        mask = QImage(canvas_.image->size(), QImage::Format_Alpha8);
        mask.fill(0);
    }
}

ShapeRaster::~ShapeRaster() { finish(); }

void ShapeRaster::fill(const QPainterPath& path, Layer layer) {
    if (bits_ == nullptr || path.isEmpty()) return;
    const Ink& ink = inks_[layer];
    QPainter painter;
    if (direct_) {
        painter.begin(canvas_.image);
        if (canvas_.clipped) painter.setClipRegion(canvas_.clip);
        switch (ink.kind) {
        case Ink::Kind::Solid:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillPath(path, QColor::fromRgb(ink.rgb));
            break;
        case Ink::Kind::Hatch:
            painter.fillPath(path, QBrush(hatchTexture(ink.hatch, ink.rgb)));
            break;
        case Ink::Kind::Pattern:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillPath(path, QBrush(*ink.pattern));
            break;
        }
        return;
    }
    painter.begin(&canvas_.masks[layer]);
    if (canvas_.clipped) painter.setClipRegion(canvas_.clip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillPath(path, Qt::white);
    painter.end();
    // Cut in floating point first: a far-away shape has coordinates no int can hold.
    const QRectF bounds = path.controlPointRect().adjusted(-1, -1, 1, 1) & QRectF(canvas_.image->rect());
    dirty_ |= bounds.toAlignedRect() & canvas_.image->rect();
}

void ShapeRaster::plot(int x, int y, Layer layer) {
    if (bits_ == nullptr || !canvas_.isDrawable(x, y)) return;
    if (direct_) {
        paint(x, y, inks_[layer]);
        return;
    }
    canvas_.masks[layer].scanLine(y)[x] = 0xFF;
    dirty_ |= QRect(x, y, 1, 1);
}

void ShapeRaster::paint(int x, int y, const Ink& ink) {
    QRgb* pixel = pixelAt(x, y);
    QRgb source = ink.rgb;
    if (ink.kind == Ink::Kind::Hatch && !isHatchPixel(ink.hatch, x, y)) return;
    if (ink.kind == Ink::Kind::Pattern) {
        const QImage& pattern = *ink.pattern;
        source = pattern.pixel(x % pattern.width(), y % pattern.height()) & kRgbMask;
    }
    *pixel = 0xFF000000 | (applyPenMode(mode_, source, *pixel & kRgbMask) & kRgbMask);
}

void ShapeRaster::finish() {
    if (direct_ || dirty_.isEmpty()) return;
    for (int y = dirty_.top(); y <= dirty_.bottom(); ++y) {
        uchar* fill = canvas_.masks[kFill].scanLine(y);
        uchar* gap = canvas_.masks[kGap].scanLine(y);
        uchar* pen = canvas_.masks[kPen].scanLine(y);
        for (int x = dirty_.left(); x <= dirty_.right(); ++x) {
            if (pen[x] != 0) {
                paint(x, y, inks_[kPen]);
            } else if (gap[x] != 0) {
                paint(x, y, inks_[kGap]);
            } else if (fill[x] != 0) {
                paint(x, y, inks_[kFill]);
            }
        }
        const auto width = static_cast<size_t>(dirty_.width());
        std::memset(fill + dirty_.left(), 0, width);
        std::memset(gap + dirty_.left(), 0, width);
        std::memset(pen + dirty_.left(), 0, width);
    }
    dirty_ = QRect();
}

void stretchBlt(CanvasImpl& canvas, const TRect& dest, const QImage& source, const TRect& sourceRect,
                TCopyMode mode, std::optional<QRgb> key) {
    if (!canvas.hasSurface() || source.isNull()) return;
    if (dest.Width() <= 0 || dest.Height() <= 0 || sourceRect.Width() <= 0 || sourceRect.Height() <= 0) return;
    // Copying a canvas onto itself reads from a copy, so that moved pixels are not read again.
    const QImage own = &source == canvas.image ? source.copy() : QImage();
    const QImage& from = own.isNull() ? source : own;
    const QRegion target = canvas.drawableRegion() & QRect(dest.Left, dest.Top, dest.Width(), dest.Height());
    const int64_t dw = dest.Width(), dh = dest.Height(), sw = sourceRect.Width(), sh = sourceRect.Height();
    for (const QRect& part : target) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const int sy = sourceRect.Top + static_cast<int>((y - dest.Top) * sh / dh);
            if (sy < 0 || sy >= from.height()) continue;
            const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
            auto* out = reinterpret_cast<QRgb*>(canvas.image->scanLine(y));
            for (int x = part.left(); x <= part.right(); ++x) {
                const int sx = sourceRect.Left + static_cast<int>((x - dest.Left) * sw / dw);
                if (sx < 0 || sx >= from.width()) continue;
                const QRgb s = in[sx] & kRgbMask;
                if (key && s == *key) continue;
                out[x] = 0xFF000000 | (applyCopyMode(mode, s, out[x] & kRgbMask) & kRgbMask);
            }
        }
    }
}

} // namespace tk
