// End to end on the sample database, as the main window uses it: settings and connection read in
// layout order, the city map blob, the Category, Street and Topic tables in index order with the
// program's key searches, and the program's seven queries run as it runs them against the rows
// the database builder planned.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "DataFixture.h"
#include "app/QueryTexts.h"
#include "base/CodePage.h"
#include "base/SortWeight.h"
#include "citycategories/CityCategory.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"
#include "data/TDbSettings.h"
#include "data/TDbTable.h"
#include "makedb/DatabaseWriter.h"
#include "makedb/DirectoryPlan.h"
#include "makedb/MapCategoryPatch.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TDataSource.h"
#include "toolkit/RecordingDataLink.h"
#include "tools/makedb/SampleCity.h"
#include "toolkit/TAutoIncField.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TFileStream.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TStringField.h"
#include "toolkit/TStringList.h"

namespace {

class SampleDatabaseTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(SetCurrentDir(BUILD_DIR));
        FormatSettings.ShortDateFormat = "MM/dd/yyyy";
        FormatSettings.DateSeparator = '/';
        settings = add<TDbSettings>("DbSettings1");
        settings->SetDateFormat("dd.MM.ccyy");
        settings->SetNumDecimals(2);
        settings->SetSetHostDate(true);
        settings->SetShowDeleted(false);
        settings->SetDbServerTypes(stCE_REMOTE);
        settings->SetNumCachedTables(0);
        settings->SetNumCachedCursors(25);
        connection = add<TDbConnection>("DbConnection1");
        connection->SetConnectPath("data\\mapdata.vdd");
        connection->DbServerTypes = stCE_LOCAL;
        connection->LoginPrompt = false;
        connection->Username = "USER";
        connection->Password = makedb::DatabaseWriter::kPassword;
        connection->ReadOnly = true;
        city = table("dbCity", "city", "");
        category = table("dbCategory", "Category", "CAT_ID");
        auto* id = new TAutoIncField(category);
        id->SetFieldName("Cat_Id");
        id->SetDataSet(category);
        auto* name = new TStringField(category);
        name->SetFieldName("Name");
        name->SetSize(40);
        name->SetDataSet(category);
        auto* sound = new TBlobField(category);
        sound->SetFieldName("Sound");
        sound->SetDataSet(category);
        streets = table("dbStreets", "Street", "NAME");
        rubrics = table("dbRubric", "Topic", "NAME");
        for (TComponent* c : loading)
            c->EndLoading();
    }

    template <class C>
    C* add(const char* name) {
        auto* c = new C(&owner);
        c->BeginLoading();
        c->SetName(name);
        loading.push_back(c);
        return c;
    }

    TDbTable* table(const char* name, const char* tableName, const char* index) {
        auto* t = add<TDbTable>(name);
        t->SetDatabaseName("DbConnection1");
        t->SetTableName(tableName);
        t->SetIndexName(index);
        return t;
    }

    // The names of a table in its order, checking that they rise bytewise.
    static void expectNameOrder(TDbTable& t) {
        std::string previous;
        int rows = 0;
        for (t.First(); !t.Eof(); t.Next(), ++rows) {
            const std::string name = t.FieldByName("Name")->AsString();
            EXPECT_LE(previous, name) << t.Name() << " row " << rows;
            previous = name;
        }
        EXPECT_GT(rows, 10);
        EXPECT_EQ(rows, t.RecordCount());
    }

    std::vector<TComponent*> loading;
    TDbSettings* settings = nullptr;
    TDbConnection* connection = nullptr;
    TDbTable* city = nullptr;
    TDbTable* category = nullptr;
    TDbTable* streets = nullptr;
    TDbTable* rubrics = nullptr;
};

TEST_F(SampleDatabaseTest, MainWindowStartsOnTheSampleDatabase) {
    EXPECT_EQ(FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(FormatSettings.DateSeparator, '.');
    connection->Connect();
    category->Open();
    streets->Open();
    rubrics->Open();

    city->Open();
    TMemoryStream map;
    static_cast<TBlobField*>(city->FieldByName("citymap"))->SaveToStream(map);
    map.SetPosition(0);
    city->Close();
    TMemoryStream built;
    built.LoadFromFile(CITY_MAP);
    std::string expected;
    std::string error;
    makedb::MapCategoryPatch patch;
    ASSERT_TRUE(patch.apply(std::string(built.Memory(), size_t(built.Size())), expected, error)) << error;
    ASSERT_EQ(map.Size(), int64_t(expected.size()));
    EXPECT_TRUE(std::string(map.Memory(), size_t(map.Size())) == expected) << "the city map blob byte for byte";

    int rows = 0;
    for (const city::CityCategory& c : city::cityCategories()) {
        if (c.id == city::cat::Undetermined)
            continue;
        ASSERT_FALSE(category->Eof());
        EXPECT_EQ(category->FieldByName("Cat_Id")->AsInteger(), c.id);
        EXPECT_EQ(category->FieldByName("Name")->AsString(), base::utf8ToCp1251(c.name));
        category->Next();
        ++rows;
    }
    EXPECT_TRUE(category->Eof());
    EXPECT_EQ(category->RecordCount(), rows);
    expectNameOrder(*streets);
    expectNameOrder(*rubrics);

    for (TDbTable* t : {category, streets, rubrics}) {
        EXPECT_FALSE(t->CanModify()) << t->Name();
        EXPECT_THROW(t->Edit(), EDatabaseError) << t->Name();
    }
}

// The program's three key searches: a building's purpose, a rubric link, street type-ahead.
TEST_F(SampleDatabaseTest, TheProgramsKeySearchesFindTheirRows) {
    connection->Connect();
    category->Open();
    const auto gotoCategory = [&](int id) {
        category->SetKey();
        category->FieldByName("Cat_Id")->SetAsInteger(id);
        return category->GotoKey();
    };
    for (const city::CityCategory& c : city::cityCategories()) {
        if (c.id == city::cat::Undetermined)
            continue;
        ASSERT_TRUE(gotoCategory(c.id)) << c.id;
        EXPECT_EQ(category->FieldByName("Name")->AsString(), base::utf8ToCp1251(c.name));
    }
    category->First();
    category->Next();
    const int current = category->FieldByName("Cat_Id")->AsInteger();
    for (int missing : {0, 99999}) {
        EXPECT_FALSE(gotoCategory(missing));
        EXPECT_EQ(category->FieldByName("Cat_Id")->AsInteger(), current);
    }

    makedb::CityManifest manifest;
    makedb::WordLists words;
    std::string error;
    ASSERT_TRUE(makedb::CityManifest::load(CITY_MANIFEST, manifest, error)) << error;
    ASSERT_TRUE(makedb::WordLists::load(WORDS_DIR, words, error)) << error;
    const makedb::DirectoryPlan plan = makedb::DirectoryPlan::make(manifest, words);
    ASSERT_GT(plan.rubrics.size(), 10u);
    ASSERT_GT(plan.streets.size(), 10u);
    rubrics->Open();
    for (const std::string& rubric : plan.rubrics) {
        rubrics->SetKey();
        rubrics->FieldByName("Name")->SetAsString(rubric);
        ASSERT_TRUE(rubrics->GotoKey()) << rubric;
        EXPECT_EQ(rubrics->FieldByName("Name")->AsString(), rubric);
    }

    std::vector<std::string> names = plan.streets;
    std::sort(names.begin(), names.end());
    streets->Open();
    streets->DisableControls();
    for (const std::string& street : plan.streets)
        for (std::size_t n = 1; n <= street.size(); ++n) {
            const std::string prefix = street.substr(0, n);
            streets->FindNearest({Variant(prefix)});
            ASSERT_EQ(streets->FieldByName("Name")->AsString(), *std::lower_bound(names.begin(), names.end(), prefix))
                << prefix;
        }
    streets->EnableControls();
}

TEST_F(SampleDatabaseTest, MissingDictionaryGivesAClearErrorWithNothingOpen) {
    connection->SetConnectPath("data\\missing.vdd");
    try {
        category->Open();
        FAIL();
    } catch (const EDbEngineError& e) {
        EXPECT_EQ(e.ErrorCode, 7041);
    }
    EXPECT_FALSE(connection->IsConnected());
    EXPECT_FALSE(category->Active());
}

// The seven queries of the main window on the sample database, read from the layout with their
// parameters and re-run as the program re-runs them.
class SampleQueriesTest : public SampleDatabaseTest {
protected:
    void SetUp() override {
        SampleDatabaseTest::SetUp();
        loading.clear();
        qShowCat = query("qShowCat", app::sql::kShowCat, {"Name"});
        qShowPredpr = query("qShowPredpr", app::sql::kShowPredpr, {"Name"});
        qShowFirm = query("qShowFirm", app::sql::kShowFirm, {"Topic_Id"});
        qShowFirm2 = query("qShowFirm2", app::sql::kShowFirm2, {"Office_Id"});
        qShowInfo = query("qShowInfo", app::sql::kShowInfo, {"Office_Id"});
        qShowTopics = query("qShowTopics", app::sql::kShowTopics, {"Office_Id"});
        qObjInfo = query("qObjInfo", app::sql::kObjInfo, {"Street", "House"});
        dsCat = new TDataSource(&owner);
        dsCat->SetDataSet(qShowCat);
        dsPredpr = new TDataSource(&owner);
        dsPredpr->SetDataSet(qShowPredpr);
        for (TComponent* c : loading)
            c->EndLoading();
        for (tktest::RecordingDataLink* grid : {&catGrid, &predprGrid})
            grid->SetBufferCount(20);
        catGrid.SetDataSource(dsCat);
        predprGrid.SetDataSource(dsPredpr);
        connection->Connect();
        category->Open();
        streets->Open();
        rubrics->Open();
        for (TDbQuery* q : {qShowCat, qShowPredpr, qShowFirm, qShowTopics, qShowInfo, qObjInfo})
            q->Prepare();
    }

    void TearDown() override {
        catGrid.SetDataSource(nullptr);
        predprGrid.SetDataSource(nullptr);
        SampleDatabaseTest::TearDown();
    }

    TDbQuery* query(const char* name, const char* text, const std::vector<const char*>& params) {
        auto* q = add<TDbQuery>(name);
        q->SetDatabaseName("DbConnection1");
        q->SQL()->SetText(text);
        TParams stored;
        for (const char* param : params)
            stored.CreateParam(ftUnknown, param, ptUnknown);
        q->SetParamData(stored);
        return q;
    }

    static const makedb::DirectoryPlan& plan() {
        static const makedb::DirectoryPlan p =
            makedb::DirectoryPlan::make(makedb::test::bundledManifest(), makedb::test::wordLists());
        return p;
    }

    // The program's re-run, with its parameters set as strings.
    static void rerun(TDbQuery& q, const std::vector<std::pair<const char*, AnsiString>>& params) {
        q.DisableControls();
        q.Close();
        for (const auto& [param, value] : params)
            q.ParamByName(param)->SetAsString(value);
        q.Open();
        q.EnableControls();
    }

    // The query's rows, one text per row, are the expected ones in any order; when ordered, their
    // Name rises by the sort weights. RecordCount counts them.
    static void expectRows(TDbQuery& q, const std::function<std::string(TDbQuery&)>& row, bool ordered,
                           std::vector<std::string> expected, const std::string& what) {
        std::vector<std::string> actual;
        std::string previous;
        for (q.First(); !q.Eof(); q.Next()) {
            actual.push_back(row(q));
            const std::string name = ordered ? q.FieldByName("Name")->AsString() : std::string();
            EXPECT_LE(base::compareTextCp1251(previous, name), 0) << what << ": " << previous << " / " << name;
            previous = name;
        }
        EXPECT_EQ(int(actual.size()), q.RecordCount()) << what;
        std::sort(actual.begin(), actual.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(actual, expected) << what;
    }

    static std::string name(TDbQuery& q) { return q.FieldByName("Name")->AsString(); }
    static std::string firm(TDbQuery& q) {
        return q.FieldByName("Office_Id")->AsString() + "|" + name(q) + "|" + q.FieldByName("Flags")->AsString() +
               "|" + q.FieldByName("inetref")->AsString();
    }
    static std::string firmOf(const makedb::Firm& f) {
        return std::to_string(f.id) + "|" + f.name + "|" + std::to_string(f.flags) + "|" + f.inetref;
    }

    TDbQuery *qShowCat = nullptr, *qShowPredpr = nullptr, *qShowFirm = nullptr, *qShowFirm2 = nullptr;
    TDbQuery *qShowInfo = nullptr, *qShowTopics = nullptr, *qObjInfo = nullptr;
    TDataSource *dsCat = nullptr, *dsPredpr = nullptr;
    tktest::RecordingDataLink catGrid, predprGrid;
};

TEST_F(SampleQueriesTest, SearchListsGiveThePlannedRowsAndOneGridNotice) {
    rerun(*qShowCat, {{"Name", "%%"}});
    expectRows(*qShowCat, name, true, plan().rubrics, "every rubric");

    const std::string part = plan().rubrics[3].substr(1, 3);
    catGrid.clear();
    qShowCat->DisableControls();
    qShowCat->Close();
    qShowCat->ParamByName("Name")->SetAsString("%" + AnsiUpperCase(part) + "%");
    qShowCat->Open();
    EXPECT_TRUE(catGrid.events.empty()) << "nothing inside the bracket";
    qShowCat->EnableControls();
    EXPECT_EQ(catGrid.events, (std::vector<std::string>{"layoutChanged"}));
    std::vector<std::string> containing;
    for (const std::string& r : plan().rubrics)
        if (AnsiUpperCase(r).find(AnsiUpperCase(part)) != std::string::npos)
            containing.push_back(r);
    expectRows(*qShowCat, name, true, containing, "rubrics containing a part");

    rerun(*qShowPredpr, {{"Name", "%"}});
    std::vector<std::string> firms;
    for (const makedb::Firm& f : plan().firms)
        firms.push_back(std::to_string(f.id) + "|" + f.name);
    const auto idAndName = [](TDbQuery& q) { return q.FieldByName("Office_Id")->AsString() + "|" + name(q); };
    expectRows(*qShowPredpr, idAndName, true, firms, "every firm");
    for (const std::string& initial : {std::string(base::utf8ToCp1251("К")), std::string("1")}) {
        predprGrid.clear();
        rerun(*qShowPredpr, {{"Name", initial + "%"}});
        EXPECT_EQ(predprGrid.events, (std::vector<std::string>{"layoutChanged"}));
        std::vector<std::string> starting;
        for (const makedb::Firm& f : plan().firms)
            if (AnsiUpperCase(f.name).rfind(initial, 0) == 0)
                starting.push_back(std::to_string(f.id) + "|" + f.name);
        expectRows(*qShowPredpr, idAndName, true, starting, "firms by initial");
    }
}

TEST_F(SampleQueriesTest, FirmListAndCardsGiveThePlannedRows) {
    std::map<int32_t, std::vector<const makedb::Firm*>> byRubric;
    for (const makedb::Firm& f : plan().firms)
        for (int32_t t : f.topics)
            byRubric[t].push_back(&f);
    const auto largest = std::max_element(byRubric.begin(), byRubric.end(),
                                          [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    rerun(*qShowFirm, {{"Topic_Id", std::to_string(largest->first)}});
    std::vector<std::string> expected;
    for (const makedb::Firm* f : largest->second)
        expected.push_back(firmOf(*f));
    expectRows(*qShowFirm, firm, true, expected, "firms of the largest rubric");

    // The firm list's fill: the cards' branches and rubrics with the firm list left open.
    for (qShowFirm->First(); !qShowFirm->Eof(); qShowFirm->Next()) {
        const makedb::Firm& f = plan().firms.at(size_t(qShowFirm->FieldByName("Office_Id")->AsInteger() - 1));
        qShowInfo->Close();
        qShowInfo->ParamByName("Office_Id")->SetValue(qShowFirm->FieldByName("Office_Id")->Value());
        qShowInfo->Open();
        std::vector<std::string> branches;
        for (const makedb::Branch& b : f.branches)
            branches.push_back(b.street + "|" + b.house + "|" + b.apartment + "|" + b.contact);
        const auto branch = [](TDbQuery& q) {
            return q.FieldByName("Street")->AsString() + "|" + q.FieldByName("House")->AsString() + "|" +
                   q.FieldByName("Apartment")->AsString() + "|" + q.FieldByName("Contact")->AsString();
        };
        expectRows(*qShowInfo, branch, false, branches, f.name);
        qShowTopics->Close();
        qShowTopics->ParamByName("Office_Id")->SetAsInteger(f.id);
        qShowTopics->Open();
        std::vector<std::string> topics;
        for (int32_t t : f.topics)
            topics.push_back(plan().rubrics.at(size_t(t - 1)));
        expectRows(*qShowTopics, name, true, topics, f.name);
    }

    const makedb::Firm& one = *largest->second.front();
    rerun(*qShowFirm2, {{"Office_Id", std::to_string(one.id)}});
    expectRows(*qShowFirm2, firm, true, {firmOf(one)}, "one firm");
}

TEST_F(SampleQueriesTest, AddressPickGivesTheFirmsThere) {
    const makedb::Branch* mapped = nullptr;
    std::set<std::string> there;
    for (const makedb::Firm& f : plan().firms)
        for (const makedb::Branch& b : f.branches) {
            mapped = mapped == nullptr && b.mapObject != 0 ? &b : mapped;
            if (mapped != nullptr && b.street == mapped->street && b.house == mapped->house)
                there.insert(firmOf(f));
        }
    ASSERT_NE(mapped, nullptr);
    // No house number of the sample holds a blank, so the second address has no firms.
    for (const std::string& house : {mapped->house, std::string("1 0")}) {
        rerun(*qObjInfo, {{"Street", mapped->street}, {"House", house}});
        expectRows(*qObjInfo, firm, true,
                   house == mapped->house ? std::vector<std::string>(there.begin(), there.end())
                                          : std::vector<std::string>{},
                   house);
    }
}

} // namespace
