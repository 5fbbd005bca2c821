// SQL statements: preparing, binding every parameter type, executing, result cursors that behave
// as read-only tables and outlive their statement, affected-row counts, and SQL writes seen by
// open table handles.
#include "SqlTestSupport.h"

#include <cstring>

namespace {

class ApiSqlTest : public SqlFixture {
protected:
    CEHANDLE firms() {
        const CEHANDLE c = dictionary({"CREATE TABLE FIRMS (ID AUTOINC, NAME CHAR(30), PRICE DOUBLE, BORN DATE,"
                                       " OPENS TIME, SEEN TIMESTAMP, OK LOGICAL, NOTE MEMO, PHOTO BINARY)",
                                       "CREATE INDEX NAME ON FIRMS (UPPER(NAME)) IN FILE 'firms.vdi'"});
        const CEHANDLE s = statement(c);
        direct(s, "INSERT INTO FIRMS (NAME, PRICE) VALUES ('Банк', 1.5), ('автомир', 2), ('Ёлка', 3)");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
        return c;
    }
};

TEST_F(ApiSqlTest, SelectYieldsAStaticReadOnlyCursor) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    const CEHANDLE cursor = direct(s, "SELECT ID, NAME, PRICE FROM FIRMS ORDER BY NAME");
    EXPECT_EQ(handleType(s), 4);
    EXPECT_EQ(handleType(cursor), 5);
    EXPECT_EQ(got<uint32_t>(CeGetTableOpenOptions, cursor) & 2, 2u);
    EXPECT_EQ(got<uint16_t>(CeGetTableType, cursor), 3);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, cursor, "ID"), 15);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, cursor, "PRICE"), 10);
    EXPECT_EQ(got<uint32_t>(CeGetFieldLength, cursor, "NAME"), 30u);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, cursor, 1), 3u);
    EXPECT_EQ(affected(s), 3u);
    EXPECT_EQ(utf8(text(cursor, "NAME")), "автомир") << "positioned on the first row";
    EXPECT_EQ(CeSetField(cursor, "NAME", "x", 1), 5064u);
    EXPECT_EQ(CeAppendRecord(cursor), 5064u);
    EXPECT_EQ(CeLockRecord(cursor, 1), 5064u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    EXPECT_EQ(column(cursor, "NAME"), (std::vector<std::string>{"автомир", "Банк", "Ёлка"}));
}

TEST_F(ApiSqlTest, ResultCursorSupportsTheTableFunctions) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    direct(s, "UPDATE FIRMS SET NOTE = 'длинная заметка', PHOTO = x'00FF10' WHERE NAME = 'Банк'");
    const CEHANDLE cursor = direct(s, "SELECT * FROM FIRMS");
    // An index file of the table opens on the result too.
    CEHANDLE orders[50];
    uint16_t n = 50;
    ASSERT_EQ(CeOpenIndex(cursor, "firms.vdi", orders, &n), 0u) << lastText();
    ASSERT_EQ(n, 1);
    const std::string key = ansi("ЁЛ");
    EXPECT_EQ(got<uint16_t>(CeSeek, orders[0], key.data(), 2, 2, 2), 1);
    EXPECT_EQ(utf8(text(cursor, "NAME")), "Ёлка");
    ASSERT_EQ(CeGotoTop(orders[0]), 0u);
    EXPECT_EQ(utf8(text(cursor, "NAME")), "автомир");
    unsigned char bookmark[8];
    uint32_t length = sizeof bookmark;
    ASSERT_EQ(CeSkip(orders[0], 1), 0u);
    ASSERT_EQ(CeGetBookmark60(orders[0], bookmark, &length), 0u);
    ASSERT_EQ(CeGotoTop(cursor), 0u);
    uint32_t recno = 0;
    std::memcpy(&recno, bookmark, 4);
    ASSERT_EQ(CeGotoBookmark(cursor, recno), 0u);
    EXPECT_EQ(utf8(text(cursor, "NAME")), "Банк");
    char note[64] = {};
    length = sizeof note;
    ASSERT_EQ(CeGetField(cursor, "NOTE", note, &length, 1), 0u);
    EXPECT_EQ(utf8(std::string(note, length)), "длинная заметка");
    ASSERT_EQ(CeGetBinaryLength(cursor, "PHOTO", &length), 0u);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(got<uint16_t>(CeIsEmpty, cursor, "BORN"), 1);
    ASSERT_EQ(CeSetFilter(cursor, "PRICE > 1.9"), 0u);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, cursor, 1), 2u);
    EXPECT_EQ(CeCloseTable(cursor), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, CursorOutlivesItsStatementAndItsReexecution) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CePrepareSQL(s, "SELECT NAME FROM FIRMS WHERE PRICE > :p ORDER BY NAME"), 0u);
    ASSERT_EQ(CeSetDouble(s, CE_FIELDNO(1), 1.9), 0u);
    CEHANDLE first = 0;
    ASSERT_EQ(CeExecuteSQL(s, &first), 0u);
    ASSERT_EQ(CePrepareSQL(s, "SELECT NAME FROM FIRMS WHERE PRICE > :p ORDER BY NAME"), 0u);
    ASSERT_EQ(CeSetDouble(s, "P", 0), 0u);
    CEHANDLE second = 0;
    ASSERT_EQ(CeExecuteSQL(s, &second), 0u);
    EXPECT_NE(first, second);
    ASSERT_EQ(CeCloseSQLStatement(s), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 5106u);
    EXPECT_EQ(lastErrorCode(), 5106u);
    EXPECT_EQ(column(first, "NAME"), (std::vector<std::string>{"автомир", "Ёлка"}));
    EXPECT_EQ(column(second, "NAME"), (std::vector<std::string>{"автомир", "Банк", "Ёлка"}));
}

TEST_F(ApiSqlTest, NonSelectGivesCursorZeroAndTheAffectedRows) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    uint32_t count = 0;
    EXPECT_EQ(CeGetRecordCount(s, 2, &count), 5117u);
    CEHANDLE cursor = 99;
    EXPECT_EQ(got<CEHANDLE>(CeExecuteSQLDirect, s, "UPDATE FIRMS SET PRICE = PRICE + 1 WHERE PRICE < 2.5"), 0u);
    EXPECT_EQ(affected(s), 2u);
    ASSERT_EQ(CeExecuteSQLDirect(s, "DELETE FROM FIRMS WHERE PRICE > 100", nullptr), 0u);
    EXPECT_EQ(affected(s), 0u);
    ASSERT_EQ(CeExecuteSQLDirect(s, "INSERT INTO FIRMS (NAME) VALUES ('new')", &cursor), 0u);
    EXPECT_EQ(affected(s), 1u);
    EXPECT_EQ(got<uint32_t>(CeGetLastAutoinc, s), 4u);
    // DDL runs as the engine's own.
    EXPECT_EQ(got<CEHANDLE>(CeExecuteSQLDirect, s, "CREATE TABLE MORE (A INTEGER)"), 0u);
    EXPECT_EQ(CeCloseTable(open(c, "MORE")), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, EveryBindingTypeReachesSqlite) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CePrepareSQL(s, "INSERT INTO FIRMS (NAME, PRICE, OK, BORN, OPENS, SEEN, PHOTO, NOTE)"
                              " VALUES (:n, :p, :ok, :born, :opens, :seen, :photo, :note)"),
              0u);
    const std::string name = ansi("Юг");
    ASSERT_EQ(CeSetString(s, CE_FIELDNO(1), name.c_str(), static_cast<uint32_t>(name.size())), 0u);
    ASSERT_EQ(CeSetDouble(s, CE_FIELDNO(2), 12.25), 0u);
    ASSERT_EQ(CeSetLogical(s, CE_FIELDNO(3), 1), 0u);
    ASSERT_EQ(CeSetJulian(s, CE_FIELDNO(4), 2415019), 0u);
    ASSERT_EQ(CeSetMilliseconds(s, CE_FIELDNO(5), 43200000), 0u);
    const int32_t stamp[2] = {2415020, 1000};
    ASSERT_EQ(CeSetTimeStampRaw(s, CE_FIELDNO(6), stamp, 8), 0u);
    const unsigned char photo[4] = {1, 0, 2, 0};
    ASSERT_EQ(CeSetBinary(s, CE_FIELDNO(7), 6, 4, 0, photo, 2), 0u);
    ASSERT_EQ(CeSetBinary(s, CE_FIELDNO(7), 6, 4, 2, photo + 2, 2), 0u);
    ASSERT_EQ(CeSetString(s, CE_FIELDNO(8), "", 0), 0u);
    EXPECT_EQ(CeSetString(s, CE_FIELDNO(9), "x", 1), 5018u);
    EXPECT_EQ(CeSetDouble(s, "nosuch", 1), 5018u);
    EXPECT_EQ(CeSetTimeStampRaw(s, CE_FIELDNO(6), stamp, 4), 5018u);
    ASSERT_EQ(CeExecuteSQL(s, nullptr), 0u) << lastText();

    const CEHANDLE cursor = direct(s, "SELECT NAME, PRICE, OK, BORN, OPENS, SEEN, length(PHOTO) AS N, hex(PHOTO) AS H,"
                                      " NOTE IS NULL AS NONOTE, typeof(NOTE) AS T FROM FIRMS WHERE ID = 4");
    ASSERT_NE(cursor, 0u);
    EXPECT_EQ(utf8(text(cursor, "NAME")), "Юг");
    EXPECT_EQ(text(cursor, "H"), "01000200");
    EXPECT_EQ(text(cursor, "T"), "text") << "an empty string is not null";
    unsigned char row[128] = {};
    uint32_t length = sizeof row;
    ASSERT_EQ(CeGetRecord(cursor, row, &length), 0u);
    // The value of a field's slot in the record image, read as a T.
    const auto slot = [&]<typename T>(const char* field, T, size_t at = 0) {
        T value;
        std::memcpy(&value, row + got<uint32_t>(CeGetFieldOffset, cursor, field) + at, sizeof value);
        return value;
    };
    EXPECT_EQ(slot("PRICE", 0.0), 12.25);
    EXPECT_EQ(slot("OK", char()), 'T');
    EXPECT_EQ(slot("BORN", int32_t()), 2415019);
    EXPECT_EQ(slot("OPENS", int32_t()), 43200000);
    EXPECT_EQ(slot("SEEN", int32_t()), 2415020);
    EXPECT_EQ(slot("SEEN", int32_t(), 4), 1000);
    EXPECT_EQ(slot("N", int32_t()), 4);
    EXPECT_EQ(CeCloseTable(cursor), 0u);

    // A marker never bound, and CeSetEmpty, give null.
    ASSERT_EQ(CePrepareSQL(s, "SELECT :a IS NULL AS A, :b IS NULL AS B, :a AS C"), 0u);
    ASSERT_EQ(CeSetString(s, CE_FIELDNO(1), "x", 1), 0u);
    ASSERT_EQ(CeSetEmpty(s, CE_FIELDNO(1)), 0u);
    ASSERT_EQ(CeSetString(s, CE_FIELDNO(3), "y", 1), 0u);
    EXPECT_EQ(column(got<CEHANDLE>(CeExecuteSQL, s), "C"), (std::vector<std::string>{"y"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, BindingByNameSetsEveryMarkerOfTheName) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CePrepareSQL(s, "SELECT NAME FROM FIRMS WHERE PRICE = :p OR PRICE = :P + 1 -- :p"), 0u);
    ASSERT_EQ(CeSetDouble(s, "p", 1.5), 0u);
    EXPECT_EQ(column(got<CEHANDLE>(CeExecuteSQL, s), "NAME"), (std::vector<std::string>{"Банк"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, SetFunctionsOnATableSetThePendingRecord) {
    const CEHANDLE c = firms();
    const CEHANDLE t = open(c, "FIRMS");
    ASSERT_EQ(CeAppendRecord(t), 0u);
    ASSERT_EQ(CeSetString(t, "NAME", "Zed", 3), 0u);
    ASSERT_EQ(CeSetDouble(t, "PRICE", 7.5), 0u);
    ASSERT_EQ(CeSetLogical(t, "OK", 1), 0u);
    ASSERT_EQ(CeSetJulian(t, "BORN", 2451545), 0u);
    const unsigned char bytes[3] = {1, 2, 3};
    ASSERT_EQ(CeSetBinary(t, "PHOTO", 6, 3, 0, bytes, 3), 0u);
    ASSERT_EQ(CeSetEmpty(t, "NOTE"), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    ASSERT_EQ(CeCloseTable(t), 0u);
    const CEHANDLE s = statement(c);
    const CEHANDLE cursor = direct(s, "SELECT PRICE || '/' || OK || '/' || BORN || '/' || hex(PHOTO) AS V FROM FIRMS"
                                      " WHERE NAME = 'Zed'");
    EXPECT_EQ(column(cursor, "V"), (std::vector<std::string>{"7.5/1/2451545/010203"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, SqlWritesReachOpenTableHandles) {
    const CEHANDLE c = firms();
    const CEHANDLE t = open(c, "FIRMS");
    CEHANDLE orders[50];
    uint16_t n = 50;
    ASSERT_EQ(CeOpenIndex(t, "firms.vdi", orders, &n), 0u);
    const CEHANDLE s = statement(c);
    direct(s, "UPDATE FIRMS SET NAME = 'Аист' WHERE NAME = 'Ёлка'");
    direct(s, "INSERT INTO FIRMS (NAME) VALUES ('Яхта')");
    direct(s, "DELETE FROM FIRMS WHERE NAME = 'Банк'");
    EXPECT_EQ(inOrder(t, orders[0], "NAME"), (std::vector<std::string>{"автомир", "Аист", "Яхта"}));
    // A delete without a condition empties the open image too.
    direct(s, "DELETE FROM FIRMS");
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 2), 0u);
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, FailuresHaveTheirCodes) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    CEHANDLE cursor = 0;
    EXPECT_EQ(CeExecuteSQL(s, &cursor), 5018u) << "nothing prepared";
    EXPECT_EQ(CeExecuteSQLDirect(s, "SELECT nosuch FROM FIRMS", &cursor), 7200u);
    EXPECT_EQ(lastErrorCode(), 7200u);
    EXPECT_EQ(CePrepareSQL(s, "SELECT 'open"), 7210u);
    EXPECT_EQ(CeExecuteSQLDirect(s, "SELECT 1; SELECT 2", &cursor), 7200u);
    EXPECT_EQ(CeCloseTable(got<CEHANDLE>(CeExecuteSQLDirect, s, "SELECT 1; -- only a comment follows")), 0u);
    EXPECT_EQ(CePrepareSQL(12345, "SELECT 1"), 5106u);
    EXPECT_EQ(CeCreateSQLStatement(12345, &cursor), 5012u);
    EXPECT_EQ(CeStmtSetTableCharType(s, 3), 5018u);
    EXPECT_EQ(CeStmtSetTableType(s, 2), 0u);
    char text[80];
    uint32_t length = sizeof text;
    ASSERT_EQ(CeGetErrorString(7209, text, &length), 0u);
    EXPECT_NE(std::string(text).find("7209"), std::string::npos);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, StatementParamsListsTheMarkerNames) {
    char buffer[64];
    uint32_t length = sizeof buffer;
    ASSERT_EQ(CeGetSQLStmtParams("select :a, ':b' from t where c = :c -- :d", buffer, &length), 0u);
    EXPECT_STREQ(buffer, "a;c");
    EXPECT_EQ(length, 3u);
    length = 0;
    ASSERT_EQ(CeGetSQLStmtParams("select :abc", nullptr, &length), 0u);
    EXPECT_EQ(length, 4u);
    length = 2;
    EXPECT_EQ(CeGetSQLStmtParams("select :abc", buffer, &length), 5005u);
    length = sizeof buffer;
    ASSERT_EQ(CeGetSQLStmtParams("", buffer, &length), 0u);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(CeGetSQLStmtParams("select 'x", buffer, &length), 7210u);
    EXPECT_EQ(CeGetSQLStmtParams("select /* x", buffer, &length), 7210u);
}

TEST_F(ApiSqlTest, OemStatementGivesOemImages) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CeStmtSetTableCharType(s, 2), 0u);
    const CEHANDLE cursor = direct(s, "SELECT NAME FROM FIRMS WHERE NAME = 'Банк'");
    char row[32] = {};
    uint32_t length = sizeof row;
    ASSERT_EQ(CeGetRecord(cursor, row, &length), 0u);
    EXPECT_EQ(base::cp866ToUtf8(std::string(row, 4)), "Банк");
    EXPECT_EQ(utf8(text(cursor, "NAME")), "Банк") << "fields speak ANSI";
    EXPECT_EQ(CeCloseTable(cursor), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, DirectoryConnectionRunsSqlOnFreeTables) {
    const CEHANDLE d = directory();
    const CEHANDLE s = statement(d);
    ASSERT_EQ(CeStmtSetTableType(s, 2), 0u);
    direct(s, "CREATE TABLE people (NAME CHAR(10), AGE NUMERIC(3,0))");
    direct(s, "INSERT INTO people (NAME, AGE) VALUES ('Иван', 30), ('Анна', 25)");
    EXPECT_TRUE(std::filesystem::exists(path("people.dbf")));
    const CEHANDLE cursor = direct(s, "SELECT * FROM people ORDER BY NAME");
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, cursor), 2) << "the deletion mark is no column";
    EXPECT_EQ(column(cursor, "NAME"), (std::vector<std::string>{"Анна", "Иван"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

// The same text, prepared again or only run again, follows its table's new shape; once the table
// is gone it fails as the text prepared anew would.
TEST_F(ApiSqlTest, RepreparedTextFollowsAChangedTable) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (A CHAR(3))"});
    const CEHANDLE s = statement(c);
    const CEHANDLE again = statement(c);
    const CEHANDLE other = statement(c);
    direct(s, "INSERT INTO T VALUES ('abc')");
    EXPECT_EQ(column(direct(s, "SELECT * FROM T"), "A"), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(column(direct(again, "SELECT * FROM T"), "A"), (std::vector<std::string>{"abc"}));
    direct(other, "DROP TABLE T");
    direct(other, "CREATE TABLE T (A CHAR(8), B INTEGER)");
    direct(other, "INSERT INTO T VALUES ('abcdefgh', 5)");
    const CEHANDLE cursor = direct(s, "SELECT * FROM T");
    EXPECT_EQ(got<uint32_t>(CeGetFieldLength, cursor, "A"), 8u);
    EXPECT_EQ(column(cursor, "A"), (std::vector<std::string>{"abcdefgh"}));
    const CEHANDLE run = got<CEHANDLE>(CeExecuteSQL, again);
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, run), 2);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, run, "B"), 11);
    EXPECT_EQ(column(run, "A"), (std::vector<std::string>{"abcdefgh"}));
    direct(other, "DROP TABLE T");
    CEHANDLE none = 0;
    EXPECT_EQ(CeExecuteSQL(again, &none), 7200u);
    EXPECT_EQ(CeExecuteSQLDirect(s, "SELECT * FROM T", &none), 7200u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    EXPECT_EQ(CeCloseSQLStatement(again), 0u);
    EXPECT_EQ(CeCloseSQLStatement(other), 0u);
}

// Preparing the text a statement already holds reuses its SQLite statement and its column
// descriptions, but starts without bindings like any preparation; a failed or different text in
// between leaves nothing of the earlier one in use.
TEST_F(ApiSqlTest, PreparingTheSameTextAgainIsAFreshPreparation) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    const char* const byPrice = "SELECT NAME FROM FIRMS WHERE PRICE > :p ORDER BY NAME";
    ASSERT_EQ(CePrepareSQL(s, byPrice), 0u);
    ASSERT_EQ(CeSetDouble(s, "p", 1.9), 0u);
    EXPECT_EQ(column(got<CEHANDLE>(CeExecuteSQL, s), "NAME"), (std::vector<std::string>{"автомир", "Ёлка"}));
    ASSERT_EQ(CePrepareSQL(s, byPrice), 0u);
    EXPECT_EQ(column(got<CEHANDLE>(CeExecuteSQL, s), "NAME"), std::vector<std::string>{}) << "the marker is null again";

    EXPECT_EQ(CePrepareSQL(s, "SELECT 'open"), 7210u);
    CEHANDLE cursor = 0;
    EXPECT_EQ(CeExecuteSQL(s, &cursor), 5018u) << "the failed text left nothing prepared";
    ASSERT_EQ(CePrepareSQL(s, byPrice), 0u);
    ASSERT_EQ(CeSetDouble(s, "p", 2.5), 0u);
    EXPECT_EQ(column(got<CEHANDLE>(CeExecuteSQL, s), "NAME"), (std::vector<std::string>{"Ёлка"}));

    cursor = direct(s, "SELECT PRICE, ID FROM FIRMS WHERE PRICE > 2.5");
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, cursor), 2);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, cursor, CE_FIELDNO(1)), 10);
    EXPECT_EQ(CeCloseTable(cursor), 0u);
    ASSERT_EQ(CePrepareSQL(s, byPrice), 0u);
    ASSERT_EQ(CeSetDouble(s, "p", 0), 0u);
    cursor = got<CEHANDLE>(CeExecuteSQL, s);
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, cursor), 1);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, cursor, CE_FIELDNO(1)), 4);
    EXPECT_EQ(got<uint32_t>(CeGetRecordLength, cursor), 30u);
    EXPECT_EQ(column(cursor, "NAME"), (std::vector<std::string>{"автомир", "Банк", "Ёлка"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiSqlTest, DisconnectClosesStatementsAndCursors) {
    const CEHANDLE c = firms();
    const CEHANDLE s = statement(c);
    const CEHANDLE cursor = direct(s, "SELECT NAME FROM FIRMS");
    ASSERT_EQ(CeDisconnect(c), 0u);
    connections_.clear();
    uint16_t kind = 0;
    EXPECT_EQ(CeGetHandleType(s, &kind), 5012u);
    EXPECT_EQ(CeGetHandleType(cursor, &kind), 5012u);
    EXPECT_EQ(CeExecuteSQL(s, nullptr), 5106u);
}

} // namespace
