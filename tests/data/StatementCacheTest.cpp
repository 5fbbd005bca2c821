// The statement cache: its text hash, one statement per text until a commit or rollback, and a
// failed prepare that leaves nothing behind.
#include "data/StatementCache.h"

#include "DataFixture.h"
#include "base/CodePage.h"
#include "data/TDbConnection.h"

namespace datatest {
namespace {

class StatementCacheTest : public DataFixture {
protected:
    TDbConnection* connect() {
        dictionary({"CREATE TABLE T (ID INTEGER)"});
        TDbConnection* c = dictionaryConnection();
        c->Connect();
        return c;
    }
};

TEST_F(StatementCacheTest, HashMatchesTheWorkedValues) {
    EXPECT_EQ(db::sqlTextHash("abc"), 137825u);
    EXPECT_EQ(db::sqlTextHash(""), 0u);
    EXPECT_EQ(db::sqlTextHash("SELECT * FROM T1"), 4197027832u) << "16 characters take every second byte";
    EXPECT_EQ(db::sqlTextHash(base::utf8ToCp1251("Улица")), 452524393u) << "bytes are unsigned";
}

TEST_F(StatementCacheTest, RepeatedTextReusesItsStatementUntilCommitOrRollback) {
    TDbConnection* c = connect();
    const size_t before = handlesOf(ce::HandleKind::Statement);
    const AnsiString insert = "INSERT INTO T (ID) VALUES (1)";
    EXPECT_EQ(c->Execute(insert, nullptr, true, nullptr), 1);
    EXPECT_EQ(c->Execute(insert, nullptr, true, nullptr), 1);
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before + 1);
    c->Execute("INSERT INTO T (ID) VALUES (2)", nullptr, false, nullptr);
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before + 1) << "an uncached statement is closed";
    for (const bool commit : {true, false}) {
        c->BeginTransaction();
        commit ? c->Commit() : c->Rollback();
        EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before);
        c->Execute(insert, nullptr, true, nullptr);
        EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before + 1);
    }
}

TEST_F(StatementCacheTest, FailedPrepareLeavesNoEntryAndNoStatement) {
    TDbConnection* c = connect();
    const size_t before = handlesOf(ce::HandleKind::Statement);
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_THROW(c->Execute("SELECT FROM WHERE", nullptr, true, nullptr), EDbEngineError);
    EXPECT_EQ(handlesOf(ce::HandleKind::Statement), before);
}

} // namespace
} // namespace datatest
