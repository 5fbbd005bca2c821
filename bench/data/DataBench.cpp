// What the database components add to the engine on the program's own work: copying the city map
// out of its blob, scanning tables through fields, and opening Category as the main window does.
// Each BM_X has a BM_X_Baseline doing the same work through direct Ce* calls; the set-up checks
// that both sides produce the same bytes or rows and aborts otherwise.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "SampleDatabase.h"
#include "data/TDbTable.h"
#include "toolkit/TAutoIncField.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TStringField.h"

namespace {

using benchdata::Sample;
using benchdata::mismatch;
using benchdata::sample;

// --- The city map blob. ---

std::string cityMapByComponents(TDbTable& city) {
    city.Open();
    TMemoryStream stream;
    static_cast<TBlobField*>(city.FieldByName("citymap"))->SaveToStream(stream);
    city.Close();
    return std::string(stream.Memory(), size_t(stream.Size()));
}

std::string cityMapByEngine(const Sample& s) {
    const CEHANDLE t = s.openRaw("city");
    uint32_t length = 0;
    if (CeGotoTop(t) != 0 || CeGetBinaryLength(t, "citymap", &length) != 0)
        std::abort();
    std::string bytes(length, '\0');
    if (CeGetField(t, "citymap", bytes.data(), &length, 0) != 0)
        std::abort();
    bytes.resize(length);
    if (CeCloseTable(t) != 0)
        std::abort();
    return bytes;
}

void BM_CityMapBlob(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    TDbTable* city = s->table("city", "");
    if (cityMapByComponents(*city) != cityMapByEngine(*s))
        mismatch("the city map");
    for (auto _ : state)
        benchmark::DoNotOptimize(cityMapByComponents(*city).size());
    delete city;
}

void BM_CityMapBlob_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(cityMapByEngine(*s).size());
}

// --- Scanning Office in natural order and Street by NAME, an id and a name per row. ---

struct ScanSum {
    int64_t rows = 0;
    int64_t ids = 0;
    int64_t nameBytes = 0;
    bool operator==(const ScanSum&) const = default;
};

void scanFields(TDbTable& t, const char* idName, ScanSum& sum) {
    TField* id = t.FieldByName(idName);
    TField* name = t.FieldByName("Name");
    for (t.First(); !t.Eof(); t.Next()) {
        sum.ids += id->AsInteger();
        sum.nameBytes += int64_t(name->AsString().size());
        ++sum.rows;
    }
}

ScanSum scanByComponents(TDbTable& office, TDbTable& street) {
    ScanSum sum;
    scanFields(office, "Office_Id", sum);
    scanFields(street, "Street_Id", sum);
    return sum;
}

void scanRaw(CEHANDLE table, CEHANDLE order, const char* idName, ScanSum& sum) {
    uint32_t idOffset = 0, nameOffset = 0, nameLength = 0, recordLength = 0;
    if (CeGetFieldOffset(table, idName, &idOffset) != 0 || CeGetFieldOffset(table, "Name", &nameOffset) != 0 ||
        CeGetFieldLength(table, "Name", &nameLength) != 0 || CeGetRecordLength(table, &recordLength) != 0)
        std::abort();
    std::vector<char> record(recordLength);
    uint16_t atEof = 0;
    for (CERESULT r = CeGotoTop(order); r == 0 && CeAtEOF(table, &atEof) == 0 && !atEof; r = CeSkip(order, 1)) {
        uint32_t length = recordLength;
        if (CeGetRecord(table, record.data(), &length) != 0)
            std::abort();
        int32_t id = 0;
        std::memcpy(&id, record.data() + idOffset, 4);
        uint32_t n = nameLength;
        while (n > 0 && (record[nameOffset + n - 1] == ' ' || record[nameOffset + n - 1] == '\0'))
            --n;
        sum.ids += id;
        sum.nameBytes += n;
        ++sum.rows;
    }
}

ScanSum scanByEngine(CEHANDLE office, CEHANDLE street, CEHANDLE streetName) {
    ScanSum sum;
    scanRaw(office, office, "Office_Id", sum);
    scanRaw(street, streetName, "Street_Id", sum);
    return sum;
}

struct RawScanTables {
    CEHANDLE office, street, streetName = 0;
    explicit RawScanTables(const Sample& s) : office(s.openRaw("Office")), street(s.openRaw("Street")) {
        if (CeGetIndexHandle(street, "NAME", &streetName) != 0)
            std::abort();
    }
    ~RawScanTables() {
        (void)CeCloseTable(office);
        (void)CeCloseTable(street);
    }
};

void BM_TableScan(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    TDbTable* office = s->table("Office", "");
    TDbTable* street = s->table("Street", "NAME");
    office->Open();
    street->Open();
    {
        const RawScanTables raw(*s);
        if (!(scanByComponents(*office, *street) == scanByEngine(raw.office, raw.street, raw.streetName)))
            mismatch("the scanned rows");
    }
    int64_t rows = 0;
    for (auto _ : state)
        rows += scanByComponents(*office, *street).rows;
    state.counters["rows/s"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate);
    state.counters["ns/row"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    delete office;
    delete street;
}

void BM_TableScan_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const RawScanTables raw(*s);
    int64_t rows = 0;
    for (auto _ : state)
        rows += scanByEngine(raw.office, raw.street, raw.streetName).rows;
    state.counters["rows/s"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate);
    state.counters["ns/row"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// --- Opening Category as the main window does, its image kept loaded by another handle. ---

TDbTable* categoryTable(Sample& s) {
    TDbTable* t = s.table("Category", "CAT_ID");
    auto* id = new TAutoIncField(t);
    id->SetFieldName("Cat_Id");
    id->SetDataSet(t);
    auto* name = new TStringField(t);
    name->SetFieldName("Name");
    name->SetSize(40);
    name->SetDataSet(t);
    auto* sound = new TBlobField(t);
    sound->SetFieldName("Sound");
    sound->SetDataSet(t);
    return t;
}

int32_t openCategoryByComponents(TDbTable& t) {
    t.Open();
    const int32_t first = t.FieldByName("Cat_Id")->AsInteger();
    t.Close();
    return first;
}

int32_t openCategoryByEngine(const Sample& s) {
    const CEHANDLE t = s.openRaw("Category");
    CEHANDLE order = 0;
    uint32_t offset = 0, length = 0;
    if (CeGetIndexHandle(t, "CAT_ID", &order) != 0 || CeGotoTop(order) != 0 ||
        CeGetFieldOffset(t, "Cat_Id", &offset) != 0 || CeGetRecordLength(t, &length) != 0)
        std::abort();
    std::vector<char> record(length);
    if (CeGetRecord(t, record.data(), &length) != 0)
        std::abort();
    int32_t first = 0;
    std::memcpy(&first, record.data() + offset, 4);
    if (CeCloseTable(t) != 0)
        std::abort();
    return first;
}

void BM_TableOpen(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const CEHANDLE keeper = s->openRaw("Category");
    TDbTable* category = categoryTable(*s);
    if (openCategoryByComponents(*category) != openCategoryByEngine(*s))
        mismatch("the first category");
    for (auto _ : state)
        benchmark::DoNotOptimize(openCategoryByComponents(*category));
    delete category;
    (void)CeCloseTable(keeper);
}

void BM_TableOpen_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const CEHANDLE keeper = s->openRaw("Category");
    for (auto _ : state)
        benchmark::DoNotOptimize(openCategoryByEngine(*s));
    (void)CeCloseTable(keeper);
}

} // namespace

BENCHMARK(BM_CityMapBlob)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CityMapBlob_Baseline)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableScan)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableScan_Baseline)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableOpen)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableOpen_Baseline)->Arg(1)->Unit(benchmark::kMicrosecond);
