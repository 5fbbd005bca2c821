// Start-up speed: from app::startUp to a usable main window (splash dismissed at its wait, the
// window shown as the message loop shows it, messages handled until its first activation is done
// and the map is painted), beside a baseline that connects, reads the city blob, loads it into a
// bare map of the same size and draws it once. Sizes 1 and 10; size 10 needs target bigdatabases.
#include <benchmark/benchmark.h>

#include "ProgramFolder.h"
#include "app/StartUp.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbConnection.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "toolkit/Controls.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TMemoryStream.h"

namespace {

using namespace appbench;

// The city loaded the baseline's way: connection, table, blob, bare map drawn once.
int loadBareMap(int size) {
    TComponent owner(nullptr);
    auto* connection = new TDbConnection(&owner);
    connection->SetName("BenchConnection");
    connection->SetConnectPath(databasePath(size));
    connection->LoginPrompt = false;
    connection->Username = "USER";
    connection->Password = "valdren";
    connection->ReadOnly = true;
    connection->Connect();
    auto* city = new TDbTable(&owner);
    city->SetDbConnection(connection);
    city->SetTableName("city");
    city->Open();
    TMemoryStream stream;
    static_cast<TBlobField*>(city->FieldByName("citymap"))->SaveToStream(stream);
    stream.SetPosition(0);
    TDataMap map(nullptr);
    map.SetBounds(0, 0, 1920, 1080);
    map.LoadFromStream(stream);
    const auto& e = map.Model().MapExtent;
    map.ZoomToRect(e.x1, e.y1, e.x2, e.y2);
    map.RefreshMap();
    return map.GetObjectCount();
}

void BM_StartUp(benchmark::State& state) {
    const int size = int(state.range(0));
    if (skipMissing(state, size))
        return;
    ensureApplication();
    const int expected = loadBareMap(size);
    for (auto _ : state) {
        state.PauseTiming();
        {
            ProgramFolder folder(size);
            state.ResumeTiming();
            app::startUp([](TfmSplash& splash) { tk::input::key(splash, VK_RETURN); });
            Application->MainForm()->Show();
            while (fmValdrenGIS->MinScale() == 0)
                Application->ProcessMessages();
            fmValdrenGIS->DataMap1->Repaint();
            state.PauseTiming();
            if (fmValdrenGIS->DataMap1->GetObjectCount() != expected)
                mismatch("the city's object count");
            app::freeWindows();
        }
        state.ResumeTiming();
    }
}

void BM_StartUp_Baseline(benchmark::State& state) {
    const int size = int(state.range(0));
    if (skipMissing(state, size))
        return;
    ensureApplication();
    const int expected = loadBareMap(size);
    for (auto _ : state)
        if (loadBareMap(size) != expected)
            mismatch("the city's object count");
}

BENCHMARK(BM_StartUp)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp_Baseline)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
