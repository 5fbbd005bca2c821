// What the program's benchmarks share: the sample databases of the build by size, the offscreen
// application, a folder laid out like the build for one run of the program, the skip for a
// database not built and the abort when a benchmark and its baseline do different work.
#pragma once

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

namespace appbench {

// "data/mapdata.vdd" of the build for size 1, "mapdata10.vdd" and "mapdata100.vdd" for 10 and 100.
std::string databasePath(int size);

// Initialises the application on the offscreen platform, once.
void ensureApplication();

// Aborts with what differs between a benchmark and its baseline.
[[noreturn]] void mismatch(const char* what);

// Skips the benchmark with a message when the database of the size is not built.
bool skipMissing(benchmark::State& state, int size);

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
