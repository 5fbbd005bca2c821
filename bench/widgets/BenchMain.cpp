// The widget benchmarks' entry point: the toolkit's application (on the offscreen platform unless
// the environment names another) is made before any benchmark runs and taken down after.
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "toolkit/TApplication.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    Application->Initialize();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tk::shutDownApplication();
    return 0;
}
