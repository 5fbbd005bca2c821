// Map model speed: reading a large map stream from memory beside a plain copy of its bytes, and
// a pick through the grid index beside the same pick scanning every object.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "map/MapModel.h"
#include "map/ViewContext.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/TMemoryStream.h"

namespace {

constexpr int kObjects = 100000;

// A city of kObjects buildings and streets on a grid inside the index square.
mapstream::MapDocument city() {
    mapstream::MapDocument map;
    map.Header.Version = 6;
    map.Header.Scale = 100;
    map.Streets = {{"MAIN", 1}};
    std::mt19937 random(7);
    std::uniform_real_distribution<float> jitter(0, 60);
    const int side = 317; // side x side blocks of 360 units cover about -57000..57000
    for (int i = 0; i < kObjects; ++i) {
        const float x = static_cast<float>(i % side) * 360 - 57000 + jitter(random);
        const float y = static_cast<float>(i / side) * 360 - 57000 + jitter(random);
        TKEXMapObjectMem record;
        record.Id = static_cast<uint32_t>(i + 1);
        record.Category = 13;
        record.Plane = i % 7;
        if (i % 5 == 0) {
            record.Kind = mapi::kindPolyline;
            record.Pen.Width = 12;
            record.SetPoints({{x, y}, {x + 300, y}, {x + 300, y + 300}});
        } else {
            record.Kind = mapi::kindPolygon;
            record.SetPoints(
                {{x, y}, {x + 200, y}, {x + 200, y + 150}, {x + 100, y + 220}, {x, y + 150}});
            TKEXMapAddress address;
            address.StreetId = 1;
            address.House.assign(std::to_string(i % 300));
            record.Address = address;
        }
        const auto points = record.Points();
        record.Corners = {points[0],
                          {points[0].x + 300, points[0].y},
                          {points[0].x + 300, points[0].y + 300},
                          {points[0].x, points[0].y + 300}};
        map.Objects.AddObjectCopy(std::move(record));
    }
    return map;
}

const std::string& cityBytes() {
    static const std::string bytes = mapstream::WriteMapStream(city());
    return bytes;
}

class BenchContext : public mapi::ViewContext {
public:
    bool IsEditing() const override { return false; }
    int Scale() const override { return 100; }
    TSize NoteIconSize(const TKEXMapZametka&) const override { return {32, 32}; }
};

void BM_LoadMap(benchmark::State& state) {
    TMemoryStream stream;
    stream.WriteBuffer(cityBytes().data(), static_cast<int64_t>(cityBytes().size()));
    mapi::MapModel model;
    for (auto _ : state) {
        stream.SetPosition(0);
        model.LoadFromStream(stream);
        benchmark::DoNotOptimize(model.Objects().Count());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(cityBytes().size()));
}
BENCHMARK(BM_LoadMap)->Unit(benchmark::kMillisecond);

// The same bytes copied with memcpy: the floor any reader of this stream stands on.
void BM_LoadMap_Baseline(benchmark::State& state) {
    std::vector<char> target(cityBytes().size());
    for (auto _ : state) {
        std::memcpy(target.data(), cityBytes().data(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(cityBytes().size()));
}
BENCHMARK(BM_LoadMap_Baseline)->Unit(benchmark::kMillisecond);

void pick(benchmark::State& state, bool indexed) {
    TMemoryStream stream;
    stream.WriteBuffer(cityBytes().data(), static_cast<int64_t>(cityBytes().size()));
    stream.SetPosition(0);
    mapi::MapModel model;
    model.LoadFromStream(stream);
    model.SetUseIndex(indexed);
    const BenchContext context;
    std::mt19937 random(11);
    std::uniform_real_distribution<float> where(-57000, 57000);
    int64_t hits = 0;
    for (auto _ : state) {
        hits += model.HitTest(where(random), where(random), context);
    }
    state.counters["hit_ratio"] =
        benchmark::Counter(static_cast<double>(hits), benchmark::Counter::kAvgIterations);
}

void BM_Pick(benchmark::State& state) { pick(state, /*indexed=*/true); }
BENCHMARK(BM_Pick)->Unit(benchmark::kMicrosecond);

// The same pick walking every object, as a map without the index does.
void BM_Pick_Baseline(benchmark::State& state) { pick(state, /*indexed=*/false); }
BENCHMARK(BM_Pick_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace
