// The sample databases the data benchmarks run on, opened once per size for the whole run
// through a connection component and through a raw engine connection, and the check that a
// benchmark and its baseline did the same work.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "data/TDbConnection.h"
#include "data/TDbTable.h"
#include "toolkit/FilePath.h"

namespace benchdata {

inline constexpr const char* kPassword = "valdren";

inline std::string databasePath(int size) {
    return std::string(DATA_DIR) + "/mapdata" + (size == 1 ? "" : std::to_string(size)) + ".vdd";
}

[[noreturn]] inline void mismatch(const char* what) {
    std::fprintf(stderr, "bench_data: %s differs between the benchmark and its baseline\n", what);
    std::abort();
}

// One sample database opened both ways: a connection component and a raw engine connection.
struct Sample {
    TComponent owner{nullptr};
    TDbConnection* connection = nullptr;
    CEHANDLE raw = 0;

    explicit Sample(int size) {
        connection = new TDbConnection(&owner);
        connection->SetName("DbConnection1");
        connection->SetConnectPath(databasePath(size));
        connection->LoginPrompt = false;
        connection->Username = "USER";
        connection->Password = kPassword;
        connection->ReadOnly = true;
        connection->Connect();
        if (CeConnect60(databasePath(size).c_str(), 1, "USER", kPassword, 0, &raw) != 0)
            std::abort();
    }
    ~Sample() { (void)CeDisconnect(raw); }

    TDbTable* table(const char* tableName, const char* index) {
        auto* t = new TDbTable(&owner);
        t->SetDatabaseName("DbConnection1");
        t->SetTableName(tableName);
        t->SetIndexName(index);
        return t;
    }

    CEHANDLE openRaw(const char* tableName) const {
        CEHANDLE t = 0;
        if (CeOpenTable(raw, tableName, nullptr, 0, 1, 1, 1, 2, &t) != 0)
            std::abort();
        return t;
    }
};

// One sample per size for the whole run; nullptr when that database was not built.
inline Sample* sample(benchmark::State& state) {
    static std::map<int, std::unique_ptr<Sample>> samples;
    const int size = int(state.range(0));
    auto& slot = samples[size];
    if (!slot && FileExists(databasePath(size)))
        slot = std::make_unique<Sample>(size);
    if (!slot)
        state.SkipWithError("sample database not built (target bigdatabases)");
    return slot.get();
}

} // namespace benchdata
