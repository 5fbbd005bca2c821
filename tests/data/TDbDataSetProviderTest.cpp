// The provider support of every dataset: statements and transactions through the connection, the
// refusals without one, and the update hook.
#include <memory>

#include "DataFixture.h"
#include "data/TDbConnection.h"
#include "data/TDbTable.h"
#include "toolkit/TField.h"
#include "toolkit/TParams.h"

namespace datatest {
namespace {

class TDbDataSetProviderTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "INSERT INTO T VALUES (1, 'A')",
                    "INSERT INTO T VALUES (2, 'B')"});
        connection = dictionaryConnection();
        table = new TDbTable(&owner);
        table->SetName("dbT");
        table->SetDatabaseName("DbConnection1");
        table->SetTableName("T");
    }

    TDbConnection* connection = nullptr;
    TDbTable* table = nullptr;
};

TEST_F(TDbDataSetProviderTest, ADatasetOnADirectoryRunsNoStatements) {
    TDbTable onDirectory(nullptr);
    onDirectory.SetName("dbF");
    onDirectory.SetDatabaseName(temp.path().string());
    try {
        onDirectory.PSExecuteStatement("SELECT 1", nullptr);
        FAIL();
    } catch (const EDbEngineError& e) {
        EXPECT_EQ(e.ErrorCode, 5121);
        EXPECT_STREQ(e.what(), "dbF: A TDbConnection component is required for TClientDataSet/IProvider support. Use "
                               "either the DbConnection  property or the Database property to specify a TDbConnection "
                               "instance.");
    }
    EXPECT_FALSE(onDirectory.PSInTransaction());
}

TEST_F(TDbDataSetProviderTest, TransactionsRunThroughTheConnection) {
    int rollbacks = 0;
    connection->AfterRollback = [&](TPersistent*) { ++rollbacks; };
    connection->Connect();
    table->PSStartTransaction();
    EXPECT_TRUE(table->PSInTransaction());
    EXPECT_EQ(table->PSExecuteStatement("UPDATE T SET NAME = 'Z'", nullptr), 2);
    table->PSEndTransaction(/*Commit=*/false);
    EXPECT_EQ(rollbacks, 1);
    EXPECT_FALSE(table->PSInTransaction());
    table->Open();
    EXPECT_EQ(table->FieldByName("NAME")->AsString(), "A") << "rolled back";
}

TEST_F(TDbDataSetProviderTest, ResultSetsOfOneCachedStatementAreReadAndFreedApart) {
    const size_t cursors = handlesOf(ce::HandleKind::SqlCursor);
    TParams params;
    params.CreateParam(ftInteger, "ID", ptInput)->SetAsInteger(1);
    TDataSet* first = nullptr;
    table->PSExecuteStatement("SELECT NAME FROM T WHERE ID = :ID", &params, &first);
    params[0]->SetAsInteger(2);
    TDataSet* second = nullptr;
    table->PSExecuteStatement("SELECT NAME FROM T WHERE ID = :ID", &params, &second);
    std::unique_ptr<TDataSet> one(first);
    std::unique_ptr<TDataSet> two(second);
    ASSERT_TRUE(one->Active());
    ASSERT_TRUE(two->Active());
    EXPECT_EQ(one->FieldByName("NAME")->AsString(), "A");
    EXPECT_EQ(two->FieldByName("NAME")->AsString(), "B");
    EXPECT_EQ(handlesOf(ce::HandleKind::SqlCursor), cursors + 2);
    one.reset();
    two.reset();
    EXPECT_EQ(handlesOf(ce::HandleKind::SqlCursor), cursors);
}

TEST_F(TDbDataSetProviderTest, UpdatesCountAsAppliedOnlyWhenTheHandlerSaysSo) {
    EXPECT_FALSE(table->PSUpdateRecord(ukModify, table)) << "no handler";
    TUpdateAction answer = uaFail;
    table->OnUpdateRecord = [&](TDataSet*, TUpdateKind, TUpdateAction& action) {
        EXPECT_EQ(action, uaFail);
        action = answer;
    };
    EXPECT_FALSE(table->PSUpdateRecord(ukModify, table));
    answer = uaApplied;
    EXPECT_TRUE(table->PSUpdateRecord(ukModify, table));
}

} // namespace
} // namespace datatest
