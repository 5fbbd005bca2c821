// The program's queries through the engine (CePrepareSQL, binding, CeExecuteSQL to a cursor on its
// first row, CeCloseTable), each beside plain SQLite running the same SQL on a copy of the same
// file (same data, same indexes, the engine's Cyrillic-aware upper() and its collation registered;
// a prepared statement stepped through every row). Each pair checks in its set-up that both sides
// return the same rows. The directory is built here in the sample database's shape, at size 1
// (2,000 firms) and size 100 (200,000).
#include "engine/CeEngine.h"
#include "engine/Database.h"
#include "engine/Ddl.h"
#include "engine/SqlFunctions.h"

#include "app/QueryTexts.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace app::sql;

const char* const kSchema[] = {
    "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))",
    "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
    "CREATE INDEX NAME ON Topic (UPPER(Name))",
    "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(80), Flags INTEGER, inetref CHAR(120))",
    "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
    "CREATE INDEX NAME ON Office (UPPER(Name))",
    "CREATE TABLE OfficeTopics (Office_Id INTEGER, Topic_Id INTEGER)",
    "CREATE INDEX OFFICE_ID ON OfficeTopics (Office_Id)",
    "CREATE INDEX TOPIC_ID ON OfficeTopics (Topic_Id)",
    "CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(10), Apartment CHAR(10), Contact CHAR(60))",
    "CREATE INDEX OFFICE_ID ON Branch (Office_Id)",
    "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House))",
};

const char* const kTopicStems[] = {"Авто", "Апте", "Банк", "Кафе", "Рестора", "Строй", "Мебел", "Книг", "Одежд", "Обув",
                                   "Спорт", "Туризм", "Страхов", "Юрист", "Ремонт"};
const char* const kTopicEndings[] = {"сервис", "запчасти", "стоянки", "ки", "ы", "материалы", "товары", "услуги", "салоны",
                                     "магазины"};
const char* const kSyllables[] = {"ва", "лд", "рен", "ко", "ми", "на", "то", "ст", "ар", "ей", "бо", "ёж", "юг", "ду"};

struct Directory {
    std::vector<std::string> topics;   // UTF-8
    struct Firm {
        std::string name;
        std::vector<int> topics;
        std::vector<std::pair<std::string, std::string>> branches; // street, house
    };
    std::vector<Firm> firms;
};

Directory makeDirectory(int size) {
    Directory d;
    for (const char* stem : kTopicStems)
        for (const char* ending : kTopicEndings)
            d.topics.push_back(std::string(stem) + ending);
    std::mt19937 random(7);
    std::vector<std::string> streets;
    for (int i = 0; i < 120 * size; ++i)
        streets.push_back(base::cp1251ToUtf8(base::upperCp1251(base::utf8ToCp1251(
            std::string(kSyllables[random() % 14]) + kSyllables[random() % 14] + kSyllables[random() % 14] + "ская"))) +
                          " " + std::to_string(i));
    for (int i = 0; i < 2000 * size; ++i) {
        Directory::Firm firm;
        const bool lower = random() % 5 == 0;
        for (int n = 2 + static_cast<int>(random() % 3); n > 0; --n)
            firm.name += kSyllables[random() % 14];
        std::string ansi = base::utf8ToCp1251(firm.name);
        if (!lower)
            ansi[0] = static_cast<char>(base::upperCp1251(static_cast<unsigned char>(ansi[0])));
        firm.name = base::cp1251ToUtf8(ansi) + " " + std::to_string(i);
        for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n)
            firm.topics.push_back(1 + static_cast<int>(random() % d.topics.size()));
        for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n)
            firm.branches.emplace_back(streets[random() % streets.size()], std::to_string(1 + random() % 60));
        d.firms.push_back(std::move(firm));
    }
    return d;
}

void fill(sqlite3* db, const Directory& d) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* topic = nullptr;
    sqlite3_stmt* office = nullptr;
    sqlite3_stmt* link = nullptr;
    sqlite3_stmt* branch = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Topic (Name) VALUES (?)", -1, &topic, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO Office VALUES (?, ?, 0, 'www.example.ru')", -1, &office, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO OfficeTopics VALUES (?, ?)", -1, &link, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO Branch VALUES (?, ?, ?, '', '88452123456')", -1, &branch, nullptr);
    const auto run = [](sqlite3_stmt* stmt) {
        if (sqlite3_step(stmt) != SQLITE_DONE)
            std::abort();
        sqlite3_reset(stmt);
    };
    for (const std::string& name : d.topics) {
        sqlite3_bind_text(topic, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        run(topic);
    }
    for (size_t i = 0; i < d.firms.size(); ++i) {
        const auto& firm = d.firms[i];
        sqlite3_bind_int(office, 1, static_cast<int>(i + 1));
        sqlite3_bind_text(office, 2, firm.name.c_str(), -1, SQLITE_TRANSIENT);
        run(office);
        for (int t : firm.topics) {
            sqlite3_bind_int(link, 1, static_cast<int>(i + 1));
            sqlite3_bind_int(link, 2, t);
            run(link);
        }
        for (const auto& [street, house] : firm.branches) {
            sqlite3_bind_int(branch, 1, static_cast<int>(i + 1));
            sqlite3_bind_text(branch, 2, street.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(branch, 3, house.c_str(), -1, SQLITE_TRANSIENT);
            run(branch);
        }
    }
    for (sqlite3_stmt* stmt : {topic, office, link, branch})
        sqlite3_finalize(stmt);
    if (sqlite3_exec(db, "COMMIT; ANALYZE", nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
}

// One size's pair of files: the engine's dictionary and the plain SQLite copy.
struct Files {
    Directory directory;
    std::string dictionary;
    sqlite3* plain = nullptr;
    CEHANDLE connection = 0;

    explicit Files(int size) : directory(makeDirectory(size)) {
        const auto dir = std::filesystem::temp_directory_path();
        dictionary = (dir / ("ce_sqlbench_" + std::to_string(size) + ".vdd")).string();
        const std::string plainPath = (dir / ("ce_sqlbench_plain_" + std::to_string(size) + ".db")).string();
        std::filesystem::remove(dictionary);
        std::filesystem::remove(plainPath);
        if (!ce::createDictionary(dictionary).ok())
            std::abort();
        {
            std::shared_ptr<ce::Database> db;
            if (!ce::Database::open(dictionary, ce::Database::Kind::Dictionary, db).ok())
                std::abort();
            const ce::DdlTarget target{db, {}, 3};
            for (const char* ddl : kSchema)
                if (!ce::runDdl(target, ddl).ok())
                    std::abort();
            fill(db->handle(), directory);
        }
        // The copy has the engine's tables, collations and indexes; a stock SQLite needs the engine's
        // upper() (which folds Cyrillic) and its collation to read them alike.
        std::filesystem::copy_file(dictionary, plainPath);
        if (sqlite3_open(plainPath.c_str(), &plain) != SQLITE_OK || !ce::registerSqlFunctions(plain).ok())
            std::abort();
        if (CeConnect(dictionary.c_str(), &connection))
            std::abort();
    }
};

Files& files(int size) {
    static std::map<int, std::unique_ptr<Files>> all;
    auto& slot = all[size];
    if (!slot)
        slot = std::make_unique<Files>(size);
    return *slot;
}

// The parameters of one run of a query: UTF-8 texts, varied from run to run.
using Params = std::vector<std::string>;
using ParamsOf = Params (*)(const Directory&, size_t);

Params rubricOf(const Directory& d, size_t i) { return {std::to_string(1 + i * 7 % d.topics.size())}; }
Params firmOf(const Directory& d, size_t i) { return {std::to_string(1 + i * 7919 % d.firms.size())}; }
Params addressOf(const Directory& d, size_t i) {
    const auto& branch = d.firms[i * 7919 % d.firms.size()].branches[0];
    return {branch.first, branch.second};
}
Params rubricText(const Directory&, size_t i) {
    const char* texts[] = {"%АВТО%", "%БАНК%", "%МАГАЗИНЫ%", "%Е%"};
    return {texts[i % 4]};
}
Params nameBeginning(const Directory&, size_t i) {
    const char* texts[] = {"ВА%", "КО%", "МИ%", "БО%"};
    return {texts[i % 4]};
}
Params everyName(const Directory&, size_t) { return {"%"}; }

std::vector<std::string> toAnsi(const Params& params) {
    std::vector<std::string> ansi;
    for (const std::string& p : params)
        ansi.push_back(base::utf8ToCp1251(p));
    return ansi;
}

// One run through the engine: prepare, bind, execute to a cursor, count its rows, close it.
uint32_t engineRows(CEHANDLE statement, const char* sql, const std::vector<std::string>& ansi) {
    CEHANDLE cursor = 0;
    uint32_t rows = 0;
    if (CePrepareSQL(statement, sql))
        std::abort();
    for (size_t n = 0; n < ansi.size(); ++n)
        if (CeSetString(statement, CE_FIELDNO(n + 1), ansi[n].c_str(), static_cast<uint32_t>(ansi[n].size())))
            std::abort();
    if (CeExecuteSQL(statement, &cursor) || CeGetRecordCount(cursor, 2, &rows))
        std::abort();
    (void)CeCloseTable(cursor);
    return rows;
}

// One run of the prepared SQLite statement, reading every column of every row.
uint32_t plainRows(sqlite3_stmt* stmt, const Params& params) {
    for (size_t n = 0; n < params.size(); ++n)
        sqlite3_bind_text(stmt, static_cast<int>(n + 1), params[n].c_str(), -1, SQLITE_TRANSIENT);
    uint32_t rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0, n = sqlite3_column_count(stmt); c < n; ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        ++rows;
    }
    sqlite3_reset(stmt);
    return rows;
}

// The engine's ":name" markers are SQLite's own named parameters too.
sqlite3_stmt* preparePlain(const Files& f, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(f.plain, sql, -1, &stmt, nullptr) != SQLITE_OK)
        std::abort();
    return stmt;
}

// A pair compares only when both sides do the same work: the first runs' row counts must agree.
// Returns the first run's count, which both sides report.
uint32_t checkSameRows(const Files& f, CEHANDLE statement, const char* sql, ParamsOf paramsOf) {
    sqlite3_stmt* stmt = preparePlain(f, sql);
    uint32_t first = 0;
    for (size_t i = 0; i < 4; ++i) {
        const Params params = paramsOf(f.directory, i);
        const uint32_t rows = engineRows(statement, sql, toAnsi(params));
        if (rows != plainRows(stmt, params)) {
            std::fprintf(stderr, "engine and baseline disagree on the rows of: %s\n", sql);
            std::abort();
        }
        first = i == 0 ? rows : first;
    }
    sqlite3_finalize(stmt);
    return first;
}

void runEngine(benchmark::State& state, const char* sql, ParamsOf paramsOf) {
    Files& f = files(static_cast<int>(state.range(0)));
    CEHANDLE statement = 0;
    if (CeCreateSQLStatement(f.connection, &statement))
        std::abort();
    state.counters["rows"] = checkSameRows(f, statement, sql, paramsOf);
    size_t i = 0;
    for (auto _ : state) {
        const Params params = paramsOf(f.directory, i++);
        state.PauseTiming();
        const std::vector<std::string> ansi = toAnsi(params);
        state.ResumeTiming();
        benchmark::DoNotOptimize(engineRows(statement, sql, ansi));
    }
    (void)CeCloseSQLStatement(statement);
}

void runPlain(benchmark::State& state, const char* sql, ParamsOf paramsOf) {
    Files& f = files(static_cast<int>(state.range(0)));
    CEHANDLE statement = 0;
    if (CeCreateSQLStatement(f.connection, &statement))
        std::abort();
    state.counters["rows"] = checkSameRows(f, statement, sql, paramsOf);
    (void)CeCloseSQLStatement(statement);
    sqlite3_stmt* stmt = preparePlain(f, sql);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(plainRows(stmt, paramsOf(f.directory, i++)));
    sqlite3_finalize(stmt);
}

#define QUERY_BENCHMARK(Name, sql, params)                                                          \
    void BM_##Name(benchmark::State& state) { runEngine(state, sql, params); }                     \
    BENCHMARK(BM_##Name)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);                         \
    void BM_##Name##_Baseline(benchmark::State& state) { runPlain(state, sql, params); }          \
    BENCHMARK(BM_##Name##_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

QUERY_BENCHMARK(FirmsOfRubric, kShowFirm, rubricOf)
QUERY_BENCHMARK(OneFirm, kShowFirm2, firmOf)
QUERY_BENCHMARK(BranchesOfFirm, kShowInfo, firmOf)
QUERY_BENCHMARK(RubricsOfFirm, kShowTopics, firmOf)
QUERY_BENCHMARK(FirmsAtAddress, kObjInfo, addressOf)
QUERY_BENCHMARK(RubricSearch, kShowCat, rubricText)
QUERY_BENCHMARK(FirmNameSearch, kShowPredpr, nameBeginning)
QUERY_BENCHMARK(FirmNameListing, kShowPredpr, everyName)

// The listing on a statement that has never answered it: the program's first listing at start-up.
// (The pair above re-runs one statement, as the program does after that, and the engine keeps the
// rows of an unchanged table.) Its baseline is BM_FirmNameListing_Baseline.
void BM_FirmNameListingFirst(benchmark::State& state) {
    Files& f = files(static_cast<int>(state.range(0)));
    const std::vector<std::string> ansi = toAnsi(everyName(f.directory, 0));
    for (auto _ : state) {
        state.PauseTiming();
        CEHANDLE statement = 0;
        if (CeCreateSQLStatement(f.connection, &statement))
            std::abort();
        state.ResumeTiming();
        state.counters["rows"] = engineRows(statement, kShowPredpr, ansi);
        state.PauseTiming();
        (void)CeCloseSQLStatement(statement);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirmNameListingFirst)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
