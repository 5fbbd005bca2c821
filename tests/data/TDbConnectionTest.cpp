// The connection component: name resolution from datasets, binding an open dataset, DBALIAS.INI,
// database paths, connect failures and the login, disconnecting and destruction, renaming.
#include "data/TDbConnection.h"

#include <fstream>

#include "DataFixture.h"
#include "data/DbErrors.h"
#include "data/TDbTable.h"
#include "toolkit/Controls.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/TScreen.h"

namespace datatest {
namespace {

class TDbConnectionTest : public DataFixture {
protected:
    // DBALIAS.INI in the test's folder, which becomes the current directory.
    void aliases(const std::string& lines) {
        SetCurrentDir(temp.path().string());
        std::ofstream("DBALIAS.INI") << "[Databases]\n" << lines;
    }

    TDbConnection* connectionOn(TComponent* on, const char* name, const AnsiString& connectPath = "") {
        auto* c = new TDbConnection(on);
        c->SetName(name);
        c->SetConnectPath(connectPath);
        c->LoginPrompt = false;
        return c;
    }

    static TDbTable* tableOn(TComponent* on, const AnsiString& databaseName) {
        auto* t = new TDbTable(on);
        t->SetDatabaseName(databaseName);
        return t;
    }
};

TEST_F(TDbConnectionTest, DatabaseNameBindsTheOwnersConnectionFirstThenOwnerDotNameAndFollowsRenames) {
    TComponent formA(nullptr), formB(nullptr), formC(nullptr);
    formA.SetName("fmA");
    formB.SetName("fmB");
    formC.SetName("fmC");
    TDbConnection* onB = connectionOn(&formB, "DbConnection1");
    TDbConnection* onA = connectionOn(&formA, "DbConnection1");
    EXPECT_EQ(tableOn(&formA, "dbconnection1")->DbConnection(), onA) << "its own owner's connection wins";
    EXPECT_EQ(tableOn(&formC, "FMB.DbConnection1")->DbConnection(), onB);
    TDbTable* moved = tableOn(&formA, "DbConnection1");
    moved->SetDatabaseName("somewhere");
    EXPECT_EQ(moved->DbConnection(), nullptr) << "a path leaves the connection";
    EXPECT_EQ(onA->GetDataSetCount(), 1);
    TDbTable* waiting = tableOn(&formA, "dbMain");
    EXPECT_EQ(waiting->DbConnection(), nullptr);
    onA->SetName("dbMain");
    EXPECT_EQ(waiting->DbConnection(), onA) << "a rename binds the datasets that name the new name";
}

TEST_F(TDbConnectionTest, AliasesResolveOnlyForPlainNames) {
    aliases("plain=" + temp.path().string() + "\nntx=nt;n\ndir\\x=elsewhere\ndir/y=elsewhere\n");
    TDbTable* viaAlias = tableAt("plain");
    EXPECT_EQ(viaAlias->GetDatabasePath(), temp.path().string());
    EXPECT_EQ(viaAlias->TableType(), ttDbVDT);
    EXPECT_EQ(tableAt("ntx")->TableType(), ttDbNTX);
    EXPECT_THROW(tableAt("ntx")->SetTableType(ttDbCDX), EDbEngineError);
    EXPECT_EQ(tableAt("dir\\x")->GetDatabasePath(), "dir\\x");
    EXPECT_EQ(tableAt("dir/y")->GetDatabasePath(), "dir/y");

    TDbConnection* plain = connectionOn(&owner, "Plain");
    plain->SetAliasName("plain");
    EXPECT_EQ(plain->GetAliasTableType(), 0) << "no letter: no type for a connection";
    TDbConnection* missing = connectionOn(&owner, "Missing");
    missing->SetAliasName("missing");
    expectError<DbConnectionError>([&] { missing->Connect(); },
                                   testing::Eq("TDbConnection.AliasName is not valid"));
}

TEST_F(TDbConnectionTest, DatabasePathOfConnectionsAndDatasets) {
    const struct {
        const char* connectPath;
        const char* connectionPath;
        const char* dataSetPath;
    } cases[] = {
        {"data\\mapdata.vdd", "data", "data"},
        {"data/mapdata.vdd", "data", "data"},
        {"mapdata.vdd", ".\\", "."},
        {"tables\\", "tables\\", "tables"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(connectionOn(&owner, "DbConnection1", c.connectPath)->GetDatabasePath(), c.connectionPath);
        EXPECT_EQ(tableAt("DbConnection1")->GetDatabasePath(), c.dataSetPath) << c.connectPath;
        owner.DestroyComponents();
    }
    EXPECT_EQ(tableAt("")->GetDatabasePath(), "");
    EXPECT_EQ(tableAt("c:\\dir\\")->GetDatabasePath(), "c:\\dir");
}

TEST_F(TDbConnectionTest, FailedConnectLeavesNoHandleAndTheCursorAsItWas) {
    TDbConnection* conn = connectionOn(&owner, "DbConnection1", path("missing\\none.vdd"));
    expectEngineError([&] { conn->Connect(); }, 7041);
    EXPECT_FALSE(conn->IsConnected());
    EXPECT_EQ(conn->GetConnectionHandle(), 0u);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    conn->BeforeConnect = [](TPersistent*) { throw Exception("not now"); };
    EXPECT_THROW(conn->Connect(), Exception);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(TDbConnectionTest, LoginGoesThroughOnLoginOrTheDialog) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER)"});
    ASSERT_EQ(CeDDCreateUser(c, "", "USER", "secret", ""), 0u);
    const uint16_t loginsRequired = 1;
    ASSERT_EQ(CeDDSetDatabaseProperty(c, 104, &loginsRequired, sizeof loginsRequired), 0u);
    TDbConnection* conn = dictionaryConnection();
    conn->LoginPrompt = true;
    // The login dialog answers cancelled here, which is the class library's error.
    expectError<EDatabaseError>([&] { conn->Connect(); }, testing::Eq("Cannot connect to database 'DbConnection1'"));
    conn->OnLogin = [&](TComponent* sender, AnsiString& user, AnsiString& password) {
        EXPECT_EQ(sender, conn);
        EXPECT_TRUE(user.empty() && password.empty());
        user = "USER";
        password = "secret";
    };
    conn->Connect();
    EXPECT_TRUE(conn->IsConnected());
    EXPECT_EQ(conn->Username, "USER");
    EXPECT_TRUE(conn->Password.empty()) << "the password is not kept";
}

TEST_F(TDbConnectionTest, AnOpenDatasetRefusesEveryConnectionEvenItsOwn) {
    dictionary({"CREATE TABLE T (ID INTEGER)"});
    TDbConnection* own = dictionaryConnection();
    TDbConnection* other = connectionOn(&owner, "Other", path("test.vdd"));
    TDbTable* t = table("T");
    for (TDbConnection* value : {own, other, static_cast<TDbConnection*>(nullptr)})
        expectMisuse([&] { t->SetDbConnection(value); }, "Table must not be Active.");
    EXPECT_EQ(t->DbConnection(), own);
    EXPECT_EQ(own->GetDataSetCount(), 1);
    EXPECT_EQ(other->GetDataSetCount(), 0);
    t->Close();
    t->SetDbConnection(other);
    EXPECT_EQ(own->GetDataSetCount(), 0);
    EXPECT_EQ(other->GetDataSetCount(), 1);
}

TEST_F(TDbConnectionTest, DisconnectClosesDatasetsAndDestructionToleratesAGoneHandle) {
    dictionary({"CREATE TABLE T (ID INTEGER)"});
    TDbConnection* conn = dictionaryConnection();
    TDbTable* t = table("T");
    EXPECT_TRUE(conn->IsConnected()) << "opening connects";
    int events = 0;
    conn->OnDisconnect = [&](TPersistent*) { ++events; };
    conn->Disconnect();
    EXPECT_FALSE(t->Active());
    EXPECT_EQ(events, 1);
    conn->SetIsConnected(false);
    EXPECT_EQ(events, 1) << "no change, no event";
    conn->Connect();

    ASSERT_EQ(CeDisconnect(conn->GetConnectionHandle()), 0u);
    int reported = 0;
    const tk::ExceptionHandler previous = tk::setExceptionHandler([&](TPersistent*) { ++reported; });
    delete conn;
    tk::setExceptionHandler(previous);
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(t->DbConnection(), nullptr);
}

} // namespace
} // namespace datatest
