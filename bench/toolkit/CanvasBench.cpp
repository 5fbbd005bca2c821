// The canvas against QPainter: each BM_Name draws a batch of the scene's primitives through a
// TCanvas on a full-HD bitmap; BM_Name_Baseline draws the same primitives straight with QPainter
// on a QImage, which is the cost the canvas's pixel rules are measured against.
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "Scene.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

using bench::Figure;
using bench::qtColor;
using bench::scene;

constexpr int kIconSize = 24;
constexpr int kDotRadius = 3;

// A full-HD bitmap whose canvas the benchmark draws on.
class Frame {
public:
    Frame() {
        bitmap_.SetSize(bench::kFrameWidth, bench::kFrameHeight);
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect(Rect(0, 0, bench::kFrameWidth, bench::kFrameHeight));
    }
    TCanvas& canvas() { return *bitmap_.Canvas(); }

private:
    TBitmap bitmap_;
};

QImage baselineFrame() {
    QImage image(bench::kFrameWidth, bench::kFrameHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void countItems(benchmark::State& state, std::size_t perIteration) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(perIteration));
}

// Buildings in the pen mode given (pmCopy, or pmXor as a rubber band draws them); XOR on the
// baseline is QPainter's raster operation.
void BM_Polygons(benchmark::State& state) {
    Frame frame;
    TCanvas& canvas = frame.canvas();
    canvas.Pen()->SetMode(static_cast<TPenMode>(state.range(0)));
    for (auto _ : state) {
        for (const Figure& f : scene().buildings) {
            canvas.Pen()->SetColor(f.line);
            canvas.Brush()->SetColor(f.fill);
            canvas.Polygon(f.points);
        }
    }
    countItems(state, scene().buildings.size());
}

void BM_Polygons_Baseline(benchmark::State& state) {
    const bool isXor = state.range(0) == pmXor;
    QImage image = baselineFrame();
    for (auto _ : state) {
        QPainter painter(&image);
        if (isXor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        for (const Figure& f : scene().buildings) {
            painter.setPen(QPen(QColor::fromRgb(qtColor(f.line)), 1));
            painter.setBrush(QColor::fromRgb(qtColor(f.fill)));
            painter.drawPolygon(f.qpoints.data(), static_cast<int>(f.qpoints.size()));
        }
    }
    countItems(state, scene().buildings.size());
}

// Streets with geometric pens in the end cap given (pecRound, pecSquare), at their own widths or,
// with a second argument of 1, all one pixel wide as a whole-city view draws them.
int streetWidth(const benchmark::State& state, const Figure& street) { return state.range(1) == 1 ? 1 : street.width; }

void BM_WidePolylines(benchmark::State& state) {
    const auto cap = static_cast<TPenEndCap>(state.range(0));
    Frame frame;
    TCanvas& canvas = frame.canvas();
    for (auto _ : state) {
        for (const Figure& f : scene().streets) {
            canvas.Pen()->SetGeometric(psSolid, streetWidth(state, f), cap, f.line);
            canvas.Polyline(f.points);
        }
    }
    countItems(state, scene().streets.size());
}

void BM_WidePolylines_Baseline(benchmark::State& state) {
    const Qt::PenCapStyle cap = state.range(0) == pecSquare ? Qt::SquareCap : Qt::RoundCap;
    QImage image = baselineFrame();
    for (auto _ : state) {
        QPainter painter(&image);
        for (const Figure& f : scene().streets) {
            painter.setPen(QPen(QColor::fromRgb(qtColor(f.line)), streetWidth(state, f), Qt::SolidLine, cap, Qt::RoundJoin));
            painter.drawPolyline(f.qpoints.data(), static_cast<int>(f.qpoints.size()));
        }
    }
    countItems(state, scene().streets.size());
}

void BM_HatchedPolygons(benchmark::State& state) {
    const auto style = static_cast<TBrushStyle>(state.range(0));
    Frame frame;
    TCanvas& canvas = frame.canvas();
    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetStyle(style);
    for (auto _ : state) {
        for (const Figure& f : scene().parks) {
            canvas.Brush()->SetColor(f.fill);
            canvas.Polygon(f.points);
        }
    }
    countItems(state, scene().parks.size());
}

void BM_HatchedPolygons_Baseline(benchmark::State& state) {
    const Qt::BrushStyle style = state.range(0) == bsCross ? Qt::CrossPattern : Qt::FDiagPattern;
    QImage image = baselineFrame();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        for (const Figure& f : scene().parks) {
            painter.setBrush(QBrush(QColor::fromRgb(qtColor(f.fill)), style));
            painter.drawPolygon(f.qpoints.data(), static_cast<int>(f.qpoints.size()));
        }
    }
    countItems(state, scene().parks.size());
}

void BM_RotatedText(benchmark::State& state) {
    Frame frame;
    TCanvas& canvas = frame.canvas();
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetName("Arial Cyr");
    canvas.Font()->SetColor(clBlack);
    for (auto _ : state) {
        for (const bench::Label& label : scene().labels) {
            canvas.Font()->SetHeight(-label.height);
            canvas.Font()->SetEscapement(label.escapement);
            canvas.TextOut(label.at.X, label.at.Y, label.text);
        }
    }
    countItems(state, scene().labels.size());
}

void BM_RotatedText_Baseline(benchmark::State& state) {
    QImage image = baselineFrame();
    QFont font("Liberation Sans");
    font.setHintingPreference(QFont::PreferFullHinting);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        for (const bench::Label& label : scene().labels) {
            font.setPixelSize(label.height);
            painter.setFont(font);
            painter.translate(label.at.X, label.at.Y);
            painter.rotate(-label.escapement / 10.0);
            painter.drawText(QPoint(0, painter.fontMetrics().ascent()), label.qtext);
            painter.resetTransform();
        }
    }
    countItems(state, scene().labels.size());
}

// Point objects as the map draws them: small filled and outlined circles.
void BM_PixelSets(benchmark::State& state) {
    Frame frame;
    TCanvas& canvas = frame.canvas();
    const bench::Scene& s = scene();
    for (auto _ : state) {
        for (std::size_t i = 0; i < s.dots.size(); ++i) {
            const TPoint at = s.dots[i];
            canvas.Pen()->SetColor(s.pixelColors[i]);
            canvas.Brush()->SetColor(s.pixelColors[i]);
            canvas.Ellipse(at.X - kDotRadius, at.Y - kDotRadius, at.X + kDotRadius, at.Y + kDotRadius);
        }
    }
    countItems(state, s.dots.size());
}

void BM_PixelSets_Baseline(benchmark::State& state) {
    QImage image = baselineFrame();
    const bench::Scene& s = scene();
    for (auto _ : state) {
        QPainter painter(&image);
        for (std::size_t i = 0; i < s.dots.size(); ++i) {
            const TPoint at = s.dots[i];
            const QColor color = QColor::fromRgb(qtColor(s.pixelColors[i]));
            painter.setPen(QPen(color, 1));
            painter.setBrush(color);
            painter.drawEllipse(QRect(at.X - kDotRadius, at.Y - kDotRadius, 2 * kDotRadius, 2 * kDotRadius));
        }
    }
    countItems(state, s.dots.size());
}

void BM_Pixels(benchmark::State& state) {
    Frame frame;
    TCanvas& canvas = frame.canvas();
    const bench::Scene& s = scene();
    for (auto _ : state) {
        for (std::size_t i = 0; i < s.pixels.size(); ++i) canvas.SetPixels(s.pixels[i].X, s.pixels[i].Y, s.pixelColors[i]);
    }
    countItems(state, s.pixels.size());
}

void BM_Pixels_Baseline(benchmark::State& state) {
    QImage image = baselineFrame();
    const bench::Scene& s = scene();
    for (auto _ : state) {
        for (std::size_t i = 0; i < s.pixels.size(); ++i) {
            image.setPixel(s.pixels[i].X, s.pixels[i].Y, qtColor(s.pixelColors[i]));
        }
    }
    countItems(state, s.pixels.size());
}

// A round red marker on an aqua ground that is drawn transparent.
void paintIcon(TBitmap& icon) {
    icon.SetSize(kIconSize, kIconSize);
    TCanvas& c = *icon.Canvas();
    c.Brush()->SetColor(clAqua);
    c.FillRect(Rect(0, 0, kIconSize, kIconSize));
    c.Brush()->SetColor(clRed);
    c.Ellipse(2, 2, kIconSize - 2, kIconSize - 2);
    icon.SetTransparent(true);
}

void BM_Blit(benchmark::State& state) {
    TBitmap icon;
    paintIcon(icon);
    Frame frame;
    TCanvas& canvas = frame.canvas();
    for (auto _ : state) {
        for (const TPoint& at : scene().icons) canvas.Draw(at.X, at.Y, icon);
    }
    countItems(state, scene().icons.size());
}

void BM_Blit_Baseline(benchmark::State& state) {
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::red);
        painter.drawEllipse(2, 2, kIconSize - 5, kIconSize - 5);
    }
    QImage image = baselineFrame();
    for (auto _ : state) {
        QPainter painter(&image);
        for (const TPoint& at : scene().icons) painter.drawImage(at.X, at.Y, icon);
    }
    countItems(state, scene().icons.size());
}

// Real time, as Qt may hand large fills to worker threads.
BENCHMARK(BM_Polygons)->Arg(pmCopy)->Arg(pmXor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Polygons_Baseline)->Arg(pmCopy)->Arg(pmXor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WidePolylines)->ArgsProduct({{pecRound, pecSquare}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WidePolylines_Baseline)->ArgsProduct({{pecRound, pecSquare}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HatchedPolygons)->Arg(bsFDiagonal)->Arg(bsCross)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HatchedPolygons_Baseline)->Arg(bsFDiagonal)->Arg(bsCross)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RotatedText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RotatedText_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PixelSets)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PixelSets_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pixels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pixels_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Blit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Blit_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
