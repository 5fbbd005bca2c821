// DrawText against QPainter: a column of list cells, each a firm's name centred and wrapped onto
// two lines, as the firm list draws every name. Both sides use the same Qt font, the same text,
// the same cell rectangles and the same wrapping, which the set-up checks before timing.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "toolkit/DrawText.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

namespace {

constexpr int kCellWidth = 110;
constexpr int kCellHeight = 34;
constexpr int kCells = 30;
constexpr unsigned kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

const AnsiString& cellText() {
    static const AnsiString text = tk::fromUtf8("Строительная компания");
    return text;
}

struct Column {
    TBitmap bitmap;
    QImage baseline{kCellWidth, kCellHeight * kCells, QImage::Format_RGB32};
    QFont font;
    QString text = QString::fromStdString(tk::toUtf8(cellText()));

    Column() {
        bitmap.SetSize(kCellWidth, kCellHeight * kCells);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetStyle(bsClear);
        font = canvas.Impl().fonts.of(canvas.Impl().font).font;
        baseline.fill(Qt::white);
        checkSameWork(canvas);
    }

    // Both sides must break the text into the same two lines.
    void checkSameWork(TCanvas& canvas) const {
        TRect measured = Rect(0, 0, kCellWidth, kCellHeight);
        const int height = DrawText(canvas, cellText(), measured, kFormat | DT_CALCRECT);
        const QFontMetrics metrics(font);
        const QRect qtBounds = metrics.boundingRect(QRect(0, 0, kCellWidth, kCellHeight),
                                                    Qt::AlignHCenter | Qt::TextWordWrap, text);
        const int ours = height / canvas.TextHeight(cellText());
        const int qts = qtBounds.height() / metrics.height();
        if (ours != 2 || qts != 2) {
            std::fprintf(stderr, "DrawText bench: lines differ (ours %d, Qt %d)\n", ours, qts);
            std::abort();
        }
    }
};

void BM_DrawTextWordBreak(benchmark::State& state) {
    Column column;
    TCanvas& canvas = *column.bitmap.Canvas();
    for (auto _ : state) {
        for (int i = 0; i < kCells; ++i) {
            TRect cell = Rect(0, i * kCellHeight, kCellWidth, (i + 1) * kCellHeight);
            benchmark::DoNotOptimize(DrawText(canvas, cellText(), cell, kFormat));
        }
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}

void BM_DrawTextWordBreak_Baseline(benchmark::State& state) {
    Column column;
    for (auto _ : state) {
        QPainter painter(&column.baseline);
        painter.setFont(column.font);
        painter.setPen(Qt::black);
        for (int i = 0; i < kCells; ++i) {
            const QRect cell(0, i * kCellHeight, kCellWidth, kCellHeight);
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, column.text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}

} // namespace

BENCHMARK(BM_DrawTextWordBreak)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DrawTextWordBreak_Baseline)->Unit(benchmark::kMicrosecond)->UseRealTime();
