// One keystroke in a search edit of the real main window on the size-100 city (200,000 firms),
// from the key event to the search grid repainted, beside the same statement run through the
// engine alone (prepared once, bound, executed to a cursor on its first row). The text alternates
// between "Б" and "БА" (typed "А", then backspace), so that it never empties; the third case
// times only the backspace that empties "Б" and so lists every firm (the "Б" typed in between is
// left out of the timing). Needs target bigdatabases.
#include <cstdint>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "ProgramFolder.h"
#include "app/QueryTexts.h"
#include "app/StartUp.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbQuery.h"
#include "engine/CeEngine.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Controls.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TTabSheet.h"
#include "widgets/TExDBGrid.h"

namespace {

using namespace appbench;

constexpr int kSize = 100;

// One of the three cases: which edit, the two texts it alternates between and the pattern each
// gives its query.
struct SearchCase {
    bool rubricEdit;
    const char* first;
    const char* second;
};

const SearchCase kCases[] = {
    {false, "Б", "БА"},
    {true, "Б", "БА"},
    {false, "", "Б"},
};

AnsiString patternOf(const SearchCase& c, const AnsiString& text) {
    const AnsiString upper = AnsiUpperCase(text);
    return c.rubricEdit ? "%" + upper + "%" : upper + "%";
}

const char* sqlOf(const SearchCase& c) { return c.rubricEdit ? app::sql::kShowCat : app::sql::kShowPredpr; }

// The rows of one run through the engine alone; the cursor is left on its first row and closed.
uint32_t engineRun(CEHANDLE statement, const AnsiString& pattern, bool countRows) {
    CEHANDLE cursor = 0;
    uint32_t rows = 0;
    if (CeSetString(statement, CE_FIELDNO(1), pattern.c_str(), uint32_t(pattern.size())) ||
        CeExecuteSQL(statement, &cursor) || CeGotoTop(cursor))
        mismatch("an engine run");
    if (countRows && CeGetRecordCount(cursor, 2, &rows))
        mismatch("an engine row count");
    (void)CeCloseTable(cursor);
    return rows;
}

// A connection and a statement prepared once with the case's query text, read-only as the
// program's queries are.
class EngineSearch {
public:
    explicit EngineSearch(const SearchCase& c) {
        if (CeConnect60(databasePath(kSize).c_str(), 1, "USER", "valdren", 0, &connection_) ||
            CeCreateSQLStatement(connection_, &statement_) || CeStmtSetTableReadOnly(statement_, 1) ||
            CePrepareSQL(statement_, sqlOf(c)))
            mismatch("the engine's set-up");
    }
    ~EngineSearch() {
        (void)CeCloseSQLStatement(statement_);
        (void)CeDisconnect(connection_);
    }
    CEHANDLE statement() const { return statement_; }

private:
    CEHANDLE connection_ = 0;
    CEHANDLE statement_ = 0;
};

// The program started on the size-100 database, its window at 1920 x 1080 and the case's edit
// focused holding its first text.
class SearchWindow {
public:
    explicit SearchWindow(const SearchCase& c) : folder_(kSize) {
        TfmValdrenGIS& w = appbench::startProgramWindow();
        w.PageControl1->SetActivePage(static_cast<TTabSheet*>(w.FindComponent(c.rubricEdit ? "tsRubric" : "tsAlphabet")));
        edit_ = c.rubricEdit ? w.Edit2 : w.Edit1;
        grid_ = c.rubricEdit ? w.ExDBGrid2 : w.ExDBGrid1;
        query_ = c.rubricEdit ? w.qShowCat : w.qShowPredpr;
        edit_->SetText(tk::fromUtf8(c.first));
        typed_ = tk::fromUtf8(c.second).back();
        edit_->SetFocus();
        edit_->SetSelStart(int(edit_->Text().size()));
        Application->ProcessMessages();
    }
    ~SearchWindow() { app::freeWindows(); }

    // Types the character that makes the second text of the first (the key code does not matter
    // to the edit, the character does) or presses backspace, and handles messages up to the grid
    // painted.
    void keystroke(bool type) {
        if (type)
            tk::input::key(*fmValdrenGIS, 'F', 0, typed_);
        else
            tk::input::key(*fmValdrenGIS, VK_BACK);
        Application->ProcessMessages();
        grid_->Repaint();
    }

    TEdit* edit() const { return edit_; }
    TDbQuery* query() const { return query_; }

private:
    ProgramFolder folder_;
    TEdit* edit_ = nullptr;
    TExDBGrid* grid_ = nullptr;
    TDbQuery* query_ = nullptr;
    char typed_ = 0;
};

// Both sides must see the same texts and rows: after each of the two keystrokes the window's
// query holds the pattern the baseline binds and as many rows as the engine gives for it.
void checkSameWork(SearchWindow& window, const SearchCase& c) {
    EngineSearch engine(c);
    for (const bool type : {true, false}) {
        window.keystroke(type);
        const AnsiString expected = tk::fromUtf8(type ? c.second : c.first);
        if (window.edit()->Text() != expected)
            mismatch("the edit's text");
        const AnsiString pattern = patternOf(c, expected);
        if (window.query()->ParamByName("Name")->AsString() != pattern)
            mismatch("the pattern");
        if (uint32_t(window.query()->RecordCount()) != engineRun(engine.statement(), pattern, /*countRows=*/true))
            mismatch("the rows");
    }
}

void BM_SearchKeystroke(benchmark::State& state) {
    if (skipMissing(state, kSize))
        return;
    ensureApplication();
    const SearchCase& c = kCases[state.range(0)];
    SearchWindow window(c);
    checkSameWork(window, c);
    const bool onlyEmptying = *c.first == '\0';
    bool type = true;
    for (auto _ : state) {
        if (onlyEmptying) {
            state.PauseTiming();
            window.keystroke(/*type=*/true);
            state.ResumeTiming();
            window.keystroke(/*type=*/false);
            continue;
        }
        window.keystroke(type);
        type = !type;
    }
}

void BM_SearchKeystroke_Baseline(benchmark::State& state) {
    if (skipMissing(state, kSize))
        return;
    ensureApplication();
    const SearchCase& c = kCases[state.range(0)];
    {
        SearchWindow window(c);
        checkSameWork(window, c);
    }
    EngineSearch engine(c);
    const AnsiString patterns[] = {patternOf(c, tk::fromUtf8(c.second)), patternOf(c, tk::fromUtf8(c.first))};
    // The window's query ran both patterns in its check; the statement does so too, so that
    // neither side times the first load of the table it lists.
    for (const AnsiString& pattern : patterns)
        engineRun(engine.statement(), pattern, /*countRows=*/false);
    const bool onlyEmptying = *c.first == '\0';
    size_t i = 0;
    for (auto _ : state) {
        if (onlyEmptying) {
            state.PauseTiming();
            benchmark::DoNotOptimize(engineRun(engine.statement(), patterns[0], /*countRows=*/false));
            state.ResumeTiming();
            benchmark::DoNotOptimize(engineRun(engine.statement(), patterns[1], /*countRows=*/false));
            continue;
        }
        benchmark::DoNotOptimize(engineRun(engine.statement(), patterns[i++ % 2], /*countRows=*/false));
    }
}

// 0: the firm-name edit, 1: the rubric edit, 2: the firm-name edit emptied.
BENCHMARK(BM_SearchKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchKeystroke_Baseline)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
