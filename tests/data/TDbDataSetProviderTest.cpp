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
        dictionaryConnection();
        t = table("T", "", false);
    }

    TDbTable* t = nullptr;
};

TEST_F(TDbDataSetProviderTest, ADatasetOnADirectoryRunsNoStatements) {
    TDbTable* onDirectory = tableAt(temp.path().string());
    onDirectory->SetName("dbF");
    expectMisuse([&] { onDirectory->PSExecuteStatement("SELECT 1", nullptr); },
                 "dbF: A TDbConnection component is required for TClientDataSet/IProvider support. Use either the "
                 "DbConnection  property or the Database property to specify a TDbConnection instance.");
    EXPECT_FALSE(onDirectory->PSInTransaction());
}

TEST_F(TDbDataSetProviderTest, TransactionsRunThroughTheConnection) {
    int rollbacks = 0;
    connection->AfterRollback = [&](TPersistent*) { ++rollbacks; };
    connection->Connect();
    t->PSStartTransaction();
    EXPECT_TRUE(t->PSInTransaction());
    EXPECT_EQ(t->PSExecuteStatement("UPDATE T SET NAME = 'Z'", nullptr), 2);
    t->PSEndTransaction(/*Commit=*/false);
    EXPECT_EQ(rollbacks, 1);
    EXPECT_FALSE(t->PSInTransaction());
    t->Open();
    EXPECT_EQ(t->FieldByName("NAME")->AsString(), "A") << "rolled back";
}

TEST_F(TDbDataSetProviderTest, ResultSetsOfOneCachedStatementAreReadAndFreedApart) {
    const size_t cursors = handlesOf(ce::HandleKind::SqlCursor);
    TParams params;
    params.CreateParam(ftInteger, "ID", ptInput)->SetAsInteger(1);
    TDataSet* first = nullptr;
    t->PSExecuteStatement("SELECT NAME FROM T WHERE ID = :ID", &params, &first);
    params[0]->SetAsInteger(2);
    TDataSet* second = nullptr;
    t->PSExecuteStatement("SELECT NAME FROM T WHERE ID = :ID", &params, &second);
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
    EXPECT_FALSE(t->PSUpdateRecord(ukModify, t)) << "no handler";
    TUpdateAction answer = uaFail;
    t->OnUpdateRecord = [&](TDataSet*, TUpdateKind, TUpdateAction& action) {
        EXPECT_EQ(action, uaFail);
        action = answer;
    };
    EXPECT_FALSE(t->PSUpdateRecord(ukModify, t));
    answer = uaApplied;
    EXPECT_TRUE(t->PSUpdateRecord(ukModify, t));
}

} // namespace
} // namespace datatest
