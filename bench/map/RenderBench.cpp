// Map rendering speed: a full RefreshMap of the sample city at 1920 x 1080 (whole map, Scale 100,
// Scale 400; sizes 1 and 10) beside a baseline that draws the same visible primitives straight
// with QPainter on a QImage, without any map logic; and a repaint of an unchanged map beside a
// plain copy of the picture.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/MapSettings.h"
#include "app/ProgramSettings.h"
#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
#include "map/TDataMap.h"
#include "map/TKexMapList.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TMemoryStream.h"

namespace {

// The object kinds (kindPolygon ...) belong to the map's helpers.
using namespace mapi;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void ensureApplication() {
    static std::unique_ptr<QApplication> application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        static int argc = 1;
        static char name[] = "bench_map";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

// One map control per city size, loaded with the main window's settings and fitted to the map.
TDataMap& cityMap(int size) {
    // The application first, so that it outlives the maps: they release fonts when they go.
    ensureApplication();
    static std::map<int, std::unique_ptr<TDataMap>> maps;
    std::unique_ptr<TDataMap>& map = maps[size];
    if (map)
        return *map;
    const std::string bytes =
        mapstream::WriteMapStream(city::cityDocument(city::buildCity(2003, size), 6));
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    map = std::make_unique<TDataMap>(nullptr);
    map->SetBounds(0, 0, kWidth, kHeight);
    app::applyMapSettings(*map);
    map->SetBackgroundColor(app::ProgramSettings{}.backgroundColor);
    map->LoadFromStream(stream);
    return *map;
}

// The view of a run: the whole map (scale 0) or a scale about the map's centre.
void setView(TDataMap& map, int scale, bool useIndex) {
    map.SetUseIndex(useIndex);
    const mapi::WorldRect& e = map.Model().MapExtent;
    map.ZoomToRect(e.x1, e.y1, e.x2, e.y2);
    if (scale > 0)
        map.SetScale(scale);
}

QColor qColor(uint32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// What the baseline draws: the visible objects' shapes in pixels, with their pens and brushes.
struct Primitive {
    enum class Kind { None, Polygon, Polyline, Ellipse, Text, Icon, Label };
    Kind kind = Kind::Polygon;
    QPolygon points;
    QPen pen;
    QBrush brush;
    QFont font;
    QString text;
    QPoint at;
    double angle = 0;
};

Qt::BrushStyle brushStyle(uint8_t style) {
    static constexpr Qt::BrushStyle kStyles[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return style < 8 ? kStyles[style] : Qt::SolidPattern;
}

Qt::PenStyle penStyle(uint8_t style) {
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                               Qt::SolidLine};
    return style < 7 ? kStyles[style] : Qt::SolidLine;
}

QPoint pixel(TDataMap& map, mapi::WorldPoint p) {
    map.MapToScreen(p.x, p.y);
    return QPoint(qRound(p.x), qRound(p.y));
}

// Whether a group's member is big enough to draw at the zoom, as the map decides.
bool largeEnough(const TKEXMapObjectMem& r, float zoom, float limit) {
    return std::abs(r.Corners[2].x - r.Corners[0].x) * zoom > limit ||
           std::abs(r.Corners[2].y - r.Corners[0].y) * zoom > limit;
}

void collect(TDataMap& map, const TKEXMapObjectMem& r, std::vector<Primitive>& out) {
    const double zoom = map.Scale() / 100.0;
    const tKexMapOptions& options = *map.Options();
    if (const TKexMapList* children = r.Children()) {
        for (int i = 0; i < children->Count(); ++i) {
            const TKEXMapObjectMem& child = (*children)[i];
            if (child.Kind == kindZametka || largeEnough(child, static_cast<float>(map.Scale() * 0.01L), static_cast<float>(options.ObjectView())))
                collect(map, child, out);
        }
        return;
    }
    Primitive p;
    p.pen =
        QPen(qColor(r.Pen.Color), r.Pen.Width > 0 ? qRound(r.Pen.Width * zoom) : 1,
             penStyle(r.Pen.Style), r.Pen.Caps == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin);
    p.brush = QBrush(qColor(r.Brush.Color), brushStyle(r.Brush.Style));
    for (mapi::WorldPoint w : r.Points())
        p.points << pixel(map, w);
    switch (r.Kind) {
    case kindPolygon:
        p.kind = Primitive::Kind::Polygon;
        break;
    case kindPolyline:
        p.kind = Primitive::Kind::Polyline;
        break;
    case kindEllipse:
        p.kind = Primitive::Kind::Ellipse;
        break;
    case kindPixels:
        // Each point is a circle of no radius.
        for (mapi::WorldPoint w : r.Points()) {
            Primitive dot = p;
            dot.kind = Primitive::Kind::Ellipse;
            dot.points = QPolygon() << pixel(map, w);
            out.push_back(dot);
        }
        p.kind = Primitive::Kind::None;
        break;
    case kindBitmap:
    case kindBezier:
        p.kind = Primitive::Kind::None; // drawn as nothing, but labelled
        break;
    case kindText: {
        const int height = static_cast<int>(r.Text()->Size * zoom);
        if (height < 7)
            return;
        p.kind = Primitive::Kind::Text;
        p.font = QFont(QString::fromStdString(tk::toUtf8(options.FontSystem())));
        p.font.setPixelSize(height);
        p.text = QString::fromStdString(tk::toUtf8(r.Text()->Text.str()));
        p.at = pixel(map, r.Text()->Anchor);
        p.angle = -r.Text()->Angle / 10.0;
        p.pen = QPen(qColor(r.Pen.Color));
        break;
    }
    case kindZametka:
        p.kind = Primitive::Kind::Icon;
        p.at = pixel(map, r.Note()->Anchor) - QPoint(16, 16);
        out.push_back(p);
        return;
    default:
        return;
    }
    if (p.kind != Primitive::Kind::None)
        out.push_back(p);
    if (r.HasAddress() && options.mpNumberDom() && map.Scale() > options.MinScaleAddress()) {
        Primitive label;
        label.kind = Primitive::Kind::Label;
        label.font = QFont(QString::fromStdString(tk::toUtf8(options.FontSystem())));
        label.font.setPointSize(options.mpNumberDomSizeFont());
        label.text = QString::fromStdString(r.Address->House.str());
        label.at = pixel(
            map, {(r.Corners[0].x + r.Corners[2].x) / 2, (r.Corners[0].y + r.Corners[2].y) / 2});
        out.push_back(label);
    }
}

// The primitives of the map's visible objects; the pair compares only when the map draws as many.
std::vector<Primitive> visiblePrimitives(TDataMap& map) {
    map.SetChanged();
    map.RefreshMap();
    std::vector<Primitive> out;
    for (int level = 0; level < mapi::MapRenderer::kLevelCount; ++level)
        for (int i : map.LevelLists(level))
            collect(map, map.Model().Objects()[i], out);
    if (static_cast<int>(out.size()) != map.Timings().Primitives) {
        std::fprintf(stderr, "the map draws %d primitives, its baseline %zu\n", map.Timings().Primitives, out.size());
        std::abort();
    }
    return out;
}

void drawBaseline(QImage& image, const QImage& icon, const std::vector<Primitive>& primitives) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0, 128, 0));
    for (const Primitive& p : primitives) {
        switch (p.kind) {
        case Primitive::Kind::None:
            break;
        case Primitive::Kind::Polygon:
            painter.setPen(p.pen);
            painter.setBrush(p.brush);
            painter.drawPolygon(p.points);
            break;
        case Primitive::Kind::Polyline:
            painter.setPen(p.pen);
            painter.drawPolyline(p.points);
            break;
        case Primitive::Kind::Ellipse:
            painter.setPen(p.pen);
            painter.setBrush(p.brush);
            painter.drawEllipse(p.points.boundingRect());
            break;
        case Primitive::Kind::Text:
            painter.save();
            painter.translate(p.at);
            painter.rotate(p.angle);
            painter.setFont(p.font);
            painter.setPen(p.pen);
            painter.drawText(QPoint(0, p.font.pixelSize()), p.text);
            painter.restore();
            break;
        case Primitive::Kind::Icon:
            painter.drawImage(p.at, icon);
            break;
        case Primitive::Kind::Label:
            painter.setFont(p.font);
            painter.setPen(Qt::black);
            painter.drawText(p.at, p.text);
            break;
        }
    }
}

void runMap(benchmark::State& state, int size, int scale, bool useIndex) {
    TDataMap& map = cityMap(size);
    setView(map, scale, useIndex);
    for (auto _ : state) {
        map.SetChanged();
        map.RefreshMap();
    }
    const mapi::RenderTimings& t = map.Timings();
    double objects = 0;
    for (int level = 0; level < mapi::MapRenderer::kLevelCount; ++level)
        objects += static_cast<double>(map.LevelLists(level).size());
    state.counters["objects"] = objects;
    state.counters["primitives"] = t.Primitives;
    state.counters["cull_ms"] = t.CullMs;
    state.counters["draw_ms"] = t.DrawMs;
    state.counters["scale"] = map.Scale();
}

void runBaseline(benchmark::State& state, int size, int scale, bool useIndex) {
    TDataMap& map = cityMap(size);
    setView(map, scale, useIndex);
    const std::vector<Primitive> primitives = visiblePrimitives(map);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::red);
    for (auto _ : state) {
        drawBaseline(image, icon, primitives);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["primitives"] = static_cast<double>(primitives.size());
}

void BM_RefreshWholeMap(benchmark::State& state) {
    runMap(state, 1, 0, false);
}
void BM_RefreshWholeMap_Baseline(benchmark::State& state) {
    runBaseline(state, 1, 0, false);
}
void BM_RefreshScale100(benchmark::State& state) {
    runMap(state, 1, 100, false);
}
void BM_RefreshScale100_Baseline(benchmark::State& state) {
    runBaseline(state, 1, 100, false);
}
void BM_RefreshScale400(benchmark::State& state) {
    runMap(state, 1, 400, false);
}
void BM_RefreshScale400_Baseline(benchmark::State& state) {
    runBaseline(state, 1, 400, false);
}

// Size 10: the grid index on, so that a zoomed-in view costs what its visible objects cost.
void BM_RefreshWholeMap10(benchmark::State& state) {
    runMap(state, 10, 0, true);
}
void BM_RefreshWholeMap10_Baseline(benchmark::State& state) {
    runBaseline(state, 10, 0, true);
}
void BM_RefreshScale100Size10(benchmark::State& state) {
    runMap(state, 10, 100, true);
}
void BM_RefreshScale100Size10_Baseline(benchmark::State& state) {
    runBaseline(state, 10, 100, true);
}
void BM_RefreshScale400Size10(benchmark::State& state) {
    runMap(state, 10, 400, true);
}
void BM_RefreshScale400Size10_Baseline(benchmark::State& state) {
    runBaseline(state, 10, 400, true);
}

// Nothing changed: the buffer comes back from the cache and is copied to the control's canvas
// with the overlays.
void BM_CachedRepaint(benchmark::State& state) {
    TDataMap& map = cityMap(1);
    setView(map, 0, false);
    map.Options()->SetmpGuideLines(false);
    map.RefreshMap();
    for (auto _ : state) {
        map.RefreshMap();
        map.PaintOverlays(Rect(0, 0, kWidth, kHeight));
    }
}
void BM_CachedRepaint_Baseline(benchmark::State& state) {
    ensureApplication();
    QImage cache(kWidth, kHeight, QImage::Format_RGB32);
    cache.fill(Qt::green);
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(0, 0, cache);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

BENCHMARK(BM_RefreshWholeMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWholeMap_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale100_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale400_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWholeMap10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWholeMap10_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale100Size10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale100Size10_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale400Size10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshScale400Size10_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedRepaint_Baseline)->Unit(benchmark::kMillisecond);

} // namespace
