// The query dataset: SQL changes, binding by round trip, the statement's life, design state, Open
// against ExecSQL, the pooled connection, master-detail, the provider answers of a query, and
// the navigation suite over a query.
#include "data/TDbQuery.h"

#include <filesystem>
#include <mutex>
#include <utility>
#include <tuple>
#include <vector>

#include "CursorSuite.h"
#include "data/TDbConnection.h"
#include "data/TDbIndexFiles.h"
#include "data/TDbTable.h"
#include "data/TDbTableOptions.h"
#include "data/TDynamicConnList.h"
#include "toolkit/Controls.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TFieldDefs.h"
#include "toolkit/TScreen.h"
#include "toolkit/TStringList.h"

namespace datatest {

INSTANTIATE_TEST_SUITE_P(Queries, CursorSuite,
                         testing::Values(CursorFactory{"Query",
                                                       [](TComponent& owner, TDbConnection&) -> CursorProbe* {
                                                           auto* q = new ProbeOf<TDbQuery>(&owner);
                                                           q->SetDatabaseName("DbConnection1");
                                                           q->SQL()->SetText("SELECT * FROM N ORDER BY ID");
                                                           return q;
                                                       }}),
                         [](const testing::TestParamInfo<CursorFactory>& info) { return info.param.name; });

namespace {

class TDbQueryTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "CREATE INDEX ID ON T (ID)",
                    "INSERT INTO T VALUES (1, 'A'), (2, 'B'), (3, 'B')", "CREATE TABLE C (PID INTEGER, NAME CHAR(10))",
                    "INSERT INTO C VALUES (1, 'x'), (2, 'y'), (2, 'z')",
                    "CREATE TABLE P (K INTEGER, A CHAR(10), B CHAR(10), C CHAR(10), D CHAR(10))",
                    "CREATE TABLE AI (ID AUTOINC, NAME CHAR(10))"});
        dictionaryConnection();
    }

    // The first query of a test is named "Q", the others after it.
    TDbQuery* query(const AnsiString& text, const AnsiString& database = "DbConnection1") {
        auto* q = new TDbQuery(&owner);
        q->SetName(queries++ == 0 ? AnsiString("Q") : "Q" + std::to_string(queries));
        q->SetDatabaseName(database);
        q->SQL()->SetText(text);
        return q;
    }

    int queries = 0;
};

TEST_F(TDbQueryTest, SqlChangeClosesAndRebuildsParamsOnlyForANewText) {
    TDbQuery* q = query("SELECT * FROM T WHERE NAME = :N");
    q->ParamByName("N")->SetAsString("B");
    TParam* kept = q->ParamByName("N");
    q->Prepare();
    q->Open();
    TStringList same;
    same.SetText(q->SQL()->Text());
    q->SetSQL(same);
    EXPECT_TRUE(q->Active());
    EXPECT_EQ(q->ParamByName("N"), kept);

    TStringList other;
    other.SetText("SELECT * FROM T WHERE NAME = :N OR ID = :I");
    q->SetSQL(other);
    EXPECT_FALSE(q->Active());
    EXPECT_FALSE(q->Prepared());
    ASSERT_EQ(q->Params().Count(), 2);
    EXPECT_EQ(q->ParamByName("N")->AsString(), "B");
    EXPECT_TRUE(q->ParamByName("I")->IsNull());

    EXPECT_THROW(q->SQL()->SetText("SELECT * FROM T WHERE NAME = 'B"), EDbEngineError);
}

TEST_F(TDbQueryTest, ParametersLandInTheirOwnColumns) {
    // :C written twice gives two parameters; :G is of a type the query leaves unbound.
    TDbQuery* insert = query("INSERT INTO P (K, A, B, C, D) VALUES (:K, :A, :G, :C, :C)");
    ASSERT_EQ(insert->Params().Count(), 5);
    insert->ParamByName("K")->SetAsInteger(1);
    insert->ParamByName("A")->SetAsInteger(42);
    insert->ParamByName("G")->SetDataType(ftGuid);
    insert->ParamByName("G")->SetValue(Variant(AnsiString("{guid}")));
    insert->Params()[3]->SetAsString("c");
    insert->ExecSQL();
    insert->ParamByName("K")->SetAsInteger(2);
    insert->ParamByName("A")->SetAsString("");
    insert->ExecSQL();

    TDbQuery* read = query("SELECT * FROM P ORDER BY K");
    read->Open();
    EXPECT_EQ(column(*read, "A") + column(*read, "B") + column(*read, "C") + column(*read, "D"), "42;;;;c;c;;;");
}

TEST_F(TDbQueryTest, ReRunsKeepOneStatementThatOutlivesAReconnect) {
    const size_t before = handlesOf(ce::HandleKind::Statement);
    TDbQuery* q = query("SELECT * FROM T WHERE NAME = :N");
    for (const char* name : {"A", "B", "C"}) {
        q->DisableControls();
        q->Close();
        q->ParamByName("N")->SetAsString(name);
        q->Open();
        q->EnableControls();
        EXPECT_EQ(rowCount(*q), name[0] == 'B' ? 2 : name[0] == 'A' ? 1 : 0) << name;
    }
    EXPECT_TRUE(connection->IsConnected()) << "the query connects its connection";
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before + 1);
    EXPECT_FALSE(q->CanModify());

    for (void (TDbQuery::*refused)() : {&TDbQuery::Prepare, &TDbQuery::UnPrepare, &TDbQuery::FreeStatement})
        expectMisuse([&] { (q->*refused)(); }, "Q: Cannot perform this operation on an open dataset");

    connection->Disconnect();
    EXPECT_FALSE(q->Active());
    connection->Connect();
    q->Open();
    EXPECT_EQ(rowCount(*q), 0);
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before + 1);
    q->Close();
    q->FreeStatement();
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before);
    q->Open();
    delete q;
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before);
}

// Options a re-run leaves alone are not set again; a changed option, a new statement and a
// reconnected connection all reach the engine before the next run. The character type shows in
// the cursor's record image: "\xC1" in code page 1251 is "\x81" in the OEM code page.
TEST_F(TDbQueryTest, EveryRunCarriesTheQuerysCurrentOptions) {
    query("INSERT INTO T VALUES (4, '\xC1')")->ExecSQL();
    TDbQuery* q = query("SELECT NAME FROM T WHERE ID = 4");
    const auto firstByteAfterOpen = [&](TDbCharTypes charType) {
        q->Close();
        q->DbTableOptions()->SetDbCharType(charType);
        q->Open();
        char record[64] = {};
        uint32_t length = sizeof record;
        EXPECT_EQ(CeGetRecord(q->TableHandle(), record, &length), 0u);
        return uint8_t(record[0]);
    };
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::ANSI), 0xC1);
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::ANSI), 0xC1);
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::OEM), 0x81);
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::ANSI), 0xC1);
    q->Close();
    q->FreeStatement();
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::OEM), 0x81);
    EXPECT_EQ(q->FieldByName("NAME")->AsString(), "\xC1");
    connection->Disconnect();
    connection->Connect();
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::OEM), 0x81);
    EXPECT_EQ(firstByteAfterOpen(TDbCharTypes::ANSI), 0xC1);
}

// Each open reads the field definitions again: a new text, a table of another shape under the
// same text, or definitions changed by hand in between all give the cursor's definitions.
TEST_F(TDbQueryTest, FieldDefinitionsFollowEveryOpen) {
    TDbQuery* q = query("SELECT ID, NAME FROM T WHERE ID = 2");
    const auto defs = [&] {
        std::vector<std::tuple<AnsiString, TFieldType, int, int>> out;
        for (int i = 0; i < q->FieldDefs().Count(); ++i) {
            const TFieldDef* def = q->FieldDefs()[i];
            out.emplace_back(def->Name(), def->DataType(), def->Size(), def->FieldNo());
        }
        return out;
    };
    using Defs = std::vector<std::tuple<AnsiString, TFieldType, int, int>>;
    q->Open();
    EXPECT_EQ(defs(), (Defs{{"ID", ftInteger, 0, 1}, {"NAME", ftString, 10, 2}}));
    q->Close();
    q->FieldDefs()[1]->SetSize(99);
    q->FieldDefs()[0]->SetName("X");
    q->Open();
    EXPECT_EQ(defs(), (Defs{{"ID", ftInteger, 0, 1}, {"NAME", ftString, 10, 2}}));
    EXPECT_EQ(q->FieldByName("NAME")->AsString(), "B");

    q->SQL()->SetText("SELECT NAME, ID FROM T WHERE ID = 2");
    q->Open();
    EXPECT_EQ(defs(), (Defs{{"NAME", ftString, 10, 1}, {"ID", ftInteger, 0, 2}}));
    EXPECT_EQ(q->FieldByName("ID")->AsInteger(), 2);
    EXPECT_EQ(q->FieldByName("NAME")->AsString(), "B");

    q->Close();
    TDbQuery* ddl = query("DROP TABLE T");
    ddl->ExecSQL();
    ddl->SQL()->SetText("CREATE TABLE T (NAME CHAR(4), ID CHAR(2))");
    ddl->ExecSQL();
    ddl->SQL()->SetText("INSERT INTO T VALUES ('name', '2')");
    ddl->ExecSQL();
    q->Open();
    EXPECT_EQ(defs(), (Defs{{"NAME", ftString, 4, 1}, {"ID", ftString, 2, 2}}));
    EXPECT_EQ(q->FieldByName("ID")->AsString(), "2");
}

// In design state a close lets go of all the engine keeps for the query (its statement and the
// caches of closed tables and cursors), and a new text brings its parameters even unchecked.
TEST_F(TDbQueryTest, DesignStateCloseLetsGoOfTheEngineAndTextsAlwaysBringParams) {
    const auto cached = [] {
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        return std::pair<int, int>(ce::settings().cachedTables, ce::settings().cachedCursors);
    };
    const struct {
        bool designing;
        int params;
        size_t statementsAfterClose;
        std::pair<int, int> cachedAfterClose;
    } cases[] = {{false, 0, 1, {5, 7}}, {true, 1, 0, {0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designing ? "design state" : "running");
        const size_t statements = handlesOf(ce::HandleKind::Statement);
        ASSERT_EQ(CeCacheOpenTables(5), 0u);
        ASSERT_EQ(CeCacheOpenCursors(7), 0u);
        auto* q = new TDbQuery(&owner);
        q->SetDesigning(c.designing);
        q->ParamCheck = false;
        q->SetDatabaseName("DbConnection1");
        q->SQL()->SetText("SELECT * FROM T WHERE ID > :LOW");
        EXPECT_EQ(q->Params().Count(), c.params);
        q->SQL()->SetText("SELECT * FROM T");
        q->Open();
        q->Close();
        EXPECT_EQ(handlesOf(ce::HandleKind::Statement), statements + c.statementsAfterClose);
        EXPECT_EQ(cached(), c.cachedAfterClose);
        q->Open();
        EXPECT_EQ(rowCount(*q), 3) << "the next open makes the statement it needs";
        delete q;
        EXPECT_EQ(handlesOf(ce::HandleKind::Statement), statements);
    }
}

TEST_F(TDbQueryTest, OpenRefusesAStatementWithoutRowsThatExecSqlRuns) {
    const size_t cursors = handlesOf(ce::HandleKind::SqlCursor);
    TDbQuery* update = query("UPDATE T SET NAME = 'Z' WHERE ID = 1");
    expectMisuse([&] { update->Open(); }, "Q: The SQL statement did not generate a cursor handle.  Use TDbQuery.ExecSQL "
                                          "to execute SQL statements that are not SELECT statements");
    EXPECT_FALSE(update->Active());
    update->ExecSQL();
    EXPECT_FALSE(update->Active());
    EXPECT_EQ(handlesOf(ce::HandleKind::SqlCursor), cursors);
    EXPECT_EQ(table("T")->FieldByName("NAME")->AsString(), "Z");

    TDbQuery* insert = query("INSERT INTO AI (NAME) VALUES ('n')");
    insert->ExecSQL();
    insert->ExecSQL();
    EXPECT_EQ(insert->GetLastAutoInc(), 2);
}

TEST_F(TDbQueryTest, FailedExecutionsRestoreTheCursorAndLeaveNothingOpen) {
    const size_t cursors = handlesOf(ce::HandleKind::SqlCursor);
    Screen->SetCursor(crDefault);
    TDbQuery* missing = query("SELECT * FROM NOWHERE");
    missing->WaitCursor = crHourGlass;
    EXPECT_THROW(missing->Open(), EDbEngineError);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    TDbQuery* indexed = query("SELECT * FROM T");
    indexed->WaitCursor = crHourGlass;
    indexed->IndexFiles()->Add("missing.idx");
    EXPECT_THROW(indexed->Open(), EDbEngineError);
    EXPECT_FALSE(indexed->Active());
    EXPECT_EQ(handlesOf(ce::HandleKind::SqlCursor), cursors);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(TDbQueryTest, NtxTablesNeedADictionaryConnection) {
    TDbQuery* onDirectory = query("SELECT 1", temp.path().string());
    expectMisuse([&] { onDirectory->SetSourceTableType(ttDbNTX); },
                 "Q: The TDbQuery component does not support the NTX table type");
    TDbQuery* onDictionary = query("SELECT 1");
    onDictionary->SetSourceTableType(ttDbNTX);
    EXPECT_EQ(onDictionary->SourceTableType(), ttDbNTX);
}

TEST_F(TDbQueryTest, QueriesOnADirectoryShareThePoolsConnectionAndFollowANewName) {
    // A folder of free tables holding one row of table F with the value.
    const auto folder = [&](const std::string& name, int value) {
        std::filesystem::create_directory(temp.path() / name);
        CEHANDLE c = 0;
        EXPECT_EQ(CeConnect(path(name).c_str(), &c), 0u);
        sql(c, "CREATE TABLE F (V INTEGER)");
        sql(c, "INSERT INTO F VALUES (" + std::to_string(value) + ")");
        EXPECT_EQ(CeDisconnect(c), 0u);
        return path(name);
    };
    const AnsiString one = folder("one", 1);
    const AnsiString two = folder("two", 2);
    const size_t directories = handlesOf(ce::HandleKind::Directory);
    const size_t statements = handlesOf(ce::HandleKind::Statement);
    TDbQuery* q = query("SELECT * FROM F", one);
    TDbQuery* other = query("SELECT * FROM F", one);
    q->Open();
    other->Open();
    EXPECT_EQ(handlesOf(ce::HandleKind::Directory), directories + 1);
    delete other;

    // A statement the engine lost is made again on the pooled connection.
    q->Close();
    const CEHANDLE pooled = TDynamicConnList::Instance().Find(one);
    std::vector<uint32_t> owned;
    {
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        owned = ce::handles().ownedBy(pooled);
    }
    for (uint32_t h : owned) {
        uint16_t type = 0;
        if (CeGetHandleType(h, &type) == 0 && type == 4) {
            ASSERT_EQ(CeCloseSQLStatement(h), 0u);
        }
    }
    q->Open();
    EXPECT_EQ(q->FieldByName("V")->AsInteger(), 1);

    q->Close();
    q->SetDatabaseName(two);
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), statements) << "the old directory's statement is closed";
    q->Open();
    EXPECT_EQ(q->FieldByName("V")->AsInteger(), 2);
}

TEST_F(TDbQueryTest, DetailParamsFollowTheMasterUnlessTheProgramSetThem) {
    TDbTable* master = table("T", "", false);
    auto* source = new TDataSource(&owner);
    source->SetDataSet(master);
    TDbQuery* detail = query("SELECT * FROM C WHERE PID = :ID AND NAME <> :NAME");
    detail->ParamByName("NAME")->SetAsString("z");
    detail->SetDataSource(source);
    master->Open();
    detail->Open();
    EXPECT_EQ(rowCount(*detail), 1);
    master->Next();
    ASSERT_TRUE(detail->Active());
    EXPECT_EQ(detail->FieldByName("NAME")->AsString(), "y");
    EXPECT_EQ(rowCount(*detail), 1) << "NAME keeps the program's value";
    EXPECT_FALSE(detail->ParamByName("ID")->Bound());
    master->SetIndexName("ID");
    int opens = 0;
    detail->AfterOpen = [&](TDataSet*) { ++opens; };
    master->SetKey();
    detail->RefreshParams();
    EXPECT_EQ(opens, 0) << "not while the master edits a key";
    master->Cancel();

    std::vector<TField*> masterFields;
    std::vector<TField*> detailFields;
    detail->GetDetailLinkFields(masterFields, detailFields);
    EXPECT_EQ(masterFields, (std::vector<TField*>{master->FieldByName("ID"), master->FieldByName("NAME")}));
    EXPECT_EQ(detailFields, (std::vector<TField*>{detail->FieldByName("NAME")}));

    auto* own = new TDataSource(&owner);
    own->SetDataSet(detail);
    expectMisuse([&] { detail->SetDataSource(own); }, "Q: Circular Data Link");
}

TEST_F(TDbQueryTest, ProviderAnswersComeFromTheSqlText) {
    TDbQuery* q = query("SELECT ID, NAME FROM T ORDER BY NAME DESC");
    EXPECT_EQ(q->PSGetTableName(), "T");
    q->Open();
    const std::unique_ptr<TIndexDef> order = q->PSGetDefaultOrder();
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->Fields(), "NAME");
    EXPECT_EQ(q->PSGetParams(), &q->Params());

    TParams given;
    given.CreateParam(ftInteger, "ID", ptInput)->SetAsInteger(3);
    q->PSSetCommandText("SELECT * FROM T WHERE ID = :ID");
    q->PSSetParams(&given);
    EXPECT_FALSE(q->Active());
    q->Open();
    EXPECT_EQ(q->FieldByName("NAME")->AsString(), "B");
    EXPECT_EQ(rowCount(*q), 1);
}

} // namespace
} // namespace datatest
