// The table dataset: open options, the table type a dictionary reports, the retry beside the
// dictionary, file names and refusals, whether a table exists, index files, stored definitions, and
// the implicit-connection pool.
#include "data/TDbTable.h"

#include "DataFixture.h"
#include "data/TDbConnection.h"
#include "data/TDbIndexFiles.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TIntegerField.h"

namespace datatest {
namespace {

class TDbTableTest : public DataFixture {
protected:
    static uint32_t openOptions(TDbTable* t) {
        uint32_t options = 0;
        EXPECT_EQ(CeGetTableOpenOptions(t->TableHandle(), &options), 0u);
        return options;
    }
};

TEST_F(TDbTableTest, OpenOptionsComeFromExclusiveReadOnlyAndTheConnection) {
    dictionary({"CREATE TABLE T (ID INTEGER)"});
    TDbConnection* connection = dictionaryConnection();
    const struct {
        bool exclusive, readOnly;
        uint32_t options;
    } cases[] = {{false, false, 0}, {true, false, 1}, {false, true, 2}, {true, true, 3}};
    for (const auto& c : cases) {
        TDbTable* t = tableAt("DbConnection1", "T");
        t->SetExclusive(c.exclusive);
        t->SetReadOnly(c.readOnly);
        t->Open();
        EXPECT_EQ(openOptions(t), c.options);
        EXPECT_EQ(t->CanModify(), !c.readOnly);
        EXPECT_THROW(t->SetExclusive(!c.exclusive), EDatabaseError);
        delete t;
    }
    connection->ReadOnly = true;
    TDbTable* t = tableAt("DbConnection1", "T");
    t->SetExclusive(true);
    t->Open();
    EXPECT_EQ(openOptions(t), 3u);
    EXPECT_TRUE(t->ReadOnly());
}

TEST_F(TDbTableTest, DictionaryTablesTakeTheirTypeFromTheEngineAndFreeTablesBesideAreRetried) {
    const CEHANDLE d = dictionary({});
    directory({"CREATE TABLE D (NAME CHAR(10))"}, 2);
    directory({"CREATE TABLE F (ID INTEGER)"});
    ASSERT_EQ(CeDDAddTable(d, "Dbf", path("D.dbf").c_str(), 2, 1, "", ""), 0u);
    dictionaryConnection();
    TDbTable* dbf = tableAt("DbConnection1", "Dbf");
    dbf->Open();
    EXPECT_EQ(dbf->TableType(), ttDbCDX);
    TDbTable* beside = tableAt("DbConnection1", "F");
    beside->Open();
    EXPECT_TRUE(beside->Active()) << "5132, then the path beside the dictionary";
    expectEngineError([&] { table("Nothing"); }, 7041); // the retry's failure
}

TEST_F(TDbTableTest, FileNamesAndRefusals) {
    const AnsiString dir = temp.path().string();
    EXPECT_EQ(tableAt(dir, "city")->GetTableFileName(), dir + "\\city.vdt");
    EXPECT_EQ(tableAt(dir, "city.dat")->GetTableFileName(), dir + "\\city.dat");
    TDbTable* dbf = tableAt(dir, "city");
    dbf->SetTableType(ttDbNTX);
    EXPECT_EQ(dbf->GetTableFileName(), dir + "\\city.dbf");
    EXPECT_FALSE(dbf->Exists());
    expectError<EDbEngineError>([&] { tableAt(dir)->Open(); }, testing::Eq("Missing TableName property"));
    TDbTable* named = tableAt("", "city");
    named->SetName("dbCity");
    expectError<EDbEngineError>(
        [&] { named->Open(); },
        testing::Eq("dbCity: One of the DatabaseName property or the DbConnection property must have a value."));
}

// A closed table exists when its dictionary holds it or its file is there (the open retries a
// name the dictionary lacks as the free table beside it); the provider's key fields follow.
TEST_F(TDbTableTest, ExistsAsksTheDictionaryThenTheFile) {
    dictionary({"CREATE TABLE T (CODE INTEGER)", "CREATE UNIQUE INDEX CODE ON T (CODE)"});
    directory({"CREATE TABLE F (CODE INTEGER)", "CREATE UNIQUE INDEX CODE ON F (CODE)"});
    dictionaryConnection();
    const struct {
        bool throughDictionary;
        const char* name;
        bool open;
        bool exists;
    } cases[] = {
        {true, "T", false, true},        {true, "t", false, true}, {true, "T", true, true},
        {true, "Nothing", false, false}, {true, "F", false, true}, {false, "F", false, true},
        {false, "F", true, true},        {false, "T", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.throughDictionary ? "dictionary " : "folder ") + c.name + (c.open ? " open" : ""));
        TDbTable* t = tableAt(c.throughDictionary ? AnsiString("DbConnection1") : temp.path().string(), c.name);
        auto* code = new TIntegerField(t);
        code->SetFieldName("CODE");
        code->SetDataSet(t);
        if (c.open)
            t->Open();
        EXPECT_EQ(t->Exists(), c.exists);
        EXPECT_EQ(t->PSGetKeyFields(), c.exists ? "CODE" : "");
        delete t;
    }
}

TEST_F(TDbTableTest, IndexFilesOpenAndCloseWithTheList) {
    directory({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "CREATE INDEX X ON T (NAME) IN FILE 'extra.vdi'"});
    TDbTable* t = tableAt(temp.path().string(), "T");
    const auto hasX = [&] {
        t->IndexDefs().SetUpdated(false);
        t->UpdateIndexDefs();
        return t->IndexDefs().IndexOf("X") >= 0;
    };
    t->Open();
    EXPECT_FALSE(hasX());
    t->IndexFiles()->Add("extra.vdi");
    EXPECT_TRUE(hasX());
    t->IndexFiles()->Delete(0);
    EXPECT_FALSE(hasX());
    t->IndexFiles()->Insert(0, "extra.vdi");
    EXPECT_TRUE(hasX());
    t->IndexFiles()->Clear();
    EXPECT_FALSE(hasX());
    t->Close();
    t->IndexFiles()->Add("extra.vdi");
    t->Open();
    EXPECT_TRUE(hasX()) << "listed files open with the table";
    t->Close();
    t->SetTableName("t");
    EXPECT_EQ(t->IndexFiles()->Count(), 0) << "another name, even by case, forgets the files";
    t->IndexFiles()->Add("missing.vdi");
    EXPECT_THROW(t->Open(), EDbEngineError);
    EXPECT_FALSE(t->Active());
}

TEST_F(TDbTableTest, DefinitionsAreStoredOnceChangedNotWhenRead) {
    dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "CREATE INDEX NAME ON T (NAME)"});
    TDbTable* t = table("T", "NAME");
    t->IndexDefs().SetUpdated(false);
    t->UpdateIndexDefs();
    t->Close();
    t->FieldDefs().SetUpdated(false);
    t->FieldDefs().Update();
    ASSERT_EQ(t->FieldDefs().Count(), 2);
    ASSERT_EQ(t->IndexDefs().Count(), 1);
    EXPECT_FALSE(t->StoreDefs) << "reading the table's own definitions changes nothing";
    t->IndexDefs().Add("ID", "ID", 0);
    EXPECT_TRUE(t->StoreDefs);

    TDbTable* fields = table("T", "", false);
    fields->FieldDefs().Add("EXTRA", ftInteger);
    EXPECT_TRUE(fields->StoreDefs);
}

TEST_F(TDbTableTest, DatasetsOnOneDirectoryShareOnePooledConnection) {
    directory({"CREATE TABLE T (ID INTEGER)"});
    const size_t before = handlesOf(ce::HandleKind::Directory);
    TDbTable* lower = tableAt(temp.path().string(), "T");
    TDbTable* upper = tableAt(AnsiUpperCase(temp.path().string()), "T");
    lower->Open();
    upper->Open();
    EXPECT_EQ(handlesOf(ce::HandleKind::Directory), before + 1);
}

} // namespace
} // namespace datatest
