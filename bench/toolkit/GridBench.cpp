// The grids: BM_StringGridFill fills a visible firm list the way the program does (texts, objects
// and row heights inside a column update bracket, then one repaint), for growing row counts;
// BM_DBGridPaint repaints a 30-row, 3-column data grid over the in-memory dataset, and
// BM_DBGridPaint_Baseline fills and writes the same cells with the same texts straight with
// QPainter into an image of the grid's size.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TForm.h"
#include "toolkit/TGridDataLink.h"
#include "toolkit/TStringGrid.h"

namespace {

constexpr int kRows = 30;
constexpr int kCols = 3;
constexpr int kRowHeight = 24;
constexpr int kColWidth = 120;

void BM_StringGridFill(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TForm form(nullptr);
    form.SetBounds(0, 0, 320, 300);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 289);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetColCount(1);
    form.Show();
    std::vector<int> cards(static_cast<std::size_t>(rows));
    std::vector<AnsiString> names;
    for (int i = 0; i < rows; ++i)
        names.push_back("Firm number " + std::to_string(i));
    for (auto _ : state) {
        grid->Cols(0)->BeginUpdate();
        grid->SetDefaultRowHeight(18);
        grid->SetColWidths(0, 280);
        grid->SetRowCount(rows);
        for (int i = 0; i < rows; ++i) {
            grid->SetCells(0, i, names[static_cast<std::size_t>(i)]);
            grid->SetObjects(0, i, &cards[static_cast<std::size_t>(i)]);
            grid->SetRowHeights(i, 18 + i % 3 * 13);
        }
        grid->Cols(0)->EndUpdate();
        grid->Repaint();
        grid->SetRowCount(1);
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_StringGridFill)->Arg(1500)->Arg(3000)->Arg(6000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The data grid under test records the texts it draws, so that the set-up can prove the
// baseline writes the same ones.
class TCountingDBGrid : public TDBGrid {
public:
    using TDBGrid::TDBGrid;
    std::vector<AnsiString> texts;
    bool recording = false;

protected:
    void DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State) override {
        if (recording)
            texts.push_back(Fields(DataCol)->DisplayText());
        TDBGrid::DrawColumnCell(Rect, DataCol, Column, State);
    }
};

struct DBGridFixture {
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 30}, {"City", ftString, 20}}};
    TDataSource source{&owner};
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCountingDBGrid* grid = nullptr;

    DBGridFixture() {
        for (int i = 1; i <= 1000; ++i)
            data.addRow({Variant(i), Variant("Firm number " + std::to_string(i)), Variant("Valdren")});
        source.SetDataSet(&data);
        form->SetBounds(0, 0, kCols * (kColWidth + 1) + 20, kRows * (kRowHeight + 1) + 20);
        grid = new TCountingDBGrid(form.get());
        grid->SetParent(form.get());
        grid->SetOptions(dgColLines | dgRowLines);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, kCols * (kColWidth + 1), kRows * (kRowHeight + 1));
        grid->SetDataSource(&source);
        data.Open();
        for (int c = 0; c < kCols; ++c)
            grid->SetColWidths(c, kColWidth);
        form->Show();
    }
    ~DBGridFixture() { data.Close(); }

    std::vector<AnsiString> drawnTexts() {
        grid->texts.clear();
        grid->recording = true;
        grid->InvalidateGrid();
        grid->Repaint();
        grid->recording = false;
        return grid->texts;
    }
};

// The texts of the first 30 records, row by row, as the grid shows them.
std::vector<AnsiString> baselineTexts() {
    std::vector<AnsiString> texts;
    for (int i = 1; i <= kRows; ++i) {
        texts.push_back(std::to_string(i));
        texts.push_back("Firm number " + std::to_string(i));
        texts.push_back("Valdren");
    }
    return texts;
}

void BM_DBGridPaint(benchmark::State& state) {
    DBGridFixture f;
    if (f.grid->DataLink()->BufferCount() != kRows || f.drawnTexts() != baselineTexts()) {
        std::fprintf(stderr, "BM_DBGridPaint: the grid does not draw the baseline's %d cells\n", kRows * kCols);
        std::abort();
    }
    for (auto _ : state) {
        f.grid->InvalidateGrid();
        f.grid->Repaint();
    }
}
BENCHMARK(BM_DBGridPaint)->Unit(benchmark::kMicrosecond);

void BM_DBGridPaint_Baseline(benchmark::State& state) {
    std::vector<QString> texts;
    for (const AnsiString& text : baselineTexts())
        texts.push_back(tk::qString(text));
    if (static_cast<int>(texts.size()) != kRows * kCols)
        std::abort();
    QImage image(kCols * (kColWidth + 1), kRows * (kRowHeight + 1), QImage::Format_RGB32);
    const QFont font;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                const QRect cell(c * (kColWidth + 1), r * (kRowHeight + 1), kColWidth, kRowHeight);
                painter.fillRect(cell, Qt::white);
                painter.fillRect(QRect(cell.right() + 1, cell.top(), 1, kRowHeight + 1), Qt::lightGray);
                painter.fillRect(QRect(cell.left(), cell.bottom() + 1, kColWidth + 1, 1), Qt::lightGray);
                painter.save();
                painter.setClipRect(cell);
                painter.drawText(cell.left() + 2, cell.top() + 2 + painter.fontMetrics().ascent(),
                                 texts[static_cast<std::size_t>(r * kCols + c)]);
                painter.restore();
            }
        }
    }
}
BENCHMARK(BM_DBGridPaint_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace
