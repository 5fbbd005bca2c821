// Engine speed on a table of 100,000 records with a case-insensitive string index, each figure
// beside the same work done by a prepared SQLite statement on the same file.
#include "engine/CeEngine.h"
#include "engine/Database.h"
#include "engine/Ddl.h"
#include "engine/EngineCall.h"
#include "engine/SqlFunctions.h"
#include "engine/TableCursor.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 100000;

struct Fixture {
    std::string path;
    std::vector<std::string> names;
    sqlite3* db = nullptr;

    Fixture() {
        path = (std::filesystem::temp_directory_path() / "ce_bench.vdd").string();
        std::filesystem::remove(path);
        if (!ce::createDictionary(path).ok())
            std::abort();
        std::shared_ptr<ce::Database> dictionary;
        if (!ce::Database::open(path, ce::Database::Kind::Dictionary, dictionary).ok())
            std::abort();
        const ce::DdlTarget target{dictionary, {}, 3};
        if (!ce::runDdl(target, "CREATE TABLE FIRMS (ID INTEGER, NAME CHAR(40), CAT INTEGER, PRICE DOUBLE)").ok() ||
            !ce::runDdl(target, "CREATE INDEX NAME ON FIRMS (UPPER(NAME))").ok())
            std::abort();
        sqlite3_open(path.c_str(), &db);
        // The engine's text columns and expression indexes need its collation and functions.
        if (!ce::registerSqlFunctions(db).ok())
            std::abort();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO FIRMS VALUES(?, ?, ?, ?)", -1, &insert, nullptr);
        std::mt19937 random(42);
        const char* syllables[] = {"ва", "лд", "рен", "ко", "ми", "на", "то", "ст", "ар", "ей"};
        for (int i = 0; i < kRecords; ++i) {
            std::string name;
            for (int n = 2 + static_cast<int>(random() % 5); n > 0; --n)
                name += syllables[random() % 10];
            name += ' ';
            name += std::to_string(i);
            names.push_back(name);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 3, static_cast<int>(random() % 500));
            sqlite3_bind_double(insert, 4, random() % 100000 / 100.0);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "CREATE INDEX FIRMS_NAME ON FIRMS(NAME); COMMIT", nullptr, nullptr, nullptr);
    }
    ~Fixture() {
        sqlite3_close(db);
        std::filesystem::remove(path);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

struct OpenTable {
    CEHANDLE connection = 0;
    CEHANDLE table = 0;
    CEHANDLE order = 0;
    OpenTable() {
        if (CeConnect(fixture().path.c_str(), &connection) ||
            CeOpenTable(connection, "FIRMS", nullptr, 0, 1, 0, 2, 0, &table) || CeGetIndexHandle(table, "NAME", &order))
            std::abort();
    }
    ~OpenTable() { (void)CeDisconnect(connection); }
};

sqlite3_stmt* prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(fixture().db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        std::abort();
    return stmt;
}

// The rows the baseline reads; the first open must hold as many.
int orderedRowCount() {
    sqlite3_stmt* stmt = prepare("SELECT rowid, * FROM FIRMS ORDER BY NAME");
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}

void BM_OpenTable(benchmark::State& state) {
    {
        OpenTable open;
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        if (ce::handles().get<ce::TableCursor>(open.table)->image().size() != static_cast<size_t>(orderedRowCount()))
            std::abort();
    }
    size_t imageBytes = 0;
    for (auto _ : state) {
        OpenTable open;
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        imageBytes = ce::handles().get<ce::TableCursor>(open.table)->image().memoryUsage();
    }
    sqlite3_stmt* pages = prepare("SELECT SUM(pgsize) FROM dbstat WHERE name = 'FIRMS'");
    double dataBytes = 0;
    if (sqlite3_step(pages) == SQLITE_ROW)
        dataBytes = sqlite3_column_double(pages, 0);
    sqlite3_finalize(pages);
    state.counters["image_bytes"] = static_cast<double>(imageBytes);
    state.counters["table_bytes"] = dataBytes;
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

void BM_OpenTable_Baseline(benchmark::State& state) {
    if (orderedRowCount() != kRecords)
        std::abort();
    for (auto _ : state)
        benchmark::DoNotOptimize(orderedRowCount());
}
BENCHMARK(BM_OpenTable_Baseline)->Unit(benchmark::kMillisecond);

void BM_Seek(benchmark::State& state) {
    OpenTable open;
    std::mt19937 random(1);
    uint16_t found = 0;
    for (auto _ : state) {
        const std::string& name = fixture().names[random() % kRecords];
        (void)CeSeek(open.order, name.data(), 6, 2, 1, &found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Seek);

void BM_Seek_Baseline(benchmark::State& state) {
    sqlite3_stmt* stmt = prepare("SELECT rowid FROM FIRMS WHERE NAME >= ? ORDER BY NAME LIMIT 1");
    std::mt19937 random(1);
    for (auto _ : state) {
        const std::string& name = fixture().names[random() % kRecords];
        sqlite3_bind_text(stmt, 1, name.data(), 6, SQLITE_STATIC);
        benchmark::DoNotOptimize(sqlite3_step(stmt));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_Seek_Baseline);

void BM_Skip(benchmark::State& state) {
    OpenTable open;
    (void)CeGotoTop(open.order);
    uint16_t eof = 0;
    for (auto _ : state) {
        (void)CeSkip(open.order, 1);
        (void)CeAtEOF(open.order, &eof);
        if (eof)
            (void)CeGotoTop(open.order);
    }
}
BENCHMARK(BM_Skip);

void BM_Skip_Baseline(benchmark::State& state) {
    sqlite3_stmt* stmt = prepare("SELECT rowid, * FROM FIRMS ORDER BY NAME");
    for (auto _ : state)
        if (sqlite3_step(stmt) != SQLITE_ROW)
            sqlite3_reset(stmt);
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_Skip_Baseline);

void BM_GetRecord(benchmark::State& state) {
    OpenTable open;
    (void)CeGotoTop(open.order);
    unsigned char record[64];
    for (auto _ : state) {
        uint32_t length = sizeof record;
        (void)CeGetRecord(open.table, record, &length);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_GetRecord);

void BM_GetRecord_Baseline(benchmark::State& state) {
    sqlite3_stmt* stmt = prepare("SELECT ID, NAME, CAT, PRICE FROM FIRMS WHERE rowid = 1");
    for (auto _ : state) {
        sqlite3_step(stmt);
        for (int col = 0; col < 4; ++col)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, col));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_GetRecord_Baseline);

} // namespace
