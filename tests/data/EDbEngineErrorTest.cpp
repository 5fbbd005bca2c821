// The components' error model: messages with and without a dataset, the column of a 5147-5149
// text, the per-thread pending flag across copies, and the engine-text fallbacks.
#include "data/EDbEngineError.h"

#include <exception>

#include "DataFixture.h"
#include "data/DbErrors.h"
#include "data/TDbTable.h"

namespace datatest {
namespace {

using EDbEngineErrorTest = DataFixture;

// A table whose database path cannot be worked out.
class UnresolvableTable : public TDbTable {
public:
    using TDbTable::TDbTable;
    AnsiString GetDatabasePath() override { throw Exception("no path"); }
};

TEST_F(EDbEngineErrorTest, MessageCarriesTheDataSetNameAndContext) {
    owner.SetName("fmMain");
    auto* table = new TDbTable(&owner);
    table->SetName("dbCity");
    table->SetDatabaseName("data\\");
    table->SetTableName("city");
    {
        const EDbEngineError e(table, "Missing TableName property", 5121);
        EXPECT_STREQ(e.what(), "dbCity: Missing TableName property");
        EXPECT_EQ(e.OwnerName, "fmMain");
        EXPECT_EQ(e.DatabaseName, "data\\");
        EXPECT_EQ(e.DatabasePath, "data");
        EXPECT_EQ(e.TableName, "city");
    }
    auto* unresolvable = new UnresolvableTable(&owner);
    unresolvable->SetName("dbStreets");
    unresolvable->SetTableName("Street");
    const EDbEngineError swallowed(unresolvable, "Table is already open.", 5121);
    EXPECT_STREQ(swallowed.what(), "dbStreets: Table is already open.") << "a context getter that throws is skipped";
    EXPECT_EQ(swallowed.TableName, "Street");
    EXPECT_TRUE(swallowed.DatabasePath.empty());
}

TEST_F(EDbEngineErrorTest, ColumnNameComesFromTheEngineTextOfColumnCodes) {
    const struct {
        std::string text;
        int code;
        std::string column;
    } cases[] = {
        {"Value not valid for column \"NAME\" of table", 5148, "NAME"},
        {"Value not valid for the column", 5148, ""},
        {"column \"NAME\" but another code", 5022, ""},
        {"unknown column \"" + std::string(1000, 'x'), 5147, std::string(900, 'x')},
    };
    auto* table = new TDbTable(&owner);
    for (const auto& c : cases)
        EXPECT_EQ(EDbEngineError(table, c.text, c.code).ColumnName, c.column) << c.text;
    EXPECT_TRUE(EDbEngineError(nullptr, "column \"NAME\"", 5148).ColumnName.empty()) << "no dataset, no column";
}

TEST_F(EDbEngineErrorTest, FailureWhileAnErrorIsAliveIsSwallowedUntilItGoes) {
    {
        const EDbEngineError first(nullptr, "first", 5121);
        EXPECT_TRUE(db::errorPending());
        EngineCheck(nullptr, CeCloseTable(12345)); // swallowed
        const EDbEngineError second(nullptr, "second", 5121);
        EXPECT_STREQ(second.what(), "");
        EXPECT_EQ(second.ErrorCode, 0);
    }
    EXPECT_FALSE(db::errorPending()) << "the empty second error holds no token";
    expectEngineError([] { EngineCheck(nullptr, CeCloseTable(12345)); }, 5012,
                      testing::Eq("Invalid or unknown handle 12345"));
}

TEST_F(EDbEngineErrorTest, PendingFlagFollowsCopiesAndClearsWithTheLast) {
    std::exception_ptr kept;
    try {
        try {
            DbMisuse(nullptr, "boom");
        } catch (const EDbEngineError& caught) {
            const EDbEngineError copy = caught; // as a catch by value copies
            EXPECT_TRUE(db::errorPending());
            throw copy;
        }
    } catch (...) {
        kept = std::current_exception();
    }
    EXPECT_TRUE(db::errorPending()) << "the exception_ptr keeps it alive";
    expectError<EDbEngineError>([&] { std::rethrow_exception(kept); }, testing::Eq("boom"));
    kept = nullptr;
    EXPECT_FALSE(db::errorPending());
}

TEST_F(EDbEngineErrorTest, DbErrorsTakeTheEngineTextsOrNothing) {
    EXPECT_STREQ(dbset::DbError(5022).what(), "Record not found");
    testing::internal::CaptureStderr();
    EXPECT_STREQ(dbset::DbError(4321).what(), "") << "the engine has no text for it";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Db Exception Error"), std::string::npos);
    (void)CeCloseTable(777);
    EXPECT_STREQ(dbcnnct::DbError(1, true).what(), "Invalid or unknown handle 777");
}

} // namespace
} // namespace datatest
