// Pixels of shapes and copies: direct painting in copy mode, coverage layers otherwise.
#include "toolkit/CanvasRaster_p.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "toolkit/TBitmap_p.h"

namespace tk {

namespace {

// The hatch as a texture brush, transparent between its lines; the canvas keeps the last one,
// as a map fills many areas alike one after another.
const QBrush& hatchBrush(HatchBrush& cache, TBrushStyle style, QRgb rgb) {
    if (!cache.brush.textureImage().isNull() && cache.style == style && cache.rgb == rgb) return cache.brush;
    QImage texture(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y) {
        auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < 8; ++x) line[x] = isHatchPixel(style, x, y) ? (rgb | 0xFF000000) : 0;
    }
    cache = {style, rgb, QBrush(texture)};
    return cache.brush;
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

ShapeRaster::ShapeRaster(CanvasImpl& canvas, TPenMode mode)
    : canvas_(canvas), mode_(mode), direct_(mode == pmCopy) {
    if (!canvas_.hasSurface()) return;
    bits_ = canvas_.image->bits();
    stride_ = canvas_.image->bytesPerLine();
    bounds_ = canvas_.image->rect();
    if (canvas_.clipped) {
        bounds_ &= canvas_.clip.boundingRect();
        clipIsComplex_ = canvas_.clip.rectCount() > 1;
    }
    if (direct_) return;
    for (int layer = kFill; layer <= kPen; ++layer) {
        QImage& mask = canvas_.masks[layer];
        if (mask.size() != canvas_.image->size()) {
            mask = QImage(canvas_.image->size(), QImage::Format_Alpha8);
            mask.fill(0);
        }
        masks_[layer] = mask.bits();
        maskStride_ = mask.bytesPerLine();
    }
}

ShapeRaster::~ShapeRaster() { finish(); }

// Onto the surface through the canvas's painter in copy mode, as coverage into the layer's mask
// otherwise.
void ShapeRaster::fill(const QPainterPath& path, Layer layer) {
    if (bits_ == nullptr || path.isEmpty()) return;
    const Ink& ink = inks_[layer];
    if (direct_) {
        QPainter& painter = *canvas_.shapePainter.open(canvas_.image, canvas_);
        switch (ink.kind) {
        case Ink::Kind::Solid:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillPath(path, QBrush(QColor::fromRgb(ink.rgb)));
            break;
        case Ink::Kind::Hatch:
            // The hatch's gaps are transparent and leave the surface as it was.
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.fillPath(path, hatchBrush(canvas_.hatch, ink.hatch, ink.rgb));
            break;
        case Ink::Kind::Pattern:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillPath(path, QBrush(*ink.pattern));
            break;
        }
        return;
    }
    QPainter& painter = *canvas_.maskPainters[layer].open(&canvas_.masks[layer], canvas_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillPath(path, QBrush(Qt::white));
    // Cut in floating point first: a far-away shape has coordinates no int can hold.
    const QRectF cut = path.controlPointRect().adjusted(-1, -1, 1, 1) & QRectF(canvas_.image->rect());
    dirty_ |= cut.toAlignedRect() & canvas_.image->rect();
}

void ShapeRaster::fillFigures(PolygonSpans& figures, Qt::FillRule rule, Layer layer) {
    if (bits_ == nullptr) return;
    for (const PixelSpan& span : figures.spans(bounds_, rule)) fillSpan(span.y, span.left, span.right, layer);
}

void ShapeRaster::fillSpan(int y, int left, int right, Layer layer) {
    if (!clipIsComplex_) {
        paintSpan(y, left, right, layer);
        return;
    }
    // The clip's rectangles lie in bands from the top, each band's from the left.
    const auto band = std::lower_bound(canvas_.clip.begin(), canvas_.clip.end(), y,
                                       [](const QRect& rect, int row) { return rect.bottom() < row; });
    for (auto rect = band; rect != canvas_.clip.end() && rect->top() <= y; ++rect) {
        const int from = std::max(left, rect->left());
        const int to = std::min(right, rect->right());
        if (from <= to) paintSpan(y, from, to, layer);
    }
}

void ShapeRaster::paintSpan(int y, int left, int right, Layer layer) {
    const auto length = static_cast<size_t>(right - left + 1);
    if (!direct_) {
        std::memset(masks_[layer] + y * maskStride_ + left, 0xFF, length);
        dirty_ |= QRect(left, y, right - left + 1, 1);
        return;
    }
    const Ink& ink = inks_[layer];
    QRgb* const line = reinterpret_cast<QRgb*>(bits_ + y * stride_);
    switch (ink.kind) {
    case Ink::Kind::Solid:
        std::fill_n(line + left, length, 0xFF000000 | ink.rgb);
        return;
    case Ink::Kind::Hatch: {
        // A hatch repeats every eight pixels: the row's eight are looked up once.
        bool isLine[8];
        for (int x = 0; x < 8; ++x) isLine[x] = isHatchPixel(ink.hatch, x, y);
        for (int x = left; x <= right; ++x) {
            if (isLine[x & 7]) line[x] = 0xFF000000 | ink.rgb;
        }
        return;
    }
    case Ink::Kind::Pattern:
        for (int x = left; x <= right; ++x) paintPattern(line + x, x, y, ink);
        return;
    }
}

bool ShapeRaster::isInClip(int x, int y) const { return canvas_.clip.contains(QPoint(x, y)); }

void ShapeRaster::paintPattern(QRgb* pixel, int x, int y, const Ink& ink) {
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
        uchar* fill = masks_[kFill] + y * maskStride_;
        uchar* gap = masks_[kGap] + y * maskStride_;
        uchar* pen = masks_[kPen] + y * maskStride_;
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

namespace {

// The part of a stretched copy that falls in one rectangle of the surface: each pixel of dest
// takes the source pixel its position scales to (nearest below), through combine.
struct StretchCopy {
    const QImage& from;
    const TRect& dest;
    const TRect& sourceRect;
    std::optional<QRgb> key;

    template <typename Combine>
    void operator()(QImage& surface, const QRect& part, Combine combine) const {
        const std::int64_t dw = dest.Width(), dh = dest.Height(), sw = sourceRect.Width(), sh = sourceRect.Height();
        const bool keyed = key.has_value();
        const QRgb keyRgb = key.value_or(0);
        // The source column steps by sw / dw per pixel; carried as quotient and remainder, so
        // that a row needs no division per pixel.
        const std::int64_t whole = sw / dw;
        const std::int64_t rest = sw % dw;
        const std::int64_t start = (std::int64_t{part.left()} - dest.Left) * sw;
        const int width = from.width();
        const int height = from.height();
        // The rows are found from the first one: asking the image for each would check each time
        // whether it shares its pixels.
        uchar* const surfaceBits = surface.bits();
        const qsizetype surfaceStride = surface.bytesPerLine();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const std::int64_t sy = sourceRect.Top + (std::int64_t{y} - dest.Top) * sh / dh;
            if (sy < 0 || sy >= height) continue;
            const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(static_cast<int>(sy)));
            auto* out = reinterpret_cast<QRgb*>(surfaceBits + y * surfaceStride);
            // A key pixel writes the surface's own pixel back: a store on every pixel lets the
            // compiler copy a row several pixels at a time.
            const auto copyPixel = [&](int x, std::int64_t column) {
                const QRgb s = in[column] & kRgbMask;
                const QRgb d = out[x];
                out[x] = keyed && s == keyRgb ? d : 0xFF000000 | (combine(s, d & kRgbMask) & kRgbMask);
            };
            if (sw == dw) {
                // Not stretched across: the source column is x shifted, over the columns it has.
                const std::int64_t shift = std::int64_t{sourceRect.Left} - dest.Left;
                const std::int64_t first = std::max<std::int64_t>(part.left(), -shift);
                const std::int64_t last = std::min<std::int64_t>(part.right(), width - 1 - shift);
                for (std::int64_t x = first; x <= last; ++x) copyPixel(static_cast<int>(x), x + shift);
                continue;
            }
            std::int64_t column = sourceRect.Left + start / dw;
            std::int64_t remainder = start % dw;
            for (int x = part.left(); x <= part.right(); ++x) {
                if (column >= 0 && column < width) copyPixel(x, column);
                column += whole;
                remainder += rest;
                if (remainder >= dw) {
                    remainder -= dw;
                    ++column;
                }
            }
        }
    }
};

} // namespace

void stretchBlt(CanvasImpl& canvas, const TRect& dest, const QImage& source, const TRect& sourceRect,
                TCopyMode mode, std::optional<QRgb> key) {
    if (!canvas.hasSurface() || source.isNull()) return;
    if (dest.Width() <= 0 || dest.Height() <= 0 || sourceRect.Width() <= 0 || sourceRect.Height() <= 0) return;
    // Copying a canvas onto itself reads from a copy, so that moved pixels are not read again.
    const QImage own = &source == canvas.image ? source.copy() : QImage();
    const StretchCopy copy{own.isNull() ? source : own, dest, sourceRect, key};
    QImage& surface = *canvas.image;
    const QRect visible = surface.rect() & QRect(dest.Left, dest.Top, dest.Width(), dest.Height());
    const auto copyPart = [&](const QRect& part) {
        if (part.isEmpty()) return;
        if (mode == cmSrcCopy) {
            copy(surface, part, [](QRgb s, QRgb) { return s; });
            return;
        }
        copy(surface, part, [mode](QRgb s, QRgb d) { return applyCopyMode(mode, s, d); });
    };
    if (!canvas.clipped) {
        copyPart(visible);
        return;
    }
    for (const QRect& rect : canvas.clip) copyPart(rect & visible);
}

} // namespace tk
