// Dictionary administration through the engine's entry points: creating a dictionary, objects
// enumerated by kind, tables copied in from free table files, views, index files and tags, rules,
// users and groups, and the log-in those users get.
#include "SqlTestSupport.h"

#include <filesystem>

namespace {

constexpr CEHANDLE kNoFind = 0xFFFFFFFF;

class ApiDictionaryTest : public SqlFixture {
protected:
    // A new dictionary "admin.vdd" and its administrator connection.
    CEHANDLE create(const std::vector<std::string>& ddl = {}) {
        CEHANDLE c = 0;
        EXPECT_EQ(CeDDCreate(path("admin.vdd").c_str(), 2, "Test dictionary", &c), 0u);
        connections_.push_back(c);
        for (const std::string& sql : ddl)
            EXPECT_EQ(run(c, sql), 0u) << sql;
        return c;
    }

    CEHANDLE login(const char* user, const char* password, uint32_t expected = 0) {
        CEHANDLE c = 0;
        EXPECT_EQ(CeConnect60(path("admin.vdd").c_str(), 1, user, password, 0, &c), expected) << user;
        if (expected == 0)
            connections_.push_back(c);
        return c;
    }

    // Every object of a kind, in enumeration order; the enumeration must end with 5137.
    static std::vector<std::string> objects(CEHANDLE c, uint16_t kind, const char* parent = "") {
        std::vector<std::string> names;
        char name[200];
        uint32_t length = sizeof name;
        CEHANDLE find = 0;
        uint32_t result = CeDDFindFirstObject(c, kind, parent, name, &length, &find);
        if (result != 0) {
            EXPECT_EQ(result, 5137u);
            EXPECT_EQ(find, kNoFind);
            return names;
        }
        do {
            names.emplace_back(name, length);
            length = sizeof name;
        } while ((result = CeDDFindNextObject(c, find, name, &length)) == 0);
        EXPECT_EQ(result, 5137u);
        EXPECT_EQ(CeDDFindClose(c, find), 0u);
        return names;
    }

    // SQLite indexes SQL can use on a table, listed through the engine's SQL.
    uint32_t sqlIndexes(CEHANDLE c, const std::string& table) {
        const std::string sql = "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '" + table + "'";
        return static_cast<uint32_t>(column(direct(statement(c), sql), "name").size());
    }

    // A text property read by get(buffer, &length).
    template <class Get>
    static std::string textProperty(Get get) {
        char buffer[300];
        uint32_t length = sizeof buffer;
        EXPECT_EQ(get(buffer, &length), 0u);
        return std::string(buffer, length);
    }
};

using Names = std::vector<std::string>;

TEST_F(ApiDictionaryTest, CreateGivesAnAdministratorConnectionAndRefusesAnExistingFile) {
    const CEHANDLE c = create();
    EXPECT_EQ(handleType(c), 7);
    CEHANDLE again = 0;
    EXPECT_NE(CeDDCreate(path("admin.vdd").c_str(), 2, "", &again), 0u);
    EXPECT_EQ(Names(objects(c, 8)), Names{"ADMIN"});
    EXPECT_TRUE(objects(c, 10).empty());
}

TEST_F(ApiDictionaryTest, ObjectsEnumerateByKindAndEndWith5137) {
    const CEHANDLE c = create({"CREATE TABLE Street (Street_Id AUTOINC, Name CHAR(30))",
                               "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45), Note MEMO)",
                               "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
                               "CREATE INDEX NAME ON Topic (UPPER(Name))"});
    EXPECT_EQ(objects(c, 10), (Names{"Street", "Topic"}));
    EXPECT_EQ(objects(c, 3, "topic"), (Names{"Topic_Id", "Name", "Note"}));
    EXPECT_EQ(objects(c, 5, "TOPIC"), (Names{"TOPIC_ID", "NAME"}));
    EXPECT_TRUE(objects(c, 5, "Street").empty());
    for (uint16_t kind : {1, 2, 4, 6, 9})
        EXPECT_TRUE(objects(c, kind, "Topic").empty()) << kind;

    char name[200];
    uint32_t length = sizeof name;
    CEHANDLE find = 0;
    EXPECT_EQ(CeDDFindFirstObject(c, 7, "", name, &length, &find), 5018u);
    EXPECT_EQ(find, kNoFind);
    find = 0;
    EXPECT_EQ(CeDDFindFirstObject(c, 3, "Nosuch", name, &length, &find), 5132u);
    EXPECT_EQ(find, kNoFind);
}

TEST_F(ApiDictionaryTest, NameThatDoesNotFitIsHandedOutAgain) {
    const CEHANDLE c = create({"CREATE TABLE A (X INTEGER)", "CREATE TABLE Longer (X INTEGER)"});
    char name[200];
    uint32_t length = sizeof name;
    CEHANDLE find = 0;
    ASSERT_EQ(CeDDFindFirstObject(c, 10, "", name, &length, &find), 0u);
    length = 3;
    EXPECT_EQ(CeDDFindNextObject(c, find, name, &length), 5005u);
    EXPECT_EQ(length, 7u);
    ASSERT_EQ(CeDDFindNextObject(c, find, name, &length), 0u);
    EXPECT_STREQ(name, "Longer");
    EXPECT_EQ(CeDDFindNextObject(c, find, name, &length), 5137u);
    EXPECT_EQ(CeDDFindClose(c, find), 0u);
    EXPECT_EQ(CeDDFindClose(c, find), 5012u);
    EXPECT_EQ(CeDDFindNextObject(c, find, name, &length), 5012u);
}

TEST_F(ApiDictionaryTest, ChangesNeedAnAdministratorAndADictionary) {
    const CEHANDLE admin = create();
    ASSERT_EQ(CeDDCreateUser(admin, "", "USER", "secret", ""), 0u);
    const CEHANDLE user = login("user", "secret");
    EXPECT_EQ(handleType(user), 6);
    EXPECT_EQ(CeDDCreateUserGroup(user, "Staff", ""), 5135u);
    EXPECT_EQ(objects(user, 8), (Names{"ADMIN", "USER"}));
    const CEHANDLE d = directory();
    EXPECT_EQ(CeDDCreateUserGroup(d, "Staff", ""), 5012u);
    EXPECT_EQ(CeDDCreateUserGroup(12345678, "Staff", ""), 5012u);
}

TEST_F(ApiDictionaryTest, WrongPasswordsAndUnknownUsersAreRefused) {
    const CEHANDLE admin = create();
    ASSERT_EQ(CeDDCreateUser(admin, "", "USER", "Secret", "the program"), 0u);
    login("USER", "secret", 5120);
    login("USER", "", 5120);
    login("NOBODY", "Secret", 5120);
    login("ADMIN", "x", 5120);
    EXPECT_EQ(handleType(login("ADMIN", "")), 7);
    EXPECT_EQ(handleType(login("User", "Secret")), 6);
    // Without a user the implicit connections get in until the dictionary asks for log-ins.
    EXPECT_EQ(handleType(login("", "")), 6);
    const uint16_t on = 1;
    ASSERT_EQ(CeDDSetDatabaseProperty(admin, 104, &on, 2), 0u);
    login("", "", 5120);
    CEHANDLE c = 0;
    EXPECT_EQ(CeConnect(path("admin.vdd").c_str(), &c), 5120u);
}

TEST_F(ApiDictionaryTest, UsersAndGroupsKeepTheirMemberships) {
    const CEHANDLE c = create();
    ASSERT_EQ(CeDDCreateUserGroup(c, "Staff", "people"), 0u);
    ASSERT_EQ(CeDDCreateUserGroup(c, "Guests", ""), 0u);
    EXPECT_EQ(CeDDCreateUserGroup(c, "STAFF", ""), 5134u);
    ASSERT_EQ(CeDDCreateUser(c, "staff", "ANNA", "a", ""), 0u);
    ASSERT_EQ(CeDDCreateUser(c, "", "BORIS", "b", ""), 0u);
    EXPECT_EQ(CeDDCreateUser(c, "", "anna", "x", ""), 5134u);
    EXPECT_EQ(CeDDCreateUser(c, "Nobody", "VERA", "v", ""), 5133u);
    EXPECT_EQ(objects(c, 8), (Names{"ADMIN", "ANNA", "BORIS"}));
    ASSERT_EQ(CeDDAddUserToGroup(c, "Staff", "boris"), 0u);
    EXPECT_EQ(CeDDAddUserToGroup(c, "Staff", "BORIS"), 5134u);
    ASSERT_EQ(CeDDAddUserToGroup(c, "Guests", "ANNA"), 0u);
    EXPECT_EQ(objects(c, 8, "Staff"), (Names{"ANNA", "BORIS"}));
    EXPECT_EQ(objects(c, 9), (Names{"Staff", "Guests"}));

    ASSERT_EQ(CeDDRemoveUserFromGroup(c, "Staff", "anna"), 0u);
    EXPECT_EQ(CeDDRemoveUserFromGroup(c, "Staff", "anna"), 5133u);
    EXPECT_EQ(objects(c, 8, "Staff"), (Names{"BORIS"}));
    ASSERT_EQ(CeDDDeleteUser(c, "BORIS"), 0u);
    EXPECT_TRUE(objects(c, 8, "Staff").empty());
    ASSERT_EQ(CeDDDeleteUserGroup(c, "Guests"), 0u);
    EXPECT_EQ(objects(c, 9), (Names{"Staff"}));
    EXPECT_EQ(CeDDDeleteUserGroup(c, "Guests"), 5133u);
    EXPECT_EQ(CeDDDeleteUser(c, "BORIS"), 5133u);
    login("BORIS", "b", 5120);
    EXPECT_EQ(handleType(login("ANNA", "a")), 6);
}

TEST_F(ApiDictionaryTest, AccessRightsNeedAKnownObjectAndAccessor) {
    const CEHANDLE c = create({"CREATE TABLE Office (Office_Id INTEGER)"});
    ASSERT_EQ(CeDDCreateUser(c, "", "USER", "p", ""), 0u);
    EXPECT_EQ(CeDDSetObjectAccessRights(c, "office", "user", "R"), 0u);
    EXPECT_EQ(CeDDSetObjectAccessRights(c, "office", "user", ""), 0u);
    EXPECT_EQ(CeDDSetObjectAccessRights(c, "Nosuch", "USER", "R"), 5133u);
    EXPECT_EQ(CeDDSetObjectAccessRights(c, "Office", "Nobody", "R"), 5133u);
}

TEST_F(ApiDictionaryTest, FreeTableIsCopiedInWithItsRecordNumbers) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE people (NAME CHAR(10), AGE INTEGER)"), 0u);
    ASSERT_EQ(run(d, "CREATE INDEX NAME ON people (UPPER(NAME))"), 0u);
    const CEHANDLE source = open(d, path("people"), 3);
    for (const char* name : {"Anna", "Boris", "Vera"})
        append(source, {{"NAME", name}});
    ASSERT_EQ(CeGotoRecord(source, 2), 0u);
    ASSERT_EQ(CeDeleteRecord(source), 0u);
    ASSERT_EQ(CeWriteRecord(source), 0u);
    ASSERT_EQ(CeCloseTable(source), 0u);

    const CEHANDLE c = create();
    EXPECT_EQ(CeDDAddTable(c, "Persons", path("people.vdt").c_str(), 1, 1, "", "copied"), 5018u);
    EXPECT_EQ(CeDDAddTable(c, "Persons", path("missing.vdt").c_str(), 0, 0, "", ""), 7041u);
    ASSERT_EQ(CeDDAddTable(c, "Persons", path("people.vdt").c_str(), 3, 0, "", "copied"), 0u);
    EXPECT_EQ(CeDDAddTable(c, "PERSONS", path("people.vdt").c_str(), 3, 0, "", ""), 5134u);
    EXPECT_EQ(objects(c, 10), (Names{"Persons"}));
    EXPECT_EQ(objects(c, 5, "Persons"), (Names{"NAME"}));
    // The NAME tag's upper() mirror and the index on the raw NAME column that serves ORDER BY NAME.
    EXPECT_EQ(sqlIndexes(c, "Persons"), 2u);

    const CEHANDLE t = open(c, "persons");
    EXPECT_EQ(CeGotoRecord(t, 3), 0u);
    EXPECT_EQ(text(t, "NAME"), "Vera");
    EXPECT_EQ(CeGotoRecord(t, 2), 5022u);
    EXPECT_EQ(CeDDRemoveTable(c, "Persons", 1), 5036u);
    EXPECT_EQ(CeCloseTable(t), 0u);
    ASSERT_EQ(CeDDRemoveTable(c, "Persons", 1), 0u) << lastText();
    EXPECT_TRUE(objects(c, 10).empty());
    EXPECT_FALSE(std::filesystem::exists(path("people.vdt")));
    CEHANDLE gone = 0;
    EXPECT_EQ(CeOpenTable(c, "Persons", nullptr, 0, 1, 0, 2, 0, &gone), 5132u);
}

TEST_F(ApiDictionaryTest, ViewsAreKeptWithTheirSql) {
    const CEHANDLE c = create({"CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))"});
    ASSERT_EQ(CeDDAddView(c, "Named", "topics with names", "select Name from Topic where Name <> ''"), 0u);
    EXPECT_EQ(CeDDAddView(c, "named", "", "select 1"), 5134u);
    EXPECT_EQ(CeDDAddView(c, "Topic", "", "select 1"), 5134u);
    EXPECT_EQ(CeDDAddView(c, "Broken", "", "select from"), 7200u);
    EXPECT_EQ(objects(c, 6), (Names{"Named"}));
    EXPECT_EQ(textProperty([&](char* b, uint32_t* n) { return CeDDGetViewProperty(c, "NAMED", 501, b, n); }),
              "select Name from Topic where Name <> ''");
    ASSERT_EQ(CeDDRemoveView(c, "named"), 0u);
    EXPECT_EQ(CeDDRemoveView(c, "named"), 5133u);
    EXPECT_TRUE(objects(c, 6).empty());
    CEHANDLE gone = 0;
    EXPECT_EQ(CeOpenTable(c, "Named", nullptr, 0, 1, 0, 2, 0, &gone), 5132u);
    ASSERT_EQ(CeDDAddView(c, "Named", "", "select Topic_Id from Topic"), 0u);
}

TEST_F(ApiDictionaryTest, ViewOpensAsAStaticCursor) {
    const CEHANDLE c = create({"CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))"});
    const CEHANDLE topic = open(c, "Topic");
    for (const char* name : {"Banks", "", "Cafes"})
        append(topic, {{"Name", name}});
    EXPECT_EQ(CeCloseTable(topic), 0u);
    ASSERT_EQ(CeDDAddView(c, "Named", "", "select Name from Topic where Name <> '' order by Name desc"), 0u);

    const CEHANDLE view = open(c, "named");
    EXPECT_EQ(handleType(view), 5);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, view, 2), 2u);
    ASSERT_EQ(CeGotoTop(view), 0u);
    EXPECT_EQ(text(view, "Name"), "Cafes");
    EXPECT_EQ(CeLockRecord(view, 1), 5064u);
    EXPECT_EQ(CeCloseTable(view), 0u);
}

TEST_F(ApiDictionaryTest, IndexFilesAndTheirTagsCanBeAddedAndRemoved) {
    const CEHANDLE c = create({"CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(10))",
                               "CREATE INDEX OFFICE ON Branch (Office_Id)",
                               "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House)) IN FILE 'extra.vdi'",
                               "CREATE INDEX HOUSE ON Branch (House) IN FILE 'extra.vdi'"});
    EXPECT_EQ(objects(c, 5, "Branch"), (Names{"OFFICE"}));
    EXPECT_EQ(CeDDAddIndexFile(c, "Branch", "missing.vdi", ""), 7041u);
    ASSERT_EQ(CeDDAddIndexFile(c, "branch", "extra.vdi", "addresses"), 0u);
    EXPECT_EQ(CeDDAddIndexFile(c, "Branch", "EXTRA.VDI", ""), 5134u);
    EXPECT_EQ(objects(c, 4, "Branch"), (Names{"extra.vdi"}));
    EXPECT_EQ(objects(c, 5, "Branch"), (Names{"OFFICE", "ADDRESS", "HOUSE"}));

    // The table now opens with the file's orders too.
    CEHANDLE t = open(c, "Branch");
    CEHANDLE orders[8];
    uint16_t count = 8;
    ASSERT_EQ(CeGetAllIndexes(t, orders, &count), 0u);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(CeDDDeleteIndex(c, "Branch", "HOUSE"), 5036u);
    EXPECT_EQ(CeCloseTable(t), 0u);

    ASSERT_EQ(CeDDDeleteIndex(c, "Branch", "house"), 0u);
    EXPECT_EQ(CeDDDeleteIndex(c, "Branch", "HOUSE"), 5004u);
    EXPECT_EQ(sqlIndexes(c, "Branch"), 1u);
    ASSERT_EQ(CeDDDeleteIndex(c, "Branch", "OFFICE"), 0u);
    EXPECT_EQ(sqlIndexes(c, "Branch"), 0u);
    EXPECT_EQ(objects(c, 5, "Branch"), (Names{"ADDRESS"}));
    ASSERT_EQ(CeDDRemoveIndexFile(c, "Branch", "Extra.vdi", 1), 0u);
    EXPECT_TRUE(objects(c, 4, "Branch").empty());
    EXPECT_FALSE(std::filesystem::exists(path("extra.vdi")));
    t = open(c, "Branch");
    count = 8;
    ASSERT_EQ(CeGetAllIndexes(t, orders, &count), 0u);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiDictionaryTest, ReferentialIntegrityRulesAreStored) {
    const CEHANDLE c = create({"CREATE TABLE Office (Office_Id INTEGER)", "CREATE TABLE Branch (Office_Id INTEGER)",
                               "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
                               "CREATE INDEX OFFICE_ID ON Branch (Office_Id)"});
    ASSERT_EQ(CeDDCreateRefIntegrity(c, "Branches", "Fails", "office", "OFFICE_ID", "branch", "OFFICE_ID", 1, 2), 0u);
    EXPECT_EQ(CeDDCreateRefIntegrity(c, "branches", "", "Office", "", "Branch", "", 1, 1), 5134u);
    EXPECT_EQ(CeDDCreateRefIntegrity(c, "Other", "", "Nosuch", "", "Branch", "", 1, 1), 5132u);
    EXPECT_EQ(objects(c, 1), (Names{"Branches"}));
    EXPECT_EQ(textProperty([&](char* b, uint32_t* n) { return CeDDGetRefIntegrityProperty(c, "BRANCHES", 702, b, n); }),
              "Office");
    uint32_t rule = 0;
    uint32_t length = sizeof rule;
    ASSERT_EQ(CeDDGetRefIntegrityProperty(c, "Branches", 707, &rule, &length), 0u);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(rule, 2u);
    ASSERT_EQ(CeDDRemoveRefIntegrity(c, "Branches"), 0u);
    EXPECT_EQ(CeDDRemoveRefIntegrity(c, "Branches"), 5133u);
    EXPECT_TRUE(objects(c, 1).empty());
}

TEST_F(ApiDictionaryTest, FailedChangeLeavesTheDictionaryAsItWas) {
    const CEHANDLE c = create({"CREATE TABLE Topic (Name CHAR(10))"});
    // The second statement of the view fails inside the change; the view must not stay behind.
    EXPECT_EQ(CeDDAddView(c, "Twice", "", "select Name from Topic; select nothing from nowhere"), 7200u);
    EXPECT_TRUE(objects(c, 6).empty());
    ASSERT_EQ(CeDDAddView(c, "Twice", "", "select Name from Topic"), 0u);
}

TEST_F(ApiDictionaryTest, MissingMetadataGivesAnErrorNotACrash) {
    const CEHANDLE c = create();
    CEHANDLE statement = 0;
    ASSERT_EQ(CeCreateSQLStatement(c, &statement), 0u);
    for (const char* sql : {"ALTER TABLE __ce_groups RENAME TO gone1", "ALTER TABLE __ce_views RENAME TO gone2", "DELETE FROM __ce_db"})
        ASSERT_EQ(CeExecuteSQLDirect(statement, sql, nullptr), 0u) << sql;
    EXPECT_EQ(CeCloseSQLStatement(statement), 0u);
    EXPECT_EQ(CeDDCreateUserGroup(c, "Staff", ""), 7200u);
    EXPECT_EQ(CeDDCreateUser(c, "Staff", "ANNA", "", ""), 7200u);
    EXPECT_TRUE(objects(c, 8).size() == 1);
    char name[200];
    uint32_t length = sizeof name;
    CEHANDLE find = 0;
    EXPECT_EQ(CeDDFindFirstObject(c, 6, "", name, &length, &find), 7200u);
    EXPECT_EQ(find, kNoFind);
    length = sizeof name;
    EXPECT_EQ(CeDDGetDatabaseProperty(c, 100, name, &length), 5138u);
}

} // namespace
