// The program's key searches through the components beside the same engine work done with raw
// Ce* calls: a category by id and a rubric by name (SetKey, GotoKey), street type-ahead
// (FindNearest with three letters) and a case-insensitive Locate that filters. Each set-up checks
// that both sides land on the same rows and aborts otherwise.
#include <cstring>
#include <string>
#include <vector>

#include "SampleDatabase.h"
#include "data/LocateExpression.h"
#include "data/TEngineFieldDef.h"
#include "toolkit/TField.h"

namespace {

using benchdata::Sample;
using benchdata::mismatch;
using benchdata::sample;

// One table opened raw on an index, with one CHAR field read from the record.
struct RawTable {
    CEHANDLE table = 0;
    CEHANDLE order = 0;
    uint32_t nameOffset = 0;
    uint32_t nameLength = 0;
    std::vector<char> record;

    RawTable(const Sample& s, const char* name, const char* index, const char* field) : table(s.openRaw(name)) {
        uint32_t length = 0;
        if ((index != nullptr && CeGetIndexHandle(table, index, &order) != 0) ||
            CeGetFieldOffset(table, field, &nameOffset) != 0 || CeGetFieldLength(table, field, &nameLength) != 0 ||
            CeGetRecordLength(table, &length) != 0)
            std::abort();
        if (index == nullptr)
            order = table;
        record.resize(length);
    }
    ~RawTable() { (void)CeCloseTable(table); }

    // The trimmed text of the field in the current record.
    std::string name() {
        uint32_t length = uint32_t(record.size());
        if (CeGetRecord(table, record.data(), &length) != 0)
            std::abort();
        uint32_t n = nameLength;
        while (n > 0 && (record[nameOffset + n - 1] == ' ' || record[nameOffset + n - 1] == '\0'))
            --n;
        return std::string(record.data() + nameOffset, n);
    }

    // Every value of the field in the order's sequence.
    std::vector<std::string> names() {
        std::vector<std::string> all;
        uint16_t atEof = 0;
        for (CERESULT r = CeGotoTop(order); r == 0 && CeAtEOF(table, &atEof) == 0 && !atEof; r = CeSkip(order, 1))
            all.push_back(name());
        return all;
    }

    // Builds the key from one segment value (a string with CeSetField) and seeks it.
    bool seek(const char* field, const void* value, uint32_t length, bool text, uint16_t seekType) {
        char key[257];
        uint32_t keyLength = sizeof key;
        uint16_t found = 0;
        if (CeInitRawKey(order) != 0 ||
            (text ? CeSetField(order, field, value, length) : CeSetFieldRaw(order, field, value, length)) != 0 ||
            CeBuildRawKey(order, key, &keyLength) != 0 || CeSeek(order, key, keyLength, 1, seekType, &found) != 0)
            std::abort();
        return found != 0;
    }
};

std::string fieldText(TDbTable& t, const char* field) { return t.FieldByName(field)->AsString(); }

// --- Category by id. ---

std::string categoryByComponents(TDbTable& t, int32_t id) {
    t.SetKey();
    t.FieldByName("Cat_Id")->SetAsInteger(id);
    return t.GotoKey() ? fieldText(t, "Name") : std::string();
}

std::string categoryByEngine(RawTable& raw, int32_t id) {
    return raw.seek("Cat_Id", &id, 4, /*text=*/false, 2) ? raw.name() : std::string();
}

std::vector<int32_t> categoryIds(const Sample& s) {
    RawTable raw(s, "Category", "CAT_ID", "Cat_Id");
    std::vector<int32_t> ids;
    uint16_t atEof = 0;
    for (CERESULT r = CeGotoTop(raw.order); r == 0 && CeAtEOF(raw.table, &atEof) == 0 && !atEof;
         r = CeSkip(raw.order, 1)) {
        int32_t id = 0;
        uint32_t length = uint32_t(raw.record.size());
        if (CeGetRecord(raw.table, raw.record.data(), &length) != 0)
            std::abort();
        std::memcpy(&id, raw.record.data() + raw.nameOffset, 4);
        ids.push_back(id);
    }
    return ids;
}

void BM_GotoKeyCategory(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::vector<int32_t> ids = categoryIds(*s);
    TDbTable* category = s->table("Category", "CAT_ID");
    category->Open();
    {
        RawTable raw(*s, "Category", "CAT_ID", "Name");
        for (int32_t id : ids)
            if (categoryByComponents(*category, id) != categoryByEngine(raw, id) || raw.name().empty())
                mismatch("a category");
    }
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(categoryByComponents(*category, ids[i++ % ids.size()]));
    delete category;
}

void BM_GotoKeyCategory_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::vector<int32_t> ids = categoryIds(*s);
    RawTable raw(*s, "Category", "CAT_ID", "Name");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(categoryByEngine(raw, ids[i++ % ids.size()]));
}

// --- Rubric by name: the whole field is the key, as GotoKey passes it. ---

std::string topicByComponents(TDbTable& t, const std::string& name) {
    t.SetKey();
    t.FieldByName("Name")->SetAsString(name);
    return t.GotoKey() ? fieldText(t, "Name") : std::string();
}

std::string topicByEngine(RawTable& raw, const std::string& name) {
    std::string padded = name;
    padded.resize(raw.nameLength, ' ');
    return raw.seek("Name", padded.data(), raw.nameLength, /*text=*/true, 2) ? raw.name() : std::string();
}

void BM_GotoKeyTopic(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    RawTable raw(*s, "Topic", "NAME", "Name");
    const std::vector<std::string> names = raw.names();
    TDbTable* topic = s->table("Topic", "NAME");
    topic->Open();
    for (const std::string& name : names)
        if (topicByComponents(*topic, name) != name || topicByEngine(raw, name) != name)
            mismatch("a rubric");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(topicByComponents(*topic, names[i++ % names.size()]));
    delete topic;
}

void BM_GotoKeyTopic_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    RawTable raw(*s, "Topic", "NAME", "Name");
    const std::vector<std::string> names = raw.names();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(topicByEngine(raw, names[i++ % names.size()]));
}

// --- Street type-ahead: three letters, nearest seek. ---

std::vector<std::string> streetPrefixes(RawTable& raw) {
    std::vector<std::string> prefixes;
    for (const std::string& name : raw.names())
        prefixes.push_back(name.substr(0, 3));
    return prefixes;
}

std::string streetByComponents(TDbTable& t, const std::string& prefix) {
    t.FindNearest({Variant(prefix)});
    return fieldText(t, "Name");
}

std::string streetByEngine(RawTable& raw, const std::string& prefix) {
    raw.seek("Name", prefix.data(), uint32_t(prefix.size()), /*text=*/true, 1);
    return raw.name();
}

void BM_FindNearestStreet(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    RawTable raw(*s, "Street", "NAME", "Name");
    const std::vector<std::string> prefixes = streetPrefixes(raw);
    TDbTable* street = s->table("Street", "NAME");
    street->Open();
    street->DisableControls();
    for (const std::string& prefix : prefixes)
        if (streetByComponents(*street, prefix) != streetByEngine(raw, prefix))
            mismatch("a street");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(streetByComponents(*street, prefixes[i++ % prefixes.size()]));
    delete street;
}

void BM_FindNearestStreet_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    RawTable raw(*s, "Street", "NAME", "Name");
    const std::vector<std::string> prefixes = streetPrefixes(raw);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(streetByEngine(raw, prefixes[i++ % prefixes.size()]));
}

// --- A case-insensitive Locate of a firm near the end of Office: a temporary optimised filter. ---

std::string lateOfficeName(const Sample& s) {
    RawTable raw(s, "Office", nullptr, "Name");
    const std::vector<std::string> names = raw.names();
    return names[names.size() - names.size() / 20 - 1];
}

std::string officeByComponents(TDbTable& t, const std::string& name) {
    return t.Locate("Name", Variant(name), loCaseInsensitive) ? fieldText(t, "Name") : std::string();
}

std::string officeByEngine(RawTable& raw, const std::string& expression) {
    uint16_t atEof = 1;
    if (CeSetAOF(raw.table, expression.c_str(), 2) != 0 || CeGotoTop(raw.table) != 0 ||
        CeAtEOF(raw.table, &atEof) != 0)
        std::abort();
    const std::string found = atEof ? std::string() : raw.name();
    if (CeClearAOF(raw.table) != 0)
        std::abort();
    return found;
}

void BM_LocateCaseInsensitive(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::string name = lateOfficeName(*s);
    TDbTable* office = s->table("Office", "");
    office->Open();
    {
        RawTable raw(*s, "Office", nullptr, "Name");
        const std::string expression = db::locateTerm("Name", db::ceString, name, /*CaseInsensitive=*/true);
        if (CeSetExact22(raw.table, 1) != 0 || officeByComponents(*office, name) != officeByEngine(raw, expression) || raw.name() != name)
            mismatch("the located firm");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(officeByComponents(*office, name));
    delete office;
}

void BM_LocateCaseInsensitive_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::string expression = db::locateTerm("Name", db::ceString, lateOfficeName(*s), /*CaseInsensitive=*/true);
    RawTable raw(*s, "Office", nullptr, "Name");
    // A Locate without loPartialKey compares whole texts: the filter runs in the same mode.
    if (CeSetExact22(raw.table, 1) != 0)
        std::abort();
    for (auto _ : state)
        benchmark::DoNotOptimize(officeByEngine(raw, expression));
}

} // namespace

BENCHMARK(BM_GotoKeyCategory)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GotoKeyCategory_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GotoKeyTopic)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GotoKeyTopic_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNearestStreet)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNearestStreet_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocateCaseInsensitive)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocateCaseInsensitive_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
