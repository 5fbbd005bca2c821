// Culling and drawing of map objects. Culling takes the objects whose frame meets the window and
// that are large enough to see; drawing sets the canvas up from each record's pen and brush and
// draws its shape, then its house number. The per-object loop neither allocates nor logs: the
// pixel array is sized while culling, before the loop.
#include "map/MapRenderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "map/MapGeometry.h"
#include "map/Rounding.h"
#include "map/TKexMapList.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/LineDDA.h"

namespace mapi {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Pen and brush ordinals from the stream, kept inside the toolkit's enumerations.
TPenStyle penStyleOf(uint8_t style) {
    return style <= psInsideFrame ? static_cast<TPenStyle>(style) : psSolid;
}
TBrushStyle brushStyleOf(uint8_t style) {
    return style <= bsDiagCross ? static_cast<TBrushStyle>(style) : bsSolid;
}

int levelOf(int32_t plane) {
    return std::clamp(plane, -32, 32) + 32;
}

// Pixel sets draw each point as a circle of this radius in world units; nothing gives it another
// value, so the circles are empty.
constexpr float kPixelSetRadius = 0.0f;

// Half of the circle constant 4(sqrt(2) - 1) / 3 of a Bezier quarter circle.
constexpr double kBezierCircle = 0.2761423749154;

// The point at distance d from a towards b, rounded to pixels.
TPoint along(TPoint a, TPoint b, double d) {
    int x = 0;
    int y = 0;
    PointAlongSegment(x, y, static_cast<float>(a.X), static_cast<float>(a.Y),
                      static_cast<float>(b.X), static_cast<float>(b.Y), static_cast<float>(d));
    return Point(x, y);
}

double distance(TPoint a, TPoint b) {
    return std::hypot(static_cast<double>(b.X - a.X), static_cast<double>(b.Y - a.Y));
}

// Outcode of a pixel against the client area 0..width, 0..height.
int pixelCode(int x, int y, int width, int height) {
    return OutCode(0, 0, static_cast<float>(width), static_cast<float>(height),
                   static_cast<float>(x), static_cast<float>(y));
}

// Moves (x, y) onto each edge it lies beyond, left, top, right, bottom in turn, the other
// coordinate interpolated along the segment towards (ox, oy) and truncated.
void moveOntoEdges(int code, int& x, int& y, int ox, int oy, int width, int height) {
    const auto interpolate = [](int from, int to, int edge, int start, int end) {
        return truncToInt(from + static_cast<double>(to - from) *
                                     (static_cast<double>(edge) - start) /
                                     (static_cast<double>(end) - start));
    };
    const auto onVertical = [&](int edge) {
        if (ox != x)
            y = interpolate(y, oy, edge, x, ox);
        x = edge;
    };
    const auto onHorizontal = [&](int edge) {
        if (oy != y)
            x = interpolate(x, ox, edge, y, oy);
        y = edge;
    };
    if (code & 1)
        onVertical(0);
    if (code & 2)
        onHorizontal(0);
    if (code & 4)
        onVertical(width);
    if (code & 8)
        onHorizontal(height);
}

} // namespace

MapRenderer::MapRenderer(MapModel& model, const tKexMapOptions& options, MapIconSource& icons,
                         RenderEvents events)
    : model_(model), options_(options), icons_(icons), events_(events), pixels_(kPixelRoom) {
    categories_.set();
}

void MapRenderer::SetView(const Viewport& view) {
    view_ = view;
    view_.Scale = std::max(view.Scale, 1);
    zoom_ = static_cast<float>(view_.Scale * 0.01L);
    sizeZoom_ = view_.Scale / 100.0;
    SetZoomFactor(1.0f);
}

void MapRenderer::SetZoomFactor(float factor) {
    factor_ = factor;
    transform_ = ViewTransform(view_.XWind, view_.YWind, view_.Scale, factor);
}

void MapRenderer::SetView(const Viewport& view, double pixelsPerUnit) {
    SetView(view);
    zoom_ = static_cast<float>(pixelsPerUnit);
    sizeZoom_ = pixelsPerUnit;
    // Points take the zoom as the transform's factor over 100 percent; sizes keep factor 1.
    transform_ = ViewTransform(view_.XWind, view_.YWind, 100, zoom_);
}

bool MapRenderer::GetCategoryVisible(int category) const {
    return category >= 0 && category < kCategoryCount &&
           categories_.test(static_cast<std::size_t>(category));
}

void MapRenderer::SetCategoryVisible(int category, bool value) {
    if (category >= 0 && category < kCategoryCount)
        categories_.set(static_cast<std::size_t>(category), value);
}

// ---- culling ----

void MapRenderer::CollectVisibleObjects(const WorldRect& window) {
    if (culling_)
        return;
    culling_ = true;
    const Clock::time_point start = Clock::now();
    collected_ = 0;
    largestPointList_ = 0;
    for (std::vector<int>& level : levels_)
        level.clear();
    window_ = window;
    const TKexMapList& objects = model_.Objects();
    TKexMapIndex& index = model_.Content().Index;
    if (model_.UseIndex() && index.Active()) {
        for (const int i : index.QueryDistinct(window.x1, window.y1, window.x2, window.y2))
            if (isCandidate(objects[i]))
                take(i, objects[i]);
    } else {
        for (int i = 0; i < objects.Count(); ++i) {
            if (isCandidate(objects[i]))
                take(i, objects[i]);
        }
    }
    if (pixels_.size() < largestPointList_)
        pixels_.resize(largestPointList_);
    timings_.CullMs = millisecondsSince(start);
    culling_ = false;
}

bool MapRenderer::isCandidate(const TKEXMapObjectMem& record) {
    if (filter_) {
        if (!GetCategoryVisible(record.Category))
            return false;
        if (events_.OnFilteredObject && *events_.OnFilteredObject) {
            bool visible = true;
            (*events_.OnFilteredObject)(record, visible);
            if (!visible)
                return false;
        }
    }
    if (!meetsWindow(record))
        return false;
    if (record.Kind == kindZametka)
        return view_.Scale >= minZametka_;
    return isLargeEnough(record);
}

bool MapRenderer::isLargeEnough(const TKEXMapObjectMem& record) const {
    const float limit = static_cast<float>(options_.ObjectView());
    return std::abs(record.Corners[2].x - record.Corners[0].x) * zoom_ > limit ||
           std::abs(record.Corners[2].y - record.Corners[0].y) * zoom_ > limit;
}

void MapRenderer::take(int index, const TKEXMapObjectMem& record) {
    levels_[static_cast<std::size_t>(levelOf(record.Plane))].push_back(index);
    ++collected_;
    reservePixels(record);
}

// Keeps track of the longest point list the drawing will convert, children of groups included.
void MapRenderer::reservePixels(const TKEXMapObjectMem& record) {
    if (const TKexMapList* children = record.Children()) {
        for (int i = 0; i < children->Count(); ++i)
            reservePixels((*children)[i]);
        return;
    }
    largestPointList_ = std::max(largestPointList_, record.Points().size());
}

bool MapRenderer::IsObjectVisible(int index) const {
    const TKexMapList& objects = model_.Objects();
    return index >= 0 && index < objects.Count() && meetsWindow(objects[index]);
}

bool MapRenderer::meetsWindow(const TKEXMapObjectMem& record) const {
    return (ClipCode(record.Corners[0].x, record.Corners[0].y) &
            ClipCode(record.Corners[2].x, record.Corners[2].y)) == 0;
}

int MapRenderer::ClipCode(float x, float y) const {
    return OutCode(window_.x1, window_.y1, window_.x2, window_.y2, x, y);
}

// ---- drawing ----

void MapRenderer::DrawLevels(TCanvas& canvas) {
    const Clock::time_point start = Clock::now();
    timings_.Primitives = 0;
    const TKexMapList& objects = model_.Objects();
    for (const std::vector<int>& level : levels_) {
        for (int i : level) {
            if (i < objects.Count())
                drawRecord(objects[i], canvas);
        }
    }
    timings_.DrawMs = millisecondsSince(start);
}

void MapRenderer::DrawObject(const TKEXMapObjectMem& record, TCanvas& canvas) {
    largestPointList_ = 0;
    reservePixels(record);
    if (pixels_.size() < largestPointList_)
        pixels_.resize(largestPointList_);
    drawRecord(record, canvas);
}

void MapRenderer::FillBackground(TCanvas& canvas, const TRect& rect, TColor color,
                                 const TBitmap* grass) {
    const Clock::time_point start = Clock::now();
    TBrush& brush = *canvas.Brush();
    brush.SetColor(color);
    brush.SetStyle(bsSolid);
    brush.SetBitmap(grass);
    canvas.FillRect(rect);
    brush.SetBitmap(nullptr);
    timings_.BackgroundMs = millisecondsSince(start);
}

WorldPoint MapRenderer::toScreen(WorldPoint p) const {
    transform_.MapToScreen(p.x, p.y);
    return p;
}

TPoint MapRenderer::toPixel(WorldPoint p) const {
    const WorldPoint s = toScreen(p);
    return Point(roundToInt(s.x), roundToInt(s.y));
}

std::span<TPoint> MapRenderer::toPixels(std::span<const WorldPoint> points) {
    const int n = transform_.MapToScreenPoints(points, pixels_);
    return {pixels_.data(), static_cast<std::size_t>(n)};
}

void MapRenderer::setUpPen(const TKEXMapObjectMem& record, TCanvas& canvas) const {
    TPen& pen = *canvas.Pen();
    pen.SetWidth(record.Pen.Width > 0 ? roundToInt(record.Pen.Width * sizeZoom_ * factor_) : 1);
    pen.SetColor(static_cast<TColor>(record.Pen.Color));
    pen.SetStyle(penStyleOf(record.Pen.Style));
    pen.SetMode(pmCopy);
}

void MapRenderer::paintObject(const TKEXMapObjectMem& record, TCanvas& canvas) const {
    if (events_.OnPaintObject && *events_.OnPaintObject)
        (*events_.OnPaintObject)(record, canvas.Pen(), canvas.Brush());
}

void MapRenderer::drawRecord(const TKEXMapObjectMem& record, TCanvas& canvas) {
    if (record.Kind == kindGroup) {
        const TKexMapList* children = record.Children();
        for (int i = 0; children && i < children->Count(); ++i) {
            const TKEXMapObjectMem& child = (*children)[i];
            if (child.Kind == kindZametka || isLargeEnough(child))
                drawRecord(child, canvas);
        }
        return;
    }
    setUpPen(record, canvas);
    TBrush& brush = *canvas.Brush();
    switch (record.Kind) {
    case kindPolygon: {
        brush.SetColor(static_cast<TColor>(record.Brush.Color));
        brush.SetStyle(brushStyleOf(record.Brush.Style));
        const std::span<TPoint> points = toPixels(record.Points());
        paintObject(record, canvas);
        canvas.Polygon(points);
        ++timings_.Primitives;
        break;
    }
    case kindPolyline:
        if (record.Pen.Caps == -1 && events_.OnPixelLineEvent && *events_.OnPixelLineEvent) {
            const std::span<TPoint> points = toPixels(record.Points());
            paintObject(record, canvas);
            for (std::size_t i = 1; i < points.size(); ++i) {
                const TPoint a = points[i - 1];
                const TPoint b = points[i];
                pixelLineObject_ = &record;
                DrawPixelLine(canvas, a.X, a.Y, b.X, b.Y);
            }
            pixelLineObject_ = nullptr;
            ++timings_.Primitives;
            return;
        }
        drawPolyline(record, canvas);
        ++timings_.Primitives;
        break;
    case kindPixels: {
        brush.SetColor(static_cast<TColor>(record.Brush.Color));
        brush.SetStyle(bsSolid);
        paintObject(record, canvas);
        for (const WorldPoint p : record.Points()) {
            const TPoint a = toPixel({p.x - kPixelSetRadius, p.y - kPixelSetRadius});
            const TPoint b = toPixel({p.x + kPixelSetRadius, p.y + kPixelSetRadius});
            canvas.Ellipse(a.X, a.Y, b.X, b.Y);
            ++timings_.Primitives;
        }
        break;
    }
    case kindText:
        if (!drawText(record, canvas))
            return;
        ++timings_.Primitives;
        break;
    case kindBitmap:
    case kindBezier:
        break;
    case kindEllipse: {
        brush.SetColor(static_cast<TColor>(record.Brush.Color));
        brush.SetStyle(brushStyleOf(record.Brush.Style));
        const std::span<TPoint> corners = toPixels(record.Points());
        paintObject(record, canvas);
        if (corners.size() >= 4) {
            DrawBezierEllipse(canvas, corners[0], corners[1], corners[2], corners[3]);
            ++timings_.Primitives;
        }
        break;
    }
    case kindZametka:
        if (notesShown_ && record.Note()) {
            drawNote(record, canvas);
            ++timings_.Primitives;
        }
        return;
    default:
        return;
    }
    drawHouseNumber(record, canvas);
}

void MapRenderer::drawPolyline(const TKEXMapObjectMem& record, TCanvas& canvas) {
    const std::span<TPoint> points = toPixels(record.Points());
    paintObject(record, canvas);
    // Caps 1 ends square; round ends for 0 and for every value without an end style of its own.
    TPen& pen = *canvas.Pen();
    pen.SetGeometric(pen.Style(), std::max(pen.Width(), 1),
                     record.Pen.Caps == 1 ? pecSquare : pecRound, pen.Color());
    canvas.Polyline(points);
}

// False when the text is too small to read and so is not drawn (nor labelled).
bool MapRenderer::drawText(const TKEXMapObjectMem& record, TCanvas& canvas) {
    const TKEXMapText* text = record.Text();
    if (!text)
        return false;
    const int height = -truncToInt(text->Size * sizeZoom_ * factor_);
    if (height >= -6)
        return false;
    TBrush& brush = *canvas.Brush();
    brush.SetColor(static_cast<TColor>(record.Brush.Color));
    brush.SetStyle(brushStyleOf(record.Brush.Style));
    TFont& font = *canvas.Font();
    font.SetHeight(height);
    font.SetEscapement(text->Angle);
    font.SetOrientation(text->Angle);
    font.SetStyle({});
    font.SetCharset(RUSSIAN_CHARSET);
    font.SetName(text->FontIndex == 1 ? options_.FontSystem1() : options_.FontSystem());
    font.SetColor(static_cast<TColor>(record.Pen.Color));
    const TPoint anchor = toPixel(text->Anchor);
    paintObject(record, canvas);
    canvas.TextOut(anchor.X, anchor.Y, text->Text.str());
    return true;
}

void MapRenderer::drawNote(const TKEXMapObjectMem& record, TCanvas& canvas) {
    const TKEXMapZametka* note = record.Note();
    if (!note)
        return;
    const WorldPoint at = toScreen(note->Anchor);
    const TBitmap& icon = icons_.GetMapIcon(note->LibName.str(), note->PicName.str());
    // The icon keeps its own size whatever the zoom.
    const int w = roundToInt(icon.Width() * double{factor_});
    const int h = roundToInt(icon.Height() * double{factor_});
    const int left = roundToInt(at.x - w / 2.0);
    const int top = roundToInt(at.y - h / 2.0);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Brush()->SetColor(clBlack);
    canvas.SetCopyMode(cmSrcCopy);
    canvas.StretchDraw(Rect(left, top, left + w, top + h), icon);
}

void MapRenderer::drawHouseNumber(const TKEXMapObjectMem& record, TCanvas& canvas) {
    if (!record.HasAddress() || !options_.mpNumberDom() ||
        !(view_.Scale > options_.MinScaleAddress()))
        return;
    const WorldPoint c0 = record.Corners[0];
    const WorldPoint c2 = record.Corners[2];
    const WorldPoint at =
        toScreen({c0.x + std::abs(c2.x - c0.x) / 2, c0.y + std::abs(c2.y - c0.y) / 2});
    TFont& font = *canvas.Font();
    font.SetColor(ContrastColor(static_cast<TColor>(record.Brush.Color)));
    font.SetName(options_.FontSystem());
    font.SetSize(options_.mpNumberDomSizeFont());
    // A text drawn before may have turned the font; house numbers stand upright.
    font.SetEscapement(0);
    font.SetOrientation(0);
    font.SetStyle({});
    TBrush& brush = *canvas.Brush();
    brush.SetColor(static_cast<TColor>(record.Brush.Color));
    brush.SetStyle(options_.mpNumberDomFill() ? bsSolid : bsClear);
    const AnsiString house = record.Address->House.str();
    const TSize extent = canvas.TextExtent(Trim(house));
    canvas.TextOut(roundToInt(at.x) - extent.cx / 2, roundToInt(at.y) - extent.cy / 2, house);
    ++timings_.Primitives;
}

TColor MapRenderer::ContrastColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    const int largest = std::max({GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)});
    return largest < 150 ? clWhite : clBlack;
}

void MapRenderer::DrawBezierEllipse(TCanvas& canvas, TPoint c0, TPoint c1, TPoint c2, TPoint c3) {
    const int w = roundToInt(distance(c0, c1));
    const int h = roundToInt(distance(c0, c3));
    const int kw = roundToInt(w * kBezierCircle);
    const int kh = roundToInt(h * kBezierCircle);
    std::array<TPoint, 13> p;
    p[0] = along(c0, c3, h / 2.0);
    p[3] = along(c0, c1, w / 2.0);
    p[6] = along(c1, c2, h / 2.0);
    p[9] = along(c3, c2, w / 2.0);
    p[1] = along(p[0], c0, kh);
    p[2] = along(p[3], c0, kw);
    p[4] = along(p[3], c1, kw);
    p[5] = along(p[6], c1, kh);
    p[7] = along(p[6], c2, kh);
    p[8] = along(p[9], c2, kw);
    p[10] = along(p[9], c3, kw);
    p[11] = along(p[0], c3, kh);
    p[12] = p[0];
    canvas.BeginPath();
    canvas.PolyBezier(p);
    canvas.EndPath();
    canvas.FillPath();
    canvas.PolyBezier(p);
}

void MapRenderer::DrawPixelLine(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    if (!events_.OnPixelLineEvent || !*events_.OnPixelLineEvent || !pixelLineObject_)
        return;
    const int width = view_.Width;
    const int height = view_.Height;
    int code1 = pixelCode(x1, y1, width, height);
    int code2 = pixelCode(x2, y2, width, height);
    // Each move puts an end on an edge; truncation may leave it a pixel off, so a few rounds
    // settle any segment and a segment that does not settle is dropped.
    for (int round = 0; (code1 | code2) != 0; ++round) {
        if ((code1 & code2) != 0 || round == 8)
            return;
        // Clip whichever end is outside; the walk still runs from the segment's first end.
        if (code1 != 0) {
            moveOntoEdges(code1, x1, y1, x2, y2, width, height);
            code1 = pixelCode(x1, y1, width, height);
        } else {
            moveOntoEdges(code2, x2, y2, x1, y1, width, height);
            code2 = pixelCode(x2, y2, width, height);
        }
    }
    const TPixelLineEvent& handler = *events_.OnPixelLineEvent;
    const TKEXMapObjectMem& record = *pixelLineObject_;
    const double koef = factor_;
    int counter = 0;
    LineDDA(x1, y1, x2, y2, [&](int x, int y) { handler(record, x, y, counter++, koef, &canvas); });
}

} // namespace mapi
