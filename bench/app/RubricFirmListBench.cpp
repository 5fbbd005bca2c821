// A rubric's firm list in the real main window (1920 x 1080, offscreen) on the database of a size:
// the two rubrics with the most firms take turns, each listed as a double click on its row lists
// it, from the call to the list filled and its first card shown; so every fill also frees the
// list before it. The baseline runs the same firm query, the two card queries per firm and builds
// every card text (app::firmCardText) without any window. Sizes 10 and 100 need target
// bigdatabases.
#include <array>
#include <utility>

#include <benchmark/benchmark.h>

#include "ProgramFolder.h"
#include "app/FirmCardQueries.h"
#include "app/QueryTexts.h"
#include "app/RerunQuery.h"
#include "app/StartUp.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"
#include "support/SampleQueries.h"
#include "toolkit/Controls.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TEdit.h"
#include "toolkit/TFont.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParam.h"
#include "toolkit/TStringList.h"
#include "widgets/TEmiStringGrid.h"

namespace {

using namespace appbench;

struct Rubric {
    AnsiString id;
    AnsiString name;
};

// What one fill handles: the firms and the length of all their card texts.
struct Work {
    int firms = 0;
    size_t textLength = 0;
};

// The firm query and the two card queries on a connection of their own, prepared once as the
// program prepares them, and the card texts built with a given measure and width.
class CardTexts {
public:
    explicit CardTexts(int size) {
        connectBaseline(*connection_, size,
                        {{showFirm_, app::sql::kShowFirm}, {showInfo_, app::sql::kShowInfo},
                         {showTopics_, app::sql::kShowTopics}});
    }

    Work build(const AnsiString& topicId, int width, const app::TextWidthMeasure& measure) {
        Work work;
        app::rerunQuery(*showFirm_, [&](TDbQuery& q) { q.ParamByName("Topic_Id")->SetAsString(topicId); });
        for (; !showFirm_->Eof(); showFirm_->Next(), ++work.firms) {
            const app::FirmCardData firm = app::readFirmCard(*showFirm_, *showInfo_, *showTopics_);
            work.textLength += app::firmCardText(firm, width, measure).size();
        }
        return work;
    }

    // The two rubrics with the most firms, the largest first.
    std::array<Rubric, 2> largestRubrics() const {
        const std::vector<testsupport::Row> rows = testsupport::queryRows(
            "BaselineConnection", "select T.Topic_Id, T.Name, count(*) N from Topic T, OfficeTopics OT "
                                  "where OT.Topic_Id = T.Topic_Id group by T.Topic_Id, T.Name order by N desc, 1");
        if (rows.size() < 2)
            mismatch("the rubrics to list");
        return {Rubric{rows[0][0], rows[0][1]}, Rubric{rows[1][0], rows[1][1]}};
    }

private:
    TComponent owner_{nullptr};
    TDbConnection* connection_ = new TDbConnection(&owner_);
    TDbQuery* showFirm_ = new TDbQuery(&owner_);
    TDbQuery* showInfo_ = new TDbQuery(&owner_);
    TDbQuery* showTopics_ = new TDbQuery(&owner_);
};

// The program started on the database of the size, its window at 1920 x 1080.
class ListWindow {
public:
    explicit ListWindow(int size) : folder_(size) {
        appbench::startProgramWindow();
    }
    ~ListWindow() { app::freeWindows(); }

    // Puts the rubric grid on the rubric, untimed: the rubric edit holds its name, and the edit
    // and the grid are painted.
    void chooseRubric(const Rubric& rubric) {
        TfmValdrenGIS& w = *fmValdrenGIS;
        w.Edit2->SetText(rubric.name);
        if (!w.qShowCat->Locate("Topic_Id", Variant(rubric.id), 0))
            mismatch("the rubric row");
        Application->ProcessMessages();
    }

    // The double click's work, then the messages up to the first card shown.
    void list() {
        fmValdrenGIS->ExDBGrid2DblClick();
        Application->ProcessMessages();
    }

    int listedFirms() const {
        const TEmiStringGrid& grid = *fmValdrenGIS->StringGrid1;
        return grid.RowCount() == 1 && grid.Cells(0, 0).empty() ? 0 : grid.RowCount();
    }
    // The card width and measure the window's cards are built with.
    int cardWidth() const { return fmValdrenGIS->paRTF->Width() - GetSystemMetrics(SM_CXVSCROLL); }
    app::TextWidthMeasure measure() const {
        TCanvas* canvas = fmValdrenGIS->Canvas();
        return [canvas](const AnsiString& s) { return canvas->TextWidth(s); };
    }

private:
    ProgramFolder folder_;
};

// Both sides list the same firms and build texts of the same total length: the window lists the
// baseline's firms, and the baseline's window-less measure wraps as the window's canvas does.
void checkSameWork(ListWindow& window, CardTexts& texts, const std::array<Rubric, 2>& rubrics, const TFont& font) {
    TBitmap bitmap;
    bitmap.Canvas()->Font()->Assign(font);
    TCanvas* canvas = bitmap.Canvas();
    for (const Rubric& rubric : rubrics) {
        window.chooseRubric(rubric);
        window.list();
        const Work windowed = texts.build(rubric.id, window.cardWidth(), window.measure());
        const Work alone =
            texts.build(rubric.id, window.cardWidth(), [canvas](const AnsiString& s) { return canvas->TextWidth(s); });
        if (window.listedFirms() != windowed.firms || alone.firms != windowed.firms)
            mismatch("the number of firms listed");
        if (alone.textLength != windowed.textLength)
            mismatch("the total card text length");
    }
}

void BM_RubricFirmList(benchmark::State& state) {
    const int size = int(state.range(0));
    if (skipMissing(state, size))
        return;
    ensureApplication();
    ListWindow window(size);
    CardTexts texts(size);
    const std::array<Rubric, 2> rubrics = texts.largestRubrics();
    checkSameWork(window, texts, rubrics, *fmValdrenGIS->Canvas()->Font());
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.chooseRubric(rubrics[size_t(turn)]);
        turn ^= 1;
        state.ResumeTiming();
        window.list();
    }
    state.counters["firms"] = window.listedFirms();
}

void BM_RubricFirmList_Baseline(benchmark::State& state) {
    const int size = int(state.range(0));
    if (skipMissing(state, size))
        return;
    ensureApplication();
    CardTexts texts(size);
    const std::array<Rubric, 2> rubrics = texts.largestRubrics();
    TFont font;
    int width = 0;
    {
        ListWindow window(size);
        font.Assign(*fmValdrenGIS->Canvas()->Font());
        width = window.cardWidth();
        checkSameWork(window, texts, rubrics, font);
    }
    TBitmap bitmap;
    bitmap.Canvas()->Font()->Assign(font);
    TCanvas* canvas = bitmap.Canvas();
    const app::TextWidthMeasure measure = [canvas](const AnsiString& s) { return canvas->TextWidth(s); };
    int turn = 0;
    Work last;
    for (auto _ : state) {
        last = texts.build(rubrics[size_t(turn)].id, width, measure);
        turn ^= 1;
    }
    state.counters["firms"] = last.firms;
}

BENCHMARK(BM_RubricFirmList)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RubricFirmList_Baseline)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
