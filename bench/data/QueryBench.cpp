// The program's seven queries through the query dataset, re-run as the main window re-runs them
// (DisableControls, Close, the parameter, Open, EnableControls, then the rows it reads), and one
// firm-list fill. Each BM_X has a BM_X_Baseline running the same statement through raw Ce* calls
// (statement made once; per run CePrepareSQL, CeSetString, CeExecuteSQL, CeSkip and CeGetRecord
// over the same rows and fields, CeCloseTable). The set-up checks that both read the same texts.
#include <algorithm>
#include <cstring>
#include <vector>

#include "SampleDatabase.h"
#include "app/QueryTexts.h"
#include "base/CodePage.h"
#include "data/TDbQuery.h"
#include "data/TEngineFieldDef.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TDataLink.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TStringList.h"

namespace appsql = app::sql;

namespace {

using namespace benchdata;

// The rows the grids show: the search lists read only what fits.
constexpr int kGridRows = 20;

struct QueryCase {
    const char* sql;
    std::vector<const char*> params;
    std::vector<const char*> fields;
    bool grid; // only the first kGridRows rows, through a data link
};

const QueryCase kShowCat{app::sql::kShowCat, {"Name"}, {"Name"}, true};
const QueryCase kShowPredpr{app::sql::kShowPredpr, {"Name"}, {"Name"}, true};
const QueryCase kShowFirm{app::sql::kShowFirm, {"Topic_Id"}, {"Office_Id", "Name", "Flags", "inetref"}, false};
const QueryCase kShowFirm2{app::sql::kShowFirm2, {"Office_Id"}, {"Office_Id", "Name", "Flags", "inetref"}, false};
const QueryCase kShowInfo{app::sql::kShowInfo, {"Office_Id"}, {"Street", "House", "Apartment", "Contact"}, false};
const QueryCase kShowTopics{app::sql::kShowTopics, {"Office_Id"}, {"Name"}, false};
const QueryCase kObjInfo{app::sql::kObjInfo, {"Street", "House"}, {"Office_Id", "Name"}, false};

// What a run read: rows and the bytes of every field's text.
struct Read {
    int64_t rows = 0;
    int64_t bytes = 0;
    bool operator==(const Read&) const = default;
    Read& operator+=(const Read& other) {
        rows += other.rows;
        bytes += other.bytes;
        return *this;
    }
};

using Values = std::vector<std::string>;

// --- Through the components. ---

struct ComponentQuery {
    TDbQuery* query;
    TDataSource* source;
    TDataLink grid;

    ComponentQuery(Sample& s, const QueryCase& c) : query(new TDbQuery(&s.owner)), source(new TDataSource(&s.owner)) {
        query->SetDatabaseName("DbConnection1");
        query->SQL()->SetText(c.sql);
        query->Prepare();
        source->SetDataSet(query);
        // Only the two search lists have grids; the other queries are read row by row.
        if (!c.grid)
            return;
        grid.SetBufferCount(kGridRows);
        grid.SetDataSource(source);
    }
    ~ComponentQuery() {
        grid.SetDataSource(nullptr);
        delete source;
        delete query;
    }

    Read run(const QueryCase& c, const Values& values) {
        query->DisableControls();
        query->Close();
        for (size_t i = 0; i < c.params.size(); ++i)
            query->ParamByName(c.params[i])->SetAsString(values[i]);
        query->Open();
        query->EnableControls();
        Read read;
        const auto readRow = [&] {
            for (const char* field : c.fields)
                read.bytes += int64_t(query->FieldByName(field)->AsString().size());
            ++read.rows;
        };
        if (c.grid) {
            for (int r = 0; r < grid.RecordCount(); ++r) {
                grid.SetActiveRecord(r);
                readRow();
            }
            return read;
        }
        for (query->First(); !query->Eof(); query->Next())
            readRow();
        return read;
    }
};

// --- Through the engine. ---

struct RawQuery {
    CEHANDLE statement = 0;

    explicit RawQuery(const Sample& s) {
        if (CeCreateSQLStatement(s.raw, &statement) != 0)
            std::abort();
    }
    ~RawQuery() { (void)CeCloseSQLStatement(statement); }

    Read run(const QueryCase& c, const Values& values) const {
        CEHANDLE cursor = 0;
        if (CePrepareSQL(statement, c.sql) != 0)
            std::abort();
        for (size_t i = 0; i < values.size(); ++i)
            if (CeSetString(statement, CE_FIELDNO(i + 1), values[i].c_str(), uint32_t(values[i].size())) != 0)
                std::abort();
        if (CeExecuteSQL(statement, &cursor) != 0)
            std::abort();
        struct Field {
            uint32_t offset = 0, length = 0;
            uint16_t type = 0;
        };
        std::vector<Field> fields;
        uint32_t recordLength = 0;
        if (CeGetRecordLength(cursor, &recordLength) != 0)
            std::abort();
        for (const char* name : c.fields) {
            Field f;
            if (CeGetFieldOffset(cursor, name, &f.offset) != 0 || CeGetFieldLength(cursor, name, &f.length) != 0 ||
                CeGetFieldType(cursor, name, &f.type) != 0)
                std::abort();
            fields.push_back(f);
        }
        std::vector<char> record(recordLength);
        Read read;
        uint16_t atEof = 0;
        for (CERESULT r = CeGotoTop(cursor); r == 0 && CeAtEOF(cursor, &atEof) == 0 && !atEof;
             r = CeSkip(cursor, 1)) {
            if (c.grid && read.rows == kGridRows)
                break;
            uint32_t length = recordLength;
            if (CeGetRecord(cursor, record.data(), &length) != 0)
                std::abort();
            for (const Field& f : fields)
                read.bytes += textLength(record.data() + f.offset, f);
            ++read.rows;
        }
        if (CeCloseTable(cursor) != 0)
            std::abort();
        return read;
    }

    // The length of the text the components show for a raw field: integers in decimal, strings
    // without their padding.
    template <class F>
    static int64_t textLength(const char* raw, const F& f) {
        if (f.type == db::ceInteger) {
            int32_t value = 0;
            std::memcpy(&value, raw, 4);
            return int64_t(std::to_string(value).size());
        }
        uint32_t n = f.length;
        while (n > 0 && (raw[n - 1] == ' ' || raw[n - 1] == '\0'))
            --n;
        return n;
    }
};

// --- The parameters, varied from run to run as a person's searches would vary them. ---

// One column of a statement on the sample (its own connection, by owner).
std::vector<std::string> column(Sample& s, const char* sql, const char* field) {
    const std::unique_ptr<TDbQuery> q = std::make_unique<TDbQuery>(&s.owner);
    q->SetDatabaseName("DbConnection1");
    q->SQL()->SetText(sql);
    q->Open();
    std::vector<std::string> out;
    for (; !q->Eof(); q->Next())
        out.push_back(q->FieldByName(field)->AsString());
    return out;
}

std::vector<Values> rubricParts(Sample& s) {
    std::vector<Values> out;
    for (const std::string& name : column(s, "select Name from Topic", "Name"))
        if (name.size() >= 4 && out.size() < 64)
            out.push_back({"%" + AnsiUpperCase(name.substr(1, 3)) + "%"});
    return out;
}

std::vector<Values> initials(Sample&) {
    std::vector<Values> out;
    for (const char* letter : {"А", "Б", "В", "Г", "Д", "К", "М", "Н", "П", "С", "Т"})
        out.push_back({base::utf8ToCp1251(letter) + "%"});
    return out;
}

std::vector<Values> ids(Sample& s, const char* sql, const char* field) {
    std::vector<Values> out;
    const std::vector<std::string> all = column(s, sql, field);
    for (size_t i = 0; i < all.size() && out.size() < 64; i += std::max<size_t>(1, all.size() / 64))
        out.push_back({all[i]});
    return out;
}

std::vector<Values> rubrics(Sample& s) { return ids(s, "select Topic_Id from Topic", "Topic_Id"); }
std::vector<Values> firms(Sample& s) { return ids(s, "select Office_Id from Office", "Office_Id"); }

std::vector<Values> addresses(Sample& s) {
    const std::vector<std::string> streets = column(s, "select Street from Branch", "Street");
    const std::vector<std::string> houses = column(s, "select House from Branch", "House");
    std::vector<Values> out;
    for (size_t i = 0; i < streets.size() && out.size() < 64; i += std::max<size_t>(1, streets.size() / 64))
        out.push_back({AnsiUpperCase(streets[i]), AnsiUpperCase(houses[i])});
    return out;
}

using ValueSource = std::vector<Values> (*)(Sample&);

void runQuery(benchmark::State& state, const QueryCase& c, ValueSource source) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::vector<Values> values = source(*s);
    ComponentQuery query(*s, c);
    const RawQuery raw(*s);
    for (const Values& v : values)
        if (!(query.run(c, v) == raw.run(c, v)))
            mismatch(c.sql);
    size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(query.run(c, values[next++ % values.size()]).bytes);
}

void runQueryBaseline(benchmark::State& state, const QueryCase& c, ValueSource source) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::vector<Values> values = source(*s);
    const RawQuery raw(*s);
    size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(raw.run(c, values[next++ % values.size()]).bytes);
}

#define QUERY_BENCHMARK(Name, queryCase, values)                                                           \
    void BM_##Name(benchmark::State& state) { runQuery(state, queryCase, values); }                        \
    void BM_##Name##_Baseline(benchmark::State& state) { runQueryBaseline(state, queryCase, values); }     \
    BENCHMARK(BM_##Name)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);                                 \
    BENCHMARK(BM_##Name##_Baseline)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

QUERY_BENCHMARK(QueryShowCat, kShowCat, rubricParts)
QUERY_BENCHMARK(QueryShowPredpr, kShowPredpr, initials)
QUERY_BENCHMARK(QueryShowFirm, kShowFirm, rubrics)
QUERY_BENCHMARK(QueryShowFirm2, kShowFirm2, firms)
QUERY_BENCHMARK(QueryShowInfo, kShowInfo, firms)
QUERY_BENCHMARK(QueryShowTopics, kShowTopics, firms)
QUERY_BENCHMARK(QueryObjInfo, kObjInfo, addresses)

// --- One firm-list fill: the firms of the largest rubric, then each firm's card data. ---

std::string largestRubric(Sample& s) {
    const std::vector<std::string> topics = column(s, "select Topic_Id from OfficeTopics", "Topic_Id");
    std::map<std::string, int> counts;
    for (const std::string& t : topics)
        ++counts[t];
    return std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
               return a.second < b.second;
           })->first;
}

Read fillByComponents(ComponentQuery& firm, ComponentQuery& info, ComponentQuery& topics, const std::string& rubric) {
    Read read = firm.run(kShowFirm, {rubric});
    for (firm.query->First(); !firm.query->Eof(); firm.query->Next()) {
        const Values office{firm.query->FieldByName("Office_Id")->AsString()};
        read += info.run(kShowInfo, office);
        read += topics.run(kShowTopics, office);
    }
    return read;
}

Read fillByEngine(const RawQuery& firm, const RawQuery& info, const RawQuery& topics, const std::vector<Values>& offices,
                  const std::string& rubric) {
    Read read = firm.run(kShowFirm, {rubric});
    for (const Values& office : offices) {
        read += info.run(kShowInfo, office);
        read += topics.run(kShowTopics, office);
    }
    return read;
}

// The firms of the rubric, as the baseline's list of card parameters.
std::vector<Values> firmsOf(Sample& s, const std::string& rubric) {
    ComponentQuery firm(s, kShowFirm);
    firm.run(kShowFirm, {rubric});
    std::vector<Values> out;
    for (firm.query->First(); !firm.query->Eof(); firm.query->Next())
        out.push_back({firm.query->FieldByName("Office_Id")->AsString()});
    return out;
}

void BM_FirmListFill(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::string rubric = largestRubric(*s);
    ComponentQuery firm(*s, kShowFirm), info(*s, kShowInfo), topics(*s, kShowTopics);
    const RawQuery rawFirm(*s), rawInfo(*s), rawTopics(*s);
    if (!(fillByComponents(firm, info, topics, rubric) ==
          fillByEngine(rawFirm, rawInfo, rawTopics, firmsOf(*s, rubric), rubric)))
        mismatch("the firm-list fill");
    for (auto _ : state)
        benchmark::DoNotOptimize(fillByComponents(firm, info, topics, rubric).rows);
}

void BM_FirmListFill_Baseline(benchmark::State& state) {
    Sample* s = sample(state);
    if (s == nullptr)
        return;
    const std::string rubric = largestRubric(*s);
    const std::vector<Values> offices = firmsOf(*s, rubric);
    const RawQuery rawFirm(*s), rawInfo(*s), rawTopics(*s);
    for (auto _ : state)
        benchmark::DoNotOptimize(fillByEngine(rawFirm, rawInfo, rawTopics, offices, rubric).rows);
}

BENCHMARK(BM_FirmListFill)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirmListFill_Baseline)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
