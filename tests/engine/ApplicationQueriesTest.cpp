// The program's seven queries, exactly as it stores them, on a small hand-built directory:
// prepared once, re-run with string parameters as the query component binds them, with
// Cyrillic case folding, Ё and the order of the NAME indexes.
#include "SqlTestSupport.h"

#include "app/QueryTexts.h"

namespace {

using namespace app::sql;

class ApplicationQueriesTest : public SqlFixture {
protected:
    void SetUp() override {
        SqlFixture::SetUp();
        connection_ = dictionary({
            "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))",
            "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
            "CREATE INDEX NAME ON Topic (UPPER(Name))",
            "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(60), Flags INTEGER, inetref CHAR(120))",
            "CREATE TABLE OfficeTopics (Office_Id INTEGER, Topic_Id INTEGER)",
            "CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(6), Apartment CHAR(6), Contact CHAR(60))",
            "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House))",
            "CREATE INDEX OFFICE_ID ON Branch (Office_Id)",
        });
        const CEHANDLE s = statement(connection_);
        direct(s, "INSERT INTO Topic (Name) VALUES ('Автосервис'), ('Автозапчасти'), ('Аптеки'), ('Банки'),"
                  " ('Ёлочные базары'), ('Кафе'), ('Рестораны'), ('Автостоянки'), ('Елки и ели')");
        direct(s, "INSERT INTO Office VALUES (1, 'Автомир', 1, 'www.avtomir.ru,avto@mail.ru'),"
                  " (2, 'бистро \"Ёж\"', 0, ''), (3, 'Банк Валдрен', 0, 'bank.ru'), (4, 'Ёлка & Co', 0, ''),"
                  " (5, '1000 мелочей', 0, ''), (6, 'БАЗА СТРОЙ', 0, '')");
        direct(s, "INSERT INTO OfficeTopics VALUES (1, 1), (1, 2), (1, 8), (2, 6), (2, 7), (3, 4), (4, 5), (6, 1)");
        direct(s, "INSERT INTO Branch VALUES (1, 'ЛЕСНАЯ', '12А', '', '88452123456'), (1, 'САДОВАЯ', '3', '7', ''),"
                  " (2, 'Лесная', '12а', '1', '234567'), (3, 'МИРА', '1', '', ''), (6, 'ЁЛОЧНАЯ', '5', '', '')");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    }

    // Runs a prepared query again with string parameters, as the query component does.
    std::vector<std::string> run(CEHANDLE s, const char* sql, const std::vector<std::string>& params,
                                 const char* field = "Name") {
        EXPECT_EQ(CePrepareSQL(s, sql), 0u) << lastText();
        for (size_t i = 0; i < params.size(); ++i) {
            const std::string value = ansi(params[i]);
            EXPECT_EQ(CeSetString(s, CE_FIELDNO(i + 1), value.c_str(), static_cast<uint32_t>(value.size())), 0u);
        }
        CEHANDLE cursor = 0;
        EXPECT_EQ(CeExecuteSQL(s, &cursor), 0u) << lastText();
        return cursor ? column(cursor, field) : std::vector<std::string>{};
    }

    CEHANDLE connection_ = 0;
};

TEST_F(ApplicationQueriesTest, RubricSearchFoldsCyrillicAndSortsAsTheNameIndex) {
    const CEHANDLE s = statement(connection_);
    EXPECT_EQ(run(s, kShowCat, {"%АВТО%"}), (std::vector<std::string>{"Автозапчасти", "Автосервис", "Автостоянки"}));
    EXPECT_EQ(run(s, kShowCat, {"%Ё%"}), (std::vector<std::string>{"Ёлочные базары"}));
    EXPECT_EQ(run(s, kShowCat, {"%ЕЛ%"}), (std::vector<std::string>{"Елки и ели"})) << "Ё is not Е";
    EXPECT_EQ(run(s, kShowCat, {"%%"}),
              (std::vector<std::string>{"Автозапчасти", "Автосервис", "Автостоянки", "Аптеки", "Банки", "Елки и ели",
                                        "Ёлочные базары", "Кафе", "Рестораны"}));
    EXPECT_EQ(run(s, kShowCat, {"%ПИЦЦА%"}), (std::vector<std::string>{}));
    // The rubric list follows the Topic table's NAME index.
    const CEHANDLE t = open(connection_, "Topic");
    EXPECT_EQ(inOrder(t, index(t, "NAME"), "Name"), run(s, kShowCat, {"%"}));
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApplicationQueriesTest, FirmNameSearchByTypedBeginning) {
    const CEHANDLE s = statement(connection_);
    EXPECT_EQ(run(s, kShowPredpr, {"Б%"}), (std::vector<std::string>{"БАЗА СТРОЙ", "Банк Валдрен", "бистро \"Ёж\""}));
    EXPECT_EQ(run(s, kShowPredpr, {"Ё%"}), (std::vector<std::string>{"Ёлка & Co"}));
    EXPECT_EQ(run(s, kShowPredpr, {"1%"}), (std::vector<std::string>{"1000 мелочей"}));
    EXPECT_EQ(run(s, kShowPredpr, {"%"}).size(), 6u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApplicationQueriesTest, FirmsOfARubricAndOneFirm) {
    const CEHANDLE s = statement(connection_);
    EXPECT_EQ(run(s, kShowFirm, {"1"}), (std::vector<std::string>{"Автомир", "БАЗА СТРОЙ"}));
    EXPECT_EQ(run(s, kShowFirm, {"6"}), (std::vector<std::string>{"бистро \"Ёж\""}));
    EXPECT_EQ(run(s, kShowFirm, {"99"}), (std::vector<std::string>{}));
    EXPECT_EQ(run(s, kShowFirm2, {"3"}), (std::vector<std::string>{"Банк Валдрен"}));
    EXPECT_EQ(run(s, kShowFirm2, {"1"}, "inetref"), (std::vector<std::string>{"www.avtomir.ru,avto@mail.ru"}));
    // "Office.*" gives the table's fields with their types.
    ASSERT_EQ(CePrepareSQL(s, kShowFirm2), 0u);
    ASSERT_EQ(CeSetString(s, CE_FIELDNO(1), "1", 1), 0u);
    CEHANDLE cursor = 0;
    ASSERT_EQ(CeExecuteSQL(s, &cursor), 0u);
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, cursor), 4);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, cursor, "Flags"), 11);
    unsigned char row[256];
    uint32_t length = sizeof row;
    ASSERT_EQ(CeGetRecord(cursor, row, &length), 0u);
    EXPECT_EQ(row[got<uint32_t>(CeGetFieldOffset, cursor, "Flags")] & 1, 1) << "a marked firm";
    EXPECT_EQ(CeCloseTable(cursor), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApplicationQueriesTest, BranchesAndRubricsOfAFirm) {
    const CEHANDLE s = statement(connection_);
    EXPECT_EQ(run(s, kShowInfo, {"1"}, "Street"), (std::vector<std::string>{"ЛЕСНАЯ", "САДОВАЯ"}));
    EXPECT_EQ(run(s, kShowInfo, {"1"}, "Contact"), (std::vector<std::string>{"88452123456", ""}));
    EXPECT_EQ(run(s, kShowInfo, {"5"}, "Street"), (std::vector<std::string>{}));
    EXPECT_EQ(run(s, kShowTopics, {"1"}), (std::vector<std::string>{"Автозапчасти", "Автосервис", "Автостоянки"}));
    EXPECT_EQ(run(s, kShowTopics, {"2"}), (std::vector<std::string>{"Кафе", "Рестораны"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApplicationQueriesTest, FirmsAtAnAddressFoldTheStoredAddress) {
    const CEHANDLE s = statement(connection_);
    EXPECT_EQ(run(s, kObjInfo, {"ЛЕСНАЯ", "12А"}), (std::vector<std::string>{"Автомир", "бистро \"Ёж\""}));
    EXPECT_EQ(run(s, kObjInfo, {"ЁЛОЧНАЯ", "5"}), (std::vector<std::string>{"БАЗА СТРОЙ"}));
    EXPECT_EQ(run(s, kObjInfo, {"ЕЛОЧНАЯ", "5"}), (std::vector<std::string>{}));
    EXPECT_EQ(run(s, kObjInfo, {"МИРА", "2"}), (std::vector<std::string>{}));
    // The address is looked up through the SQLite index mirroring the ADDRESS tag.
    const std::vector<std::string> plan = column(direct(s, std::string("EXPLAIN QUERY PLAN ") + kObjInfo), "detail");
    bool indexed = false;
    for (const std::string& step : plan)
        indexed = indexed || step.find("USING INDEX __ce_BRANCH_ADDRESS") != std::string::npos;
    EXPECT_TRUE(indexed) << ::testing::PrintToString(plan);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

} // namespace
