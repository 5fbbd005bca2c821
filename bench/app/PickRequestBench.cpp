// Pick speed on the sample city: a left press on a building in the real main window (1920 x 1080,
// offscreen), messages handled until idle, the release and idle again; that is the locate, the
// balloon, the address query, every firm card, the highlight and the map's rebuild and repaint.
// The two addresses with the most firms take turns, so every pick runs the lookup. The baseline
// opens and walks the same address, branch and rubric queries through the data components,
// without windows.
#include <array>

#include <benchmark/benchmark.h>

#include "ProgramFolder.h"
#include "app/QueryTexts.h"
#include "app/RerunQuery.h"
#include "app/StartUp.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"
#include "map/TDataMap.h"
#include "support/SampleQueries.h"
#include "support/MapTargets.h"
#include "toolkit/Controls.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TParam.h"
#include "toolkit/TStringList.h"
#include "widgets/TEmiStringGrid.h"

namespace {

using testsupport::Address;

// The rows one pick reads: the firms at the address, and their branches and rubrics.
struct Rows {
    int firms = 0;
    int branches = 0;
    int rubrics = 0;
};

// The pick's three queries on a connection of their own, prepared once as the program prepares
// them.
class DirectoryQueries {
public:
    DirectoryQueries() {
        appbench::connectBaseline(*connection_, 1,
                                  {{objInfo_, app::sql::kObjInfo}, {showInfo_, app::sql::kShowInfo},
                                   {showTopics_, app::sql::kShowTopics}});
    }

    Rows walk(const Address& address) {
        Rows rows;
        app::rerunQuery(*objInfo_, [&](TDbQuery& q) {
            q.ParamByName("Street")->SetAsString(address.street);
            q.ParamByName("House")->SetAsString(address.house);
        });
        for (; !objInfo_->Eof(); objInfo_->Next(), ++rows.firms) {
            TField* office = objInfo_->FieldByName("Office_Id");
            app::rerunQuery(*showInfo_, [office](TDbQuery& q) { q.ParamByName("Office_Id")->SetValue(office->Value()); });
            app::rerunQuery(*showTopics_, [office](TDbQuery& q) { q.ParamByName("Office_Id")->SetAsInteger(office->AsInteger()); });
            for (; !showTopics_->Eof(); showTopics_->Next(), ++rows.rubrics)
                benchmark::DoNotOptimize(showTopics_->FieldByName("Name")->AsString());
            for (; !showInfo_->Eof(); showInfo_->Next(), ++rows.branches)
                benchmark::DoNotOptimize(showInfo_->FieldByName("Contact")->AsString());
        }
        return rows;
    }

private:
    TComponent owner_{nullptr};
    TDbConnection* connection_ = new TDbConnection(&owner_);
    TDbQuery* objInfo_ = new TDbQuery(&owner_);
    TDbQuery* showInfo_ = new TDbQuery(&owner_);
    TDbQuery* showTopics_ = new TDbQuery(&owner_);
};

std::array<Address, 2> busiestPair() {
    const std::vector<Address> addresses = testsupport::busiestAddresses("BaselineConnection", 2);
    if (addresses.size() != 2)
        appbench::mismatch("the number of addresses with firms");
    return {addresses[0], addresses[1]};
}

void BM_PickRequest(benchmark::State& state) {
    appbench::ensureApplication();
    appbench::ProgramFolder folder(1);
    TfmValdrenGIS& window = appbench::startProgramWindow();
    TDataMap& map = *window.DataMap1;
    map.SetScale(100);
    DirectoryQueries baseline;
    const std::array<Address, 2> addresses = busiestPair();
    std::array<int, 2> objects{};
    const TPoint at = Point(map.Width() / 2, map.Height() / 2);
    for (int i = 0; i < 2; ++i) {
        objects[size_t(i)] = map.Model().FindObjectByAddress(-1, addresses[size_t(i)].street, addresses[size_t(i)].house);
        if (!testsupport::centreObjectAt(map, objects[size_t(i)], at))
            appbench::mismatch("the building under the press");
        tk::input::click(map, at.X, at.Y);
        Application->ProcessMessages();
        if (window.StringGrid1->RowCount() != baseline.walk(addresses[size_t(i)]).firms)
            appbench::mismatch("the number of firms listed");
    }
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        turn ^= 1;
        testsupport::centreObjectAt(map, objects[size_t(turn)], at);
        Application->ProcessMessages();
        state.ResumeTiming();
        tk::input::press(map, mbLeft, at.X, at.Y);
        Application->ProcessMessages();
        tk::input::release(map, mbLeft, at.X, at.Y);
        Application->ProcessMessages();
    }
    app::freeWindows();
}

void BM_PickRequest_Baseline(benchmark::State& state) {
    appbench::ensureApplication();
    DirectoryQueries baseline;
    const std::array<Address, 2> addresses = busiestPair();
    int turn = 0;
    for (auto _ : state) {
        turn ^= 1;
        benchmark::DoNotOptimize(baseline.walk(addresses[size_t(turn)]));
    }
}

BENCHMARK(BM_PickRequest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickRequest_Baseline)->Unit(benchmark::kMillisecond);

} // namespace
