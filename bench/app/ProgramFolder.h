// What the program's benchmarks share: the sample databases of the build by size, the offscreen
// application, the program's main window started, a folder laid out like the build for one run of the program, the skip for a
// database not built and the abort when a benchmark and its baseline do different work.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include <benchmark/benchmark.h>

class TDbConnection;
class TDbQuery;
class TfmValdrenGIS;

namespace appbench {

// "data/mapdata.vdd" of the build for size 1, "mapdata10.vdd" and "mapdata100.vdd" for 10 and 100.
std::string databasePath(int size);

// Initialises the application on the offscreen platform, once.
void ensureApplication();

// Aborts with what differs between a benchmark and its baseline.
[[noreturn]] void mismatch(const char* what);

// Skips the benchmark with a message when the database of the size is not built.
bool skipMissing(benchmark::State& state, int size);

// Names the connection "BaselineConnection", connects it read-only to the database of the size as
// the program logs in, and prepares each query with its text on it, as the program prepares its
// own: the baselines' queries without windows.
void connectBaseline(TDbConnection& connection, int size, std::initializer_list<std::pair<TDbQuery*, const char*>> queries);

// Starts the program past its splash and returns its main window, shown, its map ready, in the
// normal state at 1920 x 1080.
TfmValdrenGIS& startProgramWindow();

// A folder laid out like the build, its database linked to the one of the size; made current
// and set as the program's directory while it lives.
class ProgramFolder {
public:
    explicit ProgramFolder(int size);
    ~ProgramFolder();

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace appbench
