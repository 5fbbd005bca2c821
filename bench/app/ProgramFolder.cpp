// The program's benchmarks run it in a temporary folder of the process, as the run command runs
// it in the build folder.
#include "ProgramFolder.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include "app/ProgramDirectory.h"
#include "app/StartUp.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TStringList.h"

namespace appbench {

namespace fs = std::filesystem;

std::string databasePath(int size) {
    return std::string(DATA_DIR) + "/mapdata" + (size == 1 ? "" : std::to_string(size)) + ".vdd";
}

void ensureApplication() {
    static const bool initialised = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        Application->Initialize();
        return true;
    }();
    (void)initialised;
}

void mismatch(const char* what) {
    std::fprintf(stderr, "bench_app: %s differs between the benchmark and its baseline\n", what);
    std::abort();
}

bool skipMissing(benchmark::State& state, int size) {
    if (fs::exists(databasePath(size)))
        return false;
    state.SkipWithError(("no " + databasePath(size) + ": build the target bigdatabases").c_str());
    return true;
}

void connectBaseline(TDbConnection& connection, int size, std::initializer_list<std::pair<TDbQuery*, const char*>> queries) {
    connection.SetName("BaselineConnection");
    connection.SetConnectPath(databasePath(size));
    connection.LoginPrompt = false;
    connection.Username = "USER";
    connection.Password = "valdren";
    connection.ReadOnly = true;
    connection.Connect();
    for (auto [query, text] : queries) {
        query->SetDatabaseName("BaselineConnection");
        query->SQL()->SetText(text);
        query->Prepare();
    }
}

ProgramFolder::ProgramFolder(int size) {
    path_ = fs::temp_directory_path() / ("valdren-bench-app-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_ / "data");
    fs::create_symlink(databasePath(size), path_ / "data" / "mapdata.vdd");
    fs::create_directory_symlink(fs::path(BUILD_DIR) / "help", path_ / "help");
    fs::create_directory_symlink(fs::path(BUILD_DIR) / "adv", path_ / "adv");
    previous_ = fs::current_path();
    fs::current_path(path_);
    app::setProgramDirectory(path_.string());
}

ProgramFolder::~ProgramFolder() {
    fs::current_path(previous_);
    app::setProgramDirectory("");
    fs::remove_all(path_);
}

TfmValdrenGIS& startProgramWindow() {
    app::startUp([](TfmSplash& splash) { tk::input::key(splash, VK_RETURN); });
    TfmValdrenGIS& window = *fmValdrenGIS;
    window.Show();
    while (window.MinScale() == 0)
        Application->ProcessMessages();
    window.SetWindowState(wsNormal);
    window.SetBounds(0, 0, 1920, 1080);
    Application->ProcessMessages();
    return window;
}

} // namespace appbench
