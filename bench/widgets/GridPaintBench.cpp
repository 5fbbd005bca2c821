// The widget grids' paints against the toolkit grids they extend, doing the same work:
// BM_ExDBGridPaint repaints a 289 x 600 one-column data grid over 2,000 records, its baseline the
// toolkit's data grid with the same options over the same dataset; BM_EmiStringGridPaint repaints
// 30 visible rows of wrapped bold firm names, its baseline the string grid's own drawing of the
// same cells. The set-ups abort when the two sides would not draw the same cells.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>

#include <benchmark/benchmark.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TColumn.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TForm.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"

namespace {

constexpr int kRecords = 2000;
constexpr int kNameRows = 30;

[[noreturn]] void mismatch(const char* what) {
    std::fprintf(stderr, "benchmark sides differ: %s\n", what);
    std::abort();
}

// A shown form with one data grid over the firm names, as the program's lists are set up.
template <class Grid>
struct DataGridScene {
    DataGridScene() {
        for (int i = 0; i < kRecords; ++i)
            data.addRow({Variant(i + 1), Variant("Firm number " + std::to_string(i + 1))});
        source.SetDataSet(&data);
        form.SetBounds(0, 0, 300, 620);
        grid = new Grid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 289, 600);
        grid->SetDataSource(&source);
        grid->SetReadOnly(true);
        grid->SetOptions(dgConfirmDelete | dgCancelOnExit | dgAlwaysShowSelection);
        data.Open();
        grid->Columns()->Clear();
        TColumn* column = grid->Columns()->Add();
        column->SetFieldName("Name");
        column->SetWidth(268);
        form.Show();
    }
    ~DataGridScene() { data.Close(); }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 40}}};
    TDataSource source{&owner};
    TForm form{nullptr};
    Grid* grid = nullptr;
};

template <class Grid>
void paintDataGrid(benchmark::State& state) {
    DataGridScene<Grid> scene;
    DataGridScene<TDBGrid> other;
    if (scene.grid->VisibleRowCount() != other.grid->VisibleRowCount() ||
        scene.grid->FieldCount() != other.grid->FieldCount() || scene.data.RecordCount() != kRecords)
        mismatch("data grid rows or columns");
    for (auto _ : state)
        scene.grid->Repaint();
}

void BM_ExDBGridPaint(benchmark::State& state) { paintDataGrid<TExDBGrid>(state); }
void BM_ExDBGridPaint_Baseline(benchmark::State& state) { paintDataGrid<TDBGrid>(state); }
BENCHMARK(BM_ExDBGridPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExDBGridPaint_Baseline)->Unit(benchmark::kMicrosecond);

// The firm list: one 268-pixel column of bold names two lines high.
template <class Grid>
struct NameGridScene {
    NameGridScene() {
        form.SetBounds(0, 0, 300, 1320);
        grid = new Grid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 289, 30 * 43 + 2);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(1);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
        grid->SetRowCount(kNameRows);
        grid->SetDefaultColWidth(268);
        grid->SetDefaultRowHeight(42);
        grid->Font()->SetStyle(TFontStyles{fsBold});
        for (int r = 0; r < kNameRows; ++r)
            grid->SetCells(0, r, "Valdren printing house and bookbinding workshop number " + std::to_string(r));
        form.Show();
    }
    TForm form{nullptr};
    Grid* grid = nullptr;
};

template <class Grid>
void paintNameGrid(benchmark::State& state, bool multiLine) {
    NameGridScene<Grid> scene;
    NameGridScene<TStringGrid> other;
    if (scene.grid->VisibleRowCount() != kNameRows || other.grid->VisibleRowCount() != kNameRows)
        mismatch("string grid rows");
    if constexpr (std::is_same_v<Grid, TEmiStringGrid>)
        scene.grid->SetDefaultMultiLineCells(multiLine);
    for (auto _ : state)
        scene.grid->Repaint();
}

void BM_EmiStringGridPaint(benchmark::State& state) { paintNameGrid<TEmiStringGrid>(state, true); }
void BM_EmiStringGridPaint_Baseline(benchmark::State& state) { paintNameGrid<TStringGrid>(state, false); }
BENCHMARK(BM_EmiStringGridPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmiStringGridPaint_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace
