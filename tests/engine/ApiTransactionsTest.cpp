// Transactions: commit keeps, rollback discards what SQL and table handles wrote, and open table
// handles see the rolled-back data at their record numbers; the codes for a transaction already
// active or none active.
#include "SqlTestSupport.h"

namespace {

class ApiTransactionsTest : public SqlFixture {
protected:
    CEHANDLE towns() {
        const CEHANDLE c = dictionary({"CREATE TABLE TOWNS (NAME CHAR(20), PEOPLE INTEGER)",
                                       "CREATE INDEX NAME ON TOWNS (UPPER(NAME))"});
        const CEHANDLE s = statement(c);
        direct(s, "INSERT INTO TOWNS VALUES ('Валдрен', 100), ('Ольск', 50)");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
        return c;
    }
};

TEST_F(ApiTransactionsTest, BeginAndEndCodes) {
    const CEHANDLE c = towns();
    EXPECT_EQ(CeCommitTransaction(c), 5102u);
    EXPECT_EQ(CeRollbackTransaction(c), 5102u);
    ASSERT_EQ(CeBeginTransaction(c), 0u);
    EXPECT_EQ(CeBeginTransaction(c), 5101u);
    EXPECT_EQ(lastErrorCode(), 5101u);
    // A second connection to the same dictionary shares its file.
    CEHANDLE other = 0;
    ASSERT_EQ(CeConnect(path("test.vdd").c_str(), &other), 0u);
    connections_.push_back(other);
    EXPECT_EQ(CeBeginTransaction(other), 5101u);
    ASSERT_EQ(CeCommitTransaction(c), 0u);
    EXPECT_EQ(CeCommitTransaction(c), 5102u);
    EXPECT_EQ(CeBeginTransaction(12345), 5012u);
}

TEST_F(ApiTransactionsTest, CommitKeepsTheChanges) {
    const CEHANDLE c = towns();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CeBeginTransaction(c), 0u);
    direct(s, "UPDATE TOWNS SET PEOPLE = PEOPLE * 2");
    ASSERT_EQ(CeCommitTransaction(c), 0u);
    EXPECT_EQ(column(direct(s, "SELECT CAST(PEOPLE AS TEXT) AS P FROM TOWNS ORDER BY NAME"), "P"),
              (std::vector<std::string>{"200", "100"}));
    const CEHANDLE sum = direct(s, "SELECT SUM(PEOPLE) AS S FROM TOWNS");
    unsigned char row[8];
    uint32_t length = sizeof row;
    ASSERT_EQ(CeGetRecord(sum, row, &length), 0u);
    EXPECT_EQ(row[0] | row[1] << 8, 300);
    EXPECT_EQ(CeCloseTable(sum), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiTransactionsTest, RollbackDiscardsWritesAndOpenHandlesSeeIt) {
    const CEHANDLE c = towns();
    const CEHANDLE t = open(c, "TOWNS");
    const CEHANDLE order = index(t, "NAME");
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CeBeginTransaction(c), 0u);
    direct(s, "UPDATE TOWNS SET NAME = 'Ахтуба' WHERE NAME = 'Ольск'");
    direct(s, "INSERT INTO TOWNS VALUES ('Яр', 1)");
    append(t, {{"NAME", ansi("Бор")}});
    EXPECT_EQ(inOrder(t, order, "NAME"), (std::vector<std::string>{"Ахтуба", "Бор", "Валдрен", "Яр"}));
    // Positioned on record 1 (Валдрен) when the rollback comes.
    ASSERT_EQ(CeGotoRecord(t, 1), 0u);
    ASSERT_EQ(CeRollbackTransaction(c), 0u);
    EXPECT_EQ(recno(t), 1u);
    EXPECT_EQ(utf8(text(t, "NAME")), "Валдрен");
    ASSERT_EQ(CeSkip(order, 1), 0u);
    EXPECT_EQ(utf8(text(t, "NAME")), "Ольск");
    EXPECT_EQ(inOrder(t, order, "NAME"), (std::vector<std::string>{"Валдрен", "Ольск"}));
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 2), 2u);
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

TEST_F(ApiTransactionsTest, DisconnectRollsBackAnOpenTransaction) {
    const CEHANDLE c = towns();
    CEHANDLE other = 0;
    ASSERT_EQ(CeConnect(path("test.vdd").c_str(), &other), 0u);
    connections_.push_back(other);
    const CEHANDLE t = open(other, "TOWNS");
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CeBeginTransaction(c), 0u);
    direct(s, "DELETE FROM TOWNS");
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 2), 0u);
    ASSERT_EQ(CeDisconnect(c), 0u);
    connections_.erase(connections_.begin());
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 2), 2u);
    EXPECT_EQ(CeBeginTransaction(other), 0u) << "the file is free again";
    EXPECT_EQ(CeRollbackTransaction(other), 0u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiTransactionsTest, FailedStatementLeavesTheTransactionOpen) {
    const CEHANDLE c = towns();
    const CEHANDLE s = statement(c);
    ASSERT_EQ(CeBeginTransaction(c), 0u);
    direct(s, "INSERT INTO TOWNS VALUES ('Яр', 1)");
    CEHANDLE cursor = 0;
    EXPECT_EQ(CeExecuteSQLDirect(s, "INSERT INTO NOSUCH VALUES (1)", &cursor), 7200u);
    EXPECT_EQ(CeExecuteSQLDirect(s, "CREATE INDEX NAME ON TOWNS (NAME)", &cursor), 7200u) << "tag exists";
    ASSERT_EQ(CeRollbackTransaction(c), 0u);
    EXPECT_EQ(column(direct(s, "SELECT NAME FROM TOWNS ORDER BY NAME"), "NAME"),
              (std::vector<std::string>{"Валдрен", "Ольск"}));
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

} // namespace
