// Icon view speed: a full redraw of a 300 x 300 view of the built-in library with 40 x 40 cells,
// beside the same icons taken once each from the library and stretch-drawn into the same cells of
// a bitmap. A view that decoded an icon twice per cell would fall far behind.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "map/MapGeometry.h"
#include "map/MapIconSource.h"
#include "map/TKexViewIcon.h"
#include "toolkit/TBitmap.h"

namespace {

constexpr int kSide = 300;
constexpr int kCell = 40;
constexpr int kStep = 1;

// The render benchmarks may have made the application already.
void ensureApplication() {
    if (QApplication::instance() != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    static int argc = 1;
    static char name[] = "bench_map";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

mapi::MapIconSource& icons() {
    static mapi::MapIconSource source;
    return source;
}

TKexViewIcon& view() {
    static std::unique_ptr<TKexViewIcon> view = [] {
        ensureApplication();
        auto made = std::make_unique<TKexViewIcon>(nullptr);
        made->SetBounds(0, 0, kSide, kSide);
        made->Options()->SetXSizeThumbnail(kCell);
        made->Options()->SetYSizeThumbnail(kCell);
        made->Options()->SetStepThumbnail(kStep);
        made->SetKexIcon(&icons().Internal());
        made->SetNameLib("Default");
        return made;
    }();
    return *view;
}

// The cells the view fills: as many as its grid has and the library holds.
int cellCount() {
    const int grid = view().Columns() * view().Rows();
    return std::min(grid, icons().Internal().Libs(0).Count());
}

void BM_ViewIconRedraw(benchmark::State& state) {
    TKexViewIcon& v = view();
    for (auto _ : state)
        v.Redraw();
    state.counters["cells"] = cellCount();
}

void BM_ViewIconRedraw_Baseline(benchmark::State& state) {
    TKexViewIcon& v = view();
    TKexIconList& library = icons().Internal().Libs(0);
    const int columns = v.Columns();
    const int cells = cellCount();
    if (columns != kSide / (kCell + kStep) || cells != 49) {
        std::fprintf(stderr, "BM_ViewIconRedraw_Baseline: the view has %d cells in %d columns\n", cells, columns);
        std::abort();
    }
    TBitmap bitmap;
    bitmap.SetSize(kSide, kSide);
    TCanvas& canvas = *bitmap.Canvas();
    const int border = v.Options()->SizeBorder();
    for (auto _ : state) {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(Rect(0, 0, kSide, kSide));
        for (int i = 0; i < cells; ++i) {
            const TBitmap* icon = library.GetBitmapByIndex(i);
            const int left = (kCell + kStep) * (i % columns);
            const int top = (kCell + kStep) * (i / columns);
            const TRect inner = Rect(left + 2 + border, top + 1 + border, left + kCell - 1 - border,
                                     top + kCell - 1 - border);
            canvas.StretchDraw(FitPictureRect(inner, TSize{icon->Width(), icon->Height()}), *icon);
        }
    }
    state.counters["cells"] = cells;
}

} // namespace

BENCHMARK(BM_ViewIconRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ViewIconRedraw_Baseline)->Unit(benchmark::kMicrosecond);
