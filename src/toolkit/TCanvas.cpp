// The canvas's calls: each turns its arguments into geometry with the platform's pixel
// conventions and hands it to the shape raster. Vertices lie on pixel centres: a filled area
// covers the pixels whose centres are inside the figure or on its left or top edge, so a fill
// leaves out its right and bottom edge, which the pen's outline then covers.
#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <utility>

#include "toolkit/CanvasRaster_p.h"
#include "toolkit/LineDDA.h"
#include "toolkit/TGraphic.h"

namespace tk {

QRegion CanvasImpl::drawableRegion() const {
    if (!hasSurface()) return {};
    const QRegion surface(image->rect());
    return clipped ? surface & clip : surface;
}

bool CanvasImpl::isDrawable(int x, int y) const {
    if (!hasSurface() || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return false;
    return !clipped || clip.contains(QPoint(x, y));
}

} // namespace tk

namespace {

using tk::CanvasImpl;
using tk::Ink;
using tk::PolygonSpans;
using tk::ShapeRaster;

// One-pixel dash patterns in pixels: on, off, on, off ...
std::span<const int> cosmeticPattern(TPenStyle style) {
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash: return kDash;
    case psDot: return kDot;
    case psDashDot: return kDashDot;
    case psDashDotDot: return kDashDotDot;
    default: return {};
    }
}

// Geometric dash patterns in pen widths: the one-pixel patterns, a third as long.
QList<qreal> geometricPattern(TPenStyle style) {
    switch (style) {
    case psDash: return {6, 2};
    case psDot: return {1, 1};
    case psDashDot: return {3, 2, 1, 2};
    case psDashDotDot: return {3, 1, 1, 1, 1, 1};
    default: return {};
    }
}

bool isThin(const TPen& pen) { return !pen.Geometric() && pen.Width() <= 1; }

int penWidth(const TPen& pen) { return std::max(pen.Width(), 1); }

// The background mode follows the brush: only a solid brush paints gaps and text boxes.
bool isOpaque(const TBrush& brush) { return brush.Style() == bsSolid; }

Qt::FillRule fillRule(int polyFillMode) { return polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill; }

Qt::PenCapStyle capStyle(const TPen& pen) {
    if (!pen.Geometric()) return Qt::RoundCap;
    switch (pen.EndCap()) {
    case pecSquare: return Qt::SquareCap;
    case pecFlat: return Qt::FlatCap;
    case pecRound: break;
    }
    return Qt::RoundCap;
}

// Wide strokes are laid along the pixel centres, half a pixel right of and below the corners.
constexpr qreal kPixelCentre = 0.5;

// A figure through points, moved by offset along both axes.
QPainterPath figurePath(std::span<const TPoint> points, bool closed, qreal offset = 0) {
    QPainterPath path;
    path.moveTo(points[0].X + offset, points[0].Y + offset);
    for (const TPoint& p : points.subspan(1)) path.lineTo(p.X + offset, p.Y + offset);
    if (closed) path.closeSubpath();
    return path;
}

void addBeziers(QPainterPath& path, std::span<const TPoint> points) {
    path.moveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, points[i + 2].X, points[i + 2].Y);
    }
}

// The steps of a walked line that can fall on the surface (a step of slack on each side), so
// that a line running far outside is not walked pixel by pixel.
std::pair<std::int64_t, std::int64_t> visibleSteps(QPoint from, QPoint to, const QRect& surface) {
    const std::int64_t steps = tk::lineSteps(from.x(), from.y(), to.x(), to.y());
    double lo = 0;
    double hi = static_cast<double>(steps);
    const auto narrow = [&](double start, double delta, int min, int max) {
        if (delta == 0) {
            if (start < min - 1 || start > max + 1) hi = -1;
            return;
        }
        // Position start + delta * t / steps must lie in [min - 1, max + 1].
        double t1 = (min - 1 - start) * static_cast<double>(steps) / delta;
        double t2 = (max + 1 - start) * static_cast<double>(steps) / delta;
        if (t1 > t2) std::swap(t1, t2);
        lo = std::max(lo, t1);
        hi = std::min(hi, t2);
    };
    narrow(from.x(), static_cast<double>(to.x()) - from.x(), surface.left(), surface.right());
    narrow(from.y(), static_cast<double>(to.y()) - from.y(), surface.top(), surface.bottom());
    if (hi < lo) return {0, 0};
    return {static_cast<std::int64_t>(std::floor(lo)) - 1, static_cast<std::int64_t>(std::ceil(hi)) + 2};
}

// Moves a dash phase on by a number of walked pixels.
void advanceDash(tk::DashPhase& dash, std::span<const int> pattern, std::int64_t pixels) {
    if (pattern.empty() || pixels <= 0) return;
    std::int64_t total = 0;
    for (int length : pattern) total += length;
    pixels %= total;
    while (pixels > 0) {
        const std::int64_t room = pattern[dash.index] - dash.done;
        if (pixels < room) {
            dash.done += static_cast<int>(pixels);
            return;
        }
        pixels -= room;
        dash.done = 0;
        dash.index = (dash.index + 1) % static_cast<int>(pattern.size());
    }
}

// One-pixel lines through a figure's corners, the end pixel of each line left out; the dash
// pattern goes on from the canvas's phase.
void walkThin(CanvasImpl& canvas, ShapeRaster& raster, std::span<const QPoint> figure) {
    const std::span<const int> pattern = cosmeticPattern(canvas.pen.Style());
    const bool opaque = isOpaque(canvas.brush);
    const QRect surface = canvas.image->rect();
    QPoint from = figure.front();
    for (const QPoint& to : figure) {
        if (to == from) continue;
        const std::int64_t steps = tk::lineSteps(from.x(), from.y(), to.x(), to.y());
        const auto [first, last] = visibleSteps(from, to, surface);
        const std::int64_t begin = std::clamp<std::int64_t>(first, 0, steps);
        const std::int64_t end = std::clamp<std::int64_t>(last, begin, steps);
        if (pattern.empty()) {
            tk::walkLineSteps(from.x(), from.y(), to.x(), to.y(), begin, end,
                              [&](int x, int y) { raster.plot(x, y, ShapeRaster::kPen); });
            from = to;
            continue;
        }
        advanceDash(canvas.dash, pattern, begin);
        tk::walkLineSteps(from.x(), from.y(), to.x(), to.y(), begin, end, [&](int x, int y) {
            const bool on = canvas.dash.index % 2 == 0;
            if (on) {
                raster.plot(x, y, ShapeRaster::kPen);
            } else if (opaque) {
                raster.plot(x, y, ShapeRaster::kGap);
            }
            advanceDash(canvas.dash, pattern, 1);
        });
        advanceDash(canvas.dash, pattern, steps - end);
        from = to;
    }
}

// A pen wider than one pixel, or a geometric one: the outline of the stroke along centred (the
// geometry on the pixel centres) filled. Dashed geometric pens over a solid brush also fill their
// gaps, stroked with the complementary pattern.
void strokeWide(CanvasImpl& canvas, ShapeRaster& raster, const QPainterPath& centred) {
    const TPen& pen = canvas.pen;
    QPainterPathStroker& stroker = canvas.stroker;
    stroker.setWidth(penWidth(pen));
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(capStyle(pen));
    stroker.setDashPattern(Qt::SolidLine);
    const QList<qreal> pattern = pen.Geometric() ? geometricPattern(pen.Style()) : QList<qreal>();
    if (!pattern.isEmpty()) {
        stroker.setDashPattern(pattern);
        if (isOpaque(canvas.brush)) {
            QList<qreal> gaps = pattern;
            gaps.append(gaps.takeFirst());
            qreal total = 0;
            for (qreal length : pattern) total += length;
            QPainterPathStroker gapStroker;
            gapStroker.setWidth(penWidth(pen));
            gapStroker.setCapStyle(Qt::FlatCap);
            gapStroker.setJoinStyle(Qt::RoundJoin);
            gapStroker.setDashPattern(gaps);
            gapStroker.setDashOffset(total - pattern.first());
            raster.fill(gapStroker.createStroke(centred), ShapeRaster::kGap);
        }
    }
    raster.fill(stroker.createStroke(centred), ShapeRaster::kPen);
}

bool hasOutline(const CanvasImpl& canvas) { return canvas.pen.Style() != psClear && canvas.hasSurface(); }

// A figure of curved or boxed geometry flattened to the nearest pixels, in the canvas's reused
// buffer: thin outlines walk these corners and fills fill inside them, so that the two meet.
std::span<const QPoint> pixelCorners(CanvasImpl& canvas, const QPolygonF& figure) {
    std::vector<QPoint>& corners = canvas.corners;
    corners.clear();
    for (const QPointF& corner : figure) corners.push_back(corner.toPoint());
    return corners;
}

// The outline of curved or boxed geometry: thin pens walk its figures flattened to corners.
void outline(CanvasImpl& canvas, ShapeRaster& raster, const QPainterPath& geometry) {
    if (!hasOutline(canvas) || geometry.isEmpty()) return;
    if (!isThin(canvas.pen)) {
        strokeWide(canvas, raster, geometry.translated(kPixelCentre, kPixelCentre));
        return;
    }
    for (const QPolygonF& figure : geometry.toSubpathPolygons()) walkThin(canvas, raster, pixelCorners(canvas, figure));
}

// The inside of curved or boxed geometry with the brush's ink, over the corners its thin outline
// walks; each figure is closed.
void fillArea(CanvasImpl& canvas, ShapeRaster& raster, const QPainterPath& area, Qt::FillRule rule) {
    PolygonSpans& figures = canvas.figures;
    figures.clear();
    for (const QPolygonF& figure : area.toSubpathPolygons()) figures.addFigure(pixelCorners(canvas, figure));
    raster.fillFigures(figures, rule, ShapeRaster::kFill);
}

// The outline of one figure of straight lines, its corners given, as Polyline and Polygon draw
// it; a closed figure's corners end with the first one again.
void outline(CanvasImpl& canvas, ShapeRaster& raster, std::span<const TPoint> points, std::span<const QPoint> corners,
             bool closed) {
    if (!hasOutline(canvas)) return;
    if (isThin(canvas.pen)) {
        walkThin(canvas, raster, corners);
        return;
    }
    const QPainterPath centred = figurePath(points, closed, kPixelCentre);
    if (!centred.isEmpty()) strokeWide(canvas, raster, centred);
}

// The corners of points in the canvas's reused buffer, the first repeated at the end when closed.
std::span<const QPoint> cornersOf(CanvasImpl& canvas, std::span<const TPoint> points, bool closed) {
    std::vector<QPoint>& corners = canvas.corners;
    corners.clear();
    for (const TPoint& p : points) corners.emplace_back(p.X, p.Y);
    if (closed) corners.push_back(corners.front());
    return corners;
}

// The inks of a shape's lines: the pen, and the brush's colour in the gaps of a styled pen.
void setLineInks(const CanvasImpl& canvas, ShapeRaster& raster) {
    raster.setInk(ShapeRaster::kPen, Ink::solid(canvas.pen.Color()));
    raster.setInk(ShapeRaster::kGap, Ink::solid(canvas.brush.Color()));
}

// A shape through the pen's mode: the fill (when given and the brush is not clear), then the
// outline. A new shape starts its dash pattern afresh.
void drawShape(CanvasImpl& canvas, const QPainterPath* fill, const QPainterPath& geometry) {
    ShapeRaster raster(canvas, canvas.pen.Mode());
    setLineInks(canvas, raster);
    if (fill != nullptr) {
        if (const std::optional<Ink> ink = Ink::ofBrush(canvas.brush)) {
            raster.setInk(ShapeRaster::kFill, *ink);
            fillArea(canvas, raster, *fill, fill->fillRule());
        }
    }
    canvas.dash = {};
    outline(canvas, raster, geometry);
}

// The brush alone through copy, for FillRect and FrameRect.
void fillWithBrush(CanvasImpl& canvas, const QPainterPath& area) {
    const std::optional<Ink> ink = Ink::ofBrush(canvas.brush);
    if (!ink) return;
    ShapeRaster raster(canvas, pmCopy);
    raster.setInk(ShapeRaster::kFill, *ink);
    raster.fill(area, ShapeRaster::kFill);
}

// A wide inside-frame pen moves a box's outline inwards, so that the stroke stays inside the box.
bool isInsetFrame(const TPen& pen) { return pen.Style() == psInsideFrame && !isThin(pen); }

QRectF insetBox(const TPen& pen, QRectF box) {
    const qreal inset = std::min({(penWidth(pen) - 1) / 2.0, box.width() / 2, box.height() / 2});
    box.adjust(inset, inset, -inset, -inset);
    return box;
}

// A rectangle or an ellipse (put into a path by addShape) in the box of its outermost pixels:
// filled there, and outlined there unless the pen is an inset frame.
template <typename AddShape>
void drawBoxed(CanvasImpl& canvas, int x1, int y1, int x2, int y2, AddShape addShape) {
    // Corners rather than sizes: a box across the whole coordinate range is wider than an int.
    const QRectF box(QPointF(x1, y1), QPointF(x2 - 1, y2 - 1));
    QPainterPath fill;
    addShape(fill, box);
    if (!isInsetFrame(canvas.pen)) {
        drawShape(canvas, &fill, fill);
        return;
    }
    QPainterPath geometry;
    addShape(geometry, insetBox(canvas.pen, box));
    drawShape(canvas, &fill, geometry);
}

struct TextLayout {
    const QFont* font = nullptr;
    QString text;
    int width = 0;
    int height = 0;
    int ascent = 0;
};

TextLayout layoutText(CanvasImpl& canvas, const AnsiString& text) {
    const tk::TextFonts::Font& font = canvas.fonts.of(canvas.font);
    TextLayout layout;
    layout.font = &font.font;
    layout.text = QString::fromStdString(tk::toUtf8(text));
    layout.width = canvas.fonts.width(canvas.font, text);
    layout.ascent = font.ascent;
    layout.height = font.ascent + font.descent;
    return layout;
}

// Text is copied whatever the pen's mode. Under a solid brush a plain text first fills its box,
// turned with the line; a clipped text (clipRect given) fills its clip rectangle instead.
void drawText(CanvasImpl& canvas, int x, int y, const TextLayout& layout, const QRect* clipRect) {
    QPainter* const painter = canvas.textPainter.open(canvas.image, canvas, clipRect);
    if (painter == nullptr) return;
    const QColor background = QColor::fromRgb(tk::pixelOfColor(canvas.brush.Color()));
    if (clipRect != nullptr && isOpaque(canvas.brush)) painter->fillRect(*clipRect, background);
    painter->translate(x, y);
    painter->rotate(-(canvas.font.Escapement() / 10.0));
    if (clipRect == nullptr && isOpaque(canvas.brush)) {
        painter->fillRect(QRect(0, 0, layout.width, layout.height), background);
    }
    painter->setRenderHint(QPainter::TextAntialiasing, tk::textAntialiasing());
    painter->setFont(*layout.font);
    painter->setPen(QColor::fromRgb(tk::pixelOfColor(canvas.font.Color())));
    painter->drawText(QPoint(0, layout.ascent), layout.text);
    painter->setPen(Qt::NoPen);
    painter->resetTransform();
}

} // namespace

TCanvas::TCanvas() : impl_(std::make_unique<tk::CanvasImpl>()) {}

TCanvas::~TCanvas() = default;

TPen* TCanvas::Pen() { return &impl_->pen; }
TBrush* TCanvas::Brush() { return &impl_->brush; }
TFont* TCanvas::Font() { return &impl_->font; }

TCopyMode TCanvas::CopyMode() const { return impl_->copyMode; }
void TCanvas::SetCopyMode(TCopyMode value) { impl_->copyMode = value; }
int TCanvas::PolyFillMode() const { return impl_->polyFillMode; }
void TCanvas::SetPolyFillMode(int value) { impl_->polyFillMode = value == WINDING ? WINDING : ALTERNATE; }
TPoint TCanvas::PenPos() const { return impl_->penPos; }
void TCanvas::SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }

TRect TCanvas::ClipRect() const {
    const QRect bounds = impl_->drawableRegion().boundingRect();
    return Rect(bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height());
}

void TCanvas::MoveTo(int x, int y) {
    impl_->penPos = Point(x, y);
    impl_->dash = {};
    if (impl_->inPath) impl_->path.moveTo(x, y);
}

void TCanvas::LineTo(int x, int y) {
    tk::CanvasImpl& canvas = *impl_;
    const TPoint from = canvas.penPos;
    canvas.penPos = Point(x, y);
    if (canvas.inPath) {
        if (canvas.path.elementCount() == 0) canvas.path.moveTo(from.X, from.Y);
        canvas.path.lineTo(x, y);
        return;
    }
    const TPoint ends[] = {from, canvas.penPos};
    ShapeRaster raster(canvas, canvas.pen.Mode());
    setLineInks(canvas, raster);
    outline(canvas, raster, ends, cornersOf(canvas, ends, /*closed=*/false), /*closed=*/false);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (points.size() < 2) return;
    if (impl_->inPath) {
        impl_->path.addPath(figurePath(points, /*closed=*/false));
        return;
    }
    tk::CanvasImpl& canvas = *impl_;
    ShapeRaster raster(canvas, canvas.pen.Mode());
    setLineInks(canvas, raster);
    canvas.dash = {};
    outline(canvas, raster, points, cornersOf(canvas, points, /*closed=*/false), /*closed=*/false);
}

void TCanvas::PolyBezier(std::span<const TPoint> points) {
    if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
    if (impl_->inPath) {
        addBeziers(impl_->path, points);
        return;
    }
    QPainterPath curve;
    addBeziers(curve, points);
    drawShape(*impl_, nullptr, curve);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.size() < 2) return;
    tk::CanvasImpl& canvas = *impl_;
    ShapeRaster raster(canvas, canvas.pen.Mode());
    setLineInks(canvas, raster);
    const std::span<const QPoint> corners = cornersOf(canvas, points, /*closed=*/true);
    if (const std::optional<Ink> ink = Ink::ofBrush(canvas.brush)) {
        raster.setInk(ShapeRaster::kFill, *ink);
        canvas.figures.clear();
        canvas.figures.addFigure(corners.first(points.size()));
        raster.fillFigures(canvas.figures, fillRule(canvas.polyFillMode), ShapeRaster::kFill);
    }
    canvas.dash = {};
    outline(canvas, raster, points, corners, /*closed=*/true);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 == x1 || y2 == y1) return;
    drawBoxed(*impl_, x1, y1, x2, y2, [](QPainterPath& path, const QRectF& box) { path.addRect(box); });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (std::int64_t{x2} - x1 < 2 || std::int64_t{y2} - y1 < 2) return;
    drawBoxed(*impl_, x1, y1, x2, y2, [](QPainterPath& path, const QRectF& box) { path.addEllipse(box); });
}

void TCanvas::FillRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QPainterPath area;
    area.addRect(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()));
    fillWithBrush(*impl_, area);
}

void TCanvas::FrameRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QPainterPath border;
    border.setFillRule(Qt::OddEvenFill);
    border.addRect(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()));
    if (rect.Width() > 2 && rect.Height() > 2) {
        border.addRect(QRectF(rect.Left + 1, rect.Top + 1, rect.Width() - 2, rect.Height() - 2));
    }
    fillWithBrush(*impl_, border);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    // The dots sit where x + y is even, so a frame drawn twice inverts each of them twice; each
    // border pixel is visited once, corners included.
    const auto invert = [this](int x, int y) {
        if (((x + y) & 1) != 0 || !impl_->isDrawable(x, y)) return;
        QRgb& pixel = reinterpret_cast<QRgb*>(impl_->image->scanLine(y))[x];
        pixel = 0xFF000000 | (~pixel & tk::kRgbMask);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        invert(x, rect.Top);
        if (rect.Height() > 1) invert(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        invert(rect.Left, y);
        if (rect.Width() > 1) invert(rect.Right - 1, y);
    }
}

TColor TCanvas::Pixels(int x, int y) const {
    if (!impl_->isDrawable(x, y)) return -1;
    return tk::colorOfPixel(impl_->image->pixel(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    if (!impl_->isDrawable(x, y)) return;
    reinterpret_cast<QRgb*>(impl_->image->scanLine(y))[x] = tk::pixelOfColor(color);
}

void TCanvas::BeginPath() {
    impl_->inPath = true;
    impl_->path = QPainterPath();
}

void TCanvas::EndPath() { impl_->inPath = false; }

void TCanvas::FillPath() {
    tk::CanvasImpl& canvas = *impl_;
    canvas.inPath = false;
    const QPainterPath area = std::exchange(canvas.path, QPainterPath());
    const std::optional<Ink> ink = Ink::ofBrush(canvas.brush);
    if (area.isEmpty() || !ink) return;
    ShapeRaster raster(canvas, canvas.pen.Mode());
    raster.setInk(ShapeRaster::kFill, *ink);
    fillArea(canvas, raster, area, fillRule(canvas.polyFillMode));
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    const TextLayout layout = layoutText(*impl_, text);
    drawText(*impl_, x, y, layout, nullptr);
    // A text running past the coordinate range leaves the pen at its end.
    const std::int64_t end = std::int64_t{x} + layout.width;
    impl_->penPos = Point(static_cast<int>(std::clamp<std::int64_t>(end, std::numeric_limits<int>::min(),
                                                                   std::numeric_limits<int>::max())),
                          y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const AnsiString& text) {
    const QRect clip(rect.Left, rect.Top, rect.Width(), rect.Height());
    drawText(*impl_, x, y, layoutText(*impl_, text), &clip);
}

TSize TCanvas::TextExtent(const AnsiString& text) {
    const tk::TextFonts::Font& font = impl_->fonts.of(impl_->font);
    return TSize{impl_->fonts.width(impl_->font, text), font.ascent + font.descent};
}

TTextMetric TCanvas::TextMetric() {
    const QFont& font = impl_->fonts.of(impl_->font).font;
    const QFontMetrics metrics(font);
    TTextMetric result;
    result.tmAscent = metrics.ascent();
    result.tmDescent = metrics.descent();
    result.tmHeight = result.tmAscent + result.tmDescent;
    result.tmInternalLeading = std::max(0, result.tmHeight - font.pixelSize());
    result.tmExternalLeading = std::max(0, metrics.leading());
    result.tmAveCharWidth = metrics.averageCharWidth();
    return result;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, Rect(x, y, x + graphic.Width(), y + graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (!source.impl_->hasSurface()) return;
    tk::stretchBlt(*impl_, dest, *source.impl_->image, sourceRect, impl_->copyMode, std::nullopt);
}
