// The dictionary administration component: every wrapper by its effect, the object lists, the
// alias and path rules, the refused free-table connection, and the deferred connect.
#include "data/TDbDictionary.h"

#include <fstream>
#include <functional>

#include "DataFixture.h"
#include "data/DbErrors.h"
#include "toolkit/Controls.h"
#include "toolkit/TScreen.h"
#include "toolkit/TStringList.h"

namespace datatest {
namespace {

class TDbDictionaryTest : public DataFixture {
protected:
    static size_t dictionaryHandles() {
        return handlesOf(ce::HandleKind::Dictionary) + handlesOf(ce::HandleKind::DictionaryAdmin);
    }

    TDbDictionary* component() {
        auto* d = new TDbDictionary(&owner);
        d->SetName("DbDictionary1");
        return d;
    }

    // Names added by a list operation, joined by ";".
    static std::string list(const std::function<void(TStrings*)>& fill) {
        TStringList names;
        fill(&names);
        std::string out;
        for (int i = 0; i < names.Count(); ++i)
            out += (i == 0 ? "" : ";") + names.Strings(i);
        return out;
    }

    // A text property read through one of the component's getters.
    static std::string text(const std::function<void(char*, uint32_t*)>& get) {
        char buffer[261] = {};
        uint32_t length = 260;
        get(buffer, &length);
        return buffer;
    }

    // Reads with the getter, given its leading arguments, a text property or a list of names.
    template <class... Params, class... Args>
    static auto read(void (TDbDictionary::*get)(Params...), Args... args) {
        return [=](TDbDictionary& d) {
            if constexpr (sizeof...(Params) == sizeof...(Args) + 1)
                return list([&](TStrings* l) { (d.*get)(args..., l); });
            else
                return text([&](char* b, uint32_t* n) { (d.*get)(args..., b, n); });
        };
    }
};

TEST_F(TDbDictionaryTest, EveryWrapperReachesTheEngine) {
    directory({"CREATE TABLE people (ID INTEGER, NAME CHAR(10))"});
    TDbDictionary* d = component();
    d->CreateDictionary(path("admin.vdd"), false, "administration");
    ASSERT_TRUE(d->IsConnected());
    EXPECT_EQ(d->GetConnectPath(), path("admin.vdd"));
    for (const char* ddl : {"CREATE TABLE Office (Office_Id INTEGER)",
                            "CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(10))",
                            "CREATE INDEX OFFICE ON Branch (Office_Id)",
                            "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House)) IN FILE 'extra.vdi'",
                            "CREATE INDEX HOUSE ON Branch (House) IN FILE 'extra.vdi'"})
        sql(d->Handle(), ddl);

    // Each row changes the dictionary through wrappers, then reads the effect back through one.
    using T = TDbDictionary&;
    const AnsiString people = path("people.vdt");
    const struct {
        std::function<void(T)> change;
        std::function<std::string(T)> read;
        std::string expected;
    } rows[] = {
        {[](T d) { d.SetDatabaseProperty(100, "admin db", 9); },
         read(&TDbDictionary::GetDatabaseProperty, 100), "admin db"},
        {[&](T d) { d.AddTable("Persons", people, 3, 0, "", "copied"); },
         read(&TDbDictionary::GetTableProperty, "Persons", 200), "copied"},
        {[](T d) { d.SetTableProperty("Persons", 200, "people", 7, 0, ""); },
         read(&TDbDictionary::GetTableProperty, "Persons", 200), "people"},
        {[](T d) { d.SetFieldProperty("Persons", "NAME", 300, "name", 5, 0, ""); },
         read(&TDbDictionary::GetFieldProperty, "Persons", "NAME", 300), "name"},
        {[](T d) { d.AddIndexFile("Branch", "extra.vdi", "addresses"); },
         read(&TDbDictionary::GetIndexFileProperty, "Branch", "extra.vdi", 450), "addresses"},
        {[](T) {}, read(&TDbDictionary::GetIndexProperty, "Branch", "HOUSE", 400), "extra.vdi"},
        {[](T) {}, read(&TDbDictionary::GetIndexPropertyEx, "Branch", "EXTRA.VDI"), "ADDRESS;HOUSE"},
        {[](T d) { d.DeleteIndex("Branch", "OFFICE"); },
         read(&TDbDictionary::ListDDObjectsKind5, "Branch"), "ADDRESS;HOUSE"},
        {[](T d) { d.RemoveIndexFile("Branch", "extra.vdi", 0); },
         read(&TDbDictionary::ListDDObjectsKind4, "Branch"), ""},
        {[](T d) { d.CreateRefIntegrity("Rule", "", "Office", "", "Branch", "", 1, 2); },
         read(&TDbDictionary::GetRefIntegrityProperty, "Rule", 702), "Office"},
        {[](T d) { d.RemoveRefIntegrity("Rule"); }, read(&TDbDictionary::ListDDObjectsKind1), ""},
        {[](T d) { d.AddView("V", "all offices", "SELECT * FROM Office"); },
         read(&TDbDictionary::GetViewProperty, "V", 501), "SELECT * FROM Office"},
        {[](T d) { d.RemoveView("V"); }, read(&TDbDictionary::ListDDObjectsKind6), ""},
        {[](T d) { d.CreateUserGroup("Readers", "read"); },
         read(&TDbDictionary::GetUserGroupProperty, "Readers", 900), "read"},
        {[](T d) { d.SetUserGroupProperty("Readers", 900, "r", 2); },
         read(&TDbDictionary::GetUserGroupProperty, "Readers", 900), "r"},
        {[](T d) { d.CreateUser("Readers", "U", "pw", "one user"); },
         read(&TDbDictionary::ListDDObjectsKind8Of, "Readers"), "U"},
        {[](T d) { d.SetUserProperty("U", 800, "renamed", 8); },
         read(&TDbDictionary::GetUserProperty, "U", 800), "renamed"},
        {[](T d) { d.CreateUserGroup("Writers", ""), d.AddUserToGroup("Writers", "U"); },
         read(&TDbDictionary::GetUserProperty, "U", 802), "Readers;Writers"},
        {[](T d) { d.RemoveUserFromGroup("Writers", "U"); },
         read(&TDbDictionary::GetUserProperty, "U", 802), "Readers"},
        {[](T d) { d.DeleteUserGroup("Writers"); }, read(&TDbDictionary::ListDDObjectsKind9), "Readers"},
        {[](T d) { d.SetObjectAccessRights("Office", "U", "R"); }, [](T) { return std::string(); }, ""},
        {[](T d) { d.DeleteUser("U"); }, read(&TDbDictionary::ListDDObjectsKind8), "ADMIN"},
        {[](T d) { d.RemoveTable("Persons", 0); }, read(&TDbDictionary::ListDDObjectsKind10), "Office;Branch"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        row.change(*d);
        EXPECT_EQ(row.read(*d), row.expected);
    }
    EXPECT_THROW(d->SetObjectAccessRights("Office", "Nobody", "R"), EDbEngineError);
    expectEngineError([&] { text([&](char* b, uint32_t* n) { d->GetProcedureProperty("Proc", 600, b, n); }); },
                      5133); // no procedures

    // The enumeration by hand, and a kind without objects, which leaves the list as it was.
    const size_t finds = handlesOf(ce::HandleKind::Find);
    char name[201] = {};
    uint32_t length = 200;
    CEHANDLE find = 0;
    d->FindFirstObject(10, "", name, &length, &find);
    length = 200;
    d->FindNextObject(find, name, &length);
    EXPECT_STREQ(name, "Branch");
    d->FindClose(find);
    EXPECT_EQ(handlesOf(ce::HandleKind::Find), finds);
    EXPECT_EQ(list([&](TStrings* l) { l->Add("kept"), d->ListDDObjectsKind2(l); }), "kept");
    EXPECT_EQ(list([&](TStrings* l) { d->ListDDObjectsKind3("Office", l); }), "Office_Id");
    expectMisuse([&] { d->CreateDictionary(path("other.vdd"), false, ""); },
                 "IsConnected cannot be true when calling CreateDictionary");
}

TEST_F(TDbDictionaryTest, PathAndAliasFollowTheConnectionState) {
    dictionary({});
    SetCurrentDir(temp.path().string());
    std::ofstream("DBALIAS.INI") << "[Databases]\nadmin=" << path("test.vdd") << ";N\n";
    TDbDictionary* d = component();
    expectMisuse([&] { d->SetAliasName("nosuch"); }, "TDbDictionary.AliasName is not valid");
    d->SetAliasName("admin");
    d->LoginPrompt = false;
    d->SetIsConnected(true);
    EXPECT_TRUE(d->IsConnected()) << "the alias's path without its letter";
    expectMisuse([&] { d->SetConnectPath("x.vdd"); },
                 "The TDbDictionary.ConnectPath may not be changed when IsConnected is TRUE");
    expectMisuse([&] { d->SetAliasName("admin"); },
                 "The TDbDictionary.AliasName may not be changed when IsConnected is TRUE");
    d->SetDbServerTypes(stCE_LOCAL);
    expectError<DbSettingsError>([&] { d->SetDbServerTypes(0); },
                                 testing::Eq("At least one server type must be selected."));
    EXPECT_EQ(d->DbServerTypes(), TDbServerTypes(stCE_LOCAL));
}

TEST_F(TDbDictionaryTest, FailedConnectsLeaveNoConnectionAndTheCursorAsItWas) {
    directory({});
    const size_t connections = handlesOf(ce::HandleKind::Directory) + dictionaryHandles();
    Screen->SetCursor(crDefault);
    TDbDictionary* d = component();
    d->SetConnectPath(temp.path().string());
    d->LoginPrompt = false;
    expectMisuse([&] { d->SetIsConnected(true); }, "The Data Dictionary path was invalid.");
    EXPECT_FALSE(d->IsConnected());
    EXPECT_EQ(handlesOf(ce::HandleKind::Directory) + dictionaryHandles(), connections);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    // The login dialog answers cancelled here.
    d->LoginPrompt = true;
    expectError<EDatabaseError>([&] { d->SetIsConnected(true); },
                                testing::Eq("Cannot connect to database 'DbDictionary1'"));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    TDbDictionary unnamed(nullptr);
    expectMisuse([&] { unnamed.SetIsConnected(true); },
                 "A connection string must be specified prior to connecting.");
}

TEST_F(TDbDictionaryTest, ALayoutConnectsWhenLoaded) {
    dictionary({});
    const size_t connections = dictionaryHandles();
    TDbDictionary* d = component();
    std::vector<std::string> events;
    d->OnLogin = [&](TComponent* sender, AnsiString& user, AnsiString&) {
        EXPECT_EQ(sender, d);
        user = "ADMIN";
        events.push_back("login");
    };
    d->OnConnect = [&](TPersistent*) { events.push_back("connect"); };
    d->OnDisconnect = [&](TPersistent*) { events.push_back("disconnect"); };
    d->BeginLoading();
    d->SetConnectPath(path("test.vdd"));
    d->SetIsConnected(true);
    EXPECT_FALSE(d->IsConnected());
    d->EndLoading();
    EXPECT_TRUE(d->IsConnected());
    EXPECT_EQ(d->UserName, "ADMIN");
    EXPECT_EQ(dictionaryHandles(), connections + 1);
    d->SetIsConnected(false);
    EXPECT_EQ(dictionaryHandles(), connections);
    EXPECT_EQ(events, (std::vector<std::string>{"login", "connect", "disconnect"}));
}

} // namespace
} // namespace datatest
