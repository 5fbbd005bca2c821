// The connection component: name resolution from datasets, DBALIAS.INI, database paths, connect
// failures and the login, disconnecting and destruction, renaming.
#include "data/TDbConnection.h"

#include <fstream>

#include "DataFixture.h"
#include "data/DbErrors.h"
#include "data/TDbTable.h"
#include "toolkit/Controls.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TScreen.h"

namespace datatest {
namespace {

// Answers every login with a cancel, and counts the questions.
struct CancellingPresenter : tk::DialogPresenter {
    int logins = 0;
    AnsiString database;
    CancellingPresenter() { tk::setDialogPresenter(this); }
    ~CancellingPresenter() override { tk::setDialogPresenter(nullptr); }
    int messageBox(const AnsiString&, const AnsiString&, unsigned) override { return IDCANCEL; }
    bool chooseColor(TColor&, TStrings&) override { return false; }
    bool login(const AnsiString& name, AnsiString&, AnsiString&) override {
        ++logins;
        database = name;
        return false;
    }
    TMenuItem* trackPopup(TPopupMenu&, int, int) override { return nullptr; }
};

class TDbConnectionTest : public DataFixture {
protected:
    // DBALIAS.INI in the test's folder, which becomes the current directory.
    void aliases(const std::string& lines) {
        SetCurrentDir(temp.path().string());
        std::ofstream("DBALIAS.INI") << "[Databases]\n" << lines;
    }

    TDbConnection* connection(TComponent* on, const char* name, const AnsiString& connectPath = "") {
        auto* c = new TDbConnection(on);
        c->SetName(name);
        c->SetConnectPath(connectPath);
        return c;
    }

    TDbTable* table(TComponent* on, const AnsiString& databaseName) {
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
    TDbConnection* onB = connection(&formB, "DbConnection1");
    TDbConnection* onA = connection(&formA, "DbConnection1");
    EXPECT_EQ(table(&formA, "dbconnection1")->DbConnection(), onA) << "its own owner's connection wins";
    EXPECT_EQ(table(&formC, "FMB.DbConnection1")->DbConnection(), onB);
    TDbTable* moved = table(&formA, "DbConnection1");
    moved->SetDatabaseName("somewhere");
    EXPECT_EQ(moved->DbConnection(), nullptr) << "a path leaves the connection";
    EXPECT_EQ(onA->GetDataSetCount(), 1);
    TDbTable* waiting = table(&formA, "dbMain");
    EXPECT_EQ(waiting->DbConnection(), nullptr);
    onA->SetName("dbMain");
    EXPECT_EQ(waiting->DbConnection(), onA) << "a rename binds the datasets that name the new name";
}

TEST_F(TDbConnectionTest, AliasesResolveOnlyForPlainNames) {
    aliases("plain=" + temp.path().string() + "\nntx=nt;n\ndir\\x=elsewhere\ndir/y=elsewhere\n");
    TDbTable* viaAlias = table(&owner, "plain");
    EXPECT_EQ(viaAlias->GetDatabasePath(), temp.path().string());
    EXPECT_EQ(viaAlias->TableType(), ttDbVDT);
    EXPECT_EQ(table(&owner, "ntx")->TableType(), ttDbNTX);
    EXPECT_THROW(table(&owner, "ntx")->SetTableType(ttDbCDX), EDbEngineError);
    EXPECT_EQ(table(&owner, "dir\\x")->GetDatabasePath(), "dir\\x");
    EXPECT_EQ(table(&owner, "dir/y")->GetDatabasePath(), "dir/y");

    TDbConnection* plain = connection(&owner, "Plain");
    plain->SetAliasName("plain");
    EXPECT_EQ(plain->GetAliasTableType(), 0) << "no letter: no type for a connection";
    TDbConnection* missing = connection(&owner, "Missing");
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
        TDbConnection* conn = connection(&owner, "DbConnection1", c.connectPath);
        TDbTable* t = table(&owner, "DbConnection1");
        EXPECT_EQ(conn->GetDatabasePath(), c.connectionPath) << c.connectPath;
        EXPECT_EQ(t->GetDatabasePath(), c.dataSetPath) << c.connectPath;
        owner.DestroyComponents();
    }
    EXPECT_EQ(table(&owner, "")->GetDatabasePath(), "");
    EXPECT_EQ(table(&owner, "c:\\dir\\")->GetDatabasePath(), "c:\\dir");
}

TEST_F(TDbConnectionTest, FailedConnectLeavesNoHandleAndTheCursorAsItWas) {
    TDbConnection* conn = connection(&owner, "DbConnection1", path("missing\\none.vdd"));
    conn->LoginPrompt = false;
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
    CancellingPresenter presenter;
    TDbConnection* conn = connection(&owner, "DbConnection1", path("test.vdd"));
    try {
        conn->Connect();
        FAIL();
    } catch (const EDbEngineError&) {
        FAIL() << "a cancel is the class library's error";
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Cannot connect to database 'DbConnection1'");
    }
    EXPECT_EQ(presenter.logins, 1);
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
    EXPECT_EQ(presenter.logins, 1);
}

TEST_F(TDbConnectionTest, DisconnectClosesDatasetsAndDestructionToleratesAGoneHandle) {
    dictionary({"CREATE TABLE T (ID INTEGER)"});
    TDbConnection* conn = connection(&owner, "DbConnection1", path("test.vdd"));
    conn->LoginPrompt = false;
    TDbTable* t = table(&owner, "DbConnection1");
    t->SetTableName("T");
    t->Open();
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
