// End to end on the sample database, as the main window uses it: settings and connection read in
// layout order, the city map blob, and the Category, Street and Topic tables in index order.
#include <algorithm>
#include <string>

#include "DataFixture.h"
#include "citycategories/CityCategory.h"
#include "base/CodePage.h"
#include "data/TDbConnection.h"
#include "data/TDbSettings.h"
#include "data/TDbTable.h"
#include "makedb/DatabaseWriter.h"
#include "makedb/DirectoryPlan.h"
#include "makedb/MapCategoryPatch.h"
#include "toolkit/TAutoIncField.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TFileStream.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TStringField.h"

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

} // namespace
