// Writes that SQLite refuses (a failure injected at each kind of write) leave the image, its orders
// and the file as they were, and keep the pending record for a retry.
#include "EngineFixture.h"

#include "engine/Database.h"

namespace {

class TableImageTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        connection_ = dictionary({"CREATE TABLE T (ID AUTOINC, NAME CHAR(8))", "CREATE INDEX NAME ON T (UPPER(NAME))"});
        table_ = open(connection_, "T");
        for (const char* name : {"delta", "alpha", "charlie"})
            append(table_, {{"NAME", name}});
    }

    void TearDown() override {
        EXPECT_EQ(CeCloseTable(table_), 0u);
        EngineFixture::TearDown();
    }

    void sql(const std::string& text) {
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        std::shared_ptr<ce::Database> db;
        ASSERT_TRUE(ce::Database::open(path("test.vdd"), ce::Database::Kind::Dictionary, db).ok());
        ASSERT_TRUE(db->exec(text).ok()) << text;
    }

    void injectFailure(const char* event) {
        sql(std::string("CREATE TRIGGER fail BEFORE ") + event + " ON T BEGIN SELECT RAISE(ABORT, 'injected'); END");
    }

    // Names in NAME order as the given handle's table sees them.
    static std::vector<std::string> names(CEHANDLE table) {
        const CEHANDLE order = index(table, "NAME");
        std::vector<std::string> seen;
        EXPECT_EQ(CeGotoTop(order), 0u);
        while (!atEof(table)) {
            seen.push_back(text(table, "NAME"));
            EXPECT_EQ(CeSkip(order, 1), 0u);
        }
        return seen;
    }

    // The names as a fresh image built from the file sees them.
    std::vector<std::string> namesInFile() {
        EXPECT_EQ(CeCloseTable(table_), 0u);
        table_ = open(connection_, "T");
        return names(table_);
    }

    CEHANDLE connection_ = 0;
    CEHANDLE table_ = 0;
};

using Names = std::vector<std::string>;

TEST_F(TableImageTest, FailedInsertKeepsEverythingAndRetriesOnce) {
    injectFailure("INSERT");
    ASSERT_EQ(CeAppendRecord(table_), 0u);
    ASSERT_EQ(CeSetField(table_, "NAME", "bravo", 5), 0u);
    EXPECT_EQ(CeWriteRecord(table_), 7200u);
    const CEHANDLE other = open(connection_, "T");
    EXPECT_EQ(names(other), (Names{"alpha", "charlie", "delta"}));
    sql("DROP TRIGGER fail");
    ASSERT_EQ(CeWriteRecord(table_), 0u);
    ASSERT_EQ(CeWriteRecord(table_), 0u);
    const Names after{"alpha", "bravo", "charlie", "delta"};
    EXPECT_EQ(names(other), after);
    EXPECT_EQ(CeCloseTable(other), 0u);
    EXPECT_EQ(namesInFile(), after);
}

TEST_F(TableImageTest, PendingEditBelongsToItsRecord) {
    const CEHANDLE order = index(table_, "NAME");
    ASSERT_EQ(CeGotoTop(order), 0u);
    const uint32_t alpha = recno(table_);
    ASSERT_EQ(CeSetField(table_, "NAME", "echo", 4), 0u);
    ASSERT_EQ(CeSkip(order, 1), 0u);
    EXPECT_EQ(text(table_, "NAME"), "charlie");
    ASSERT_EQ(CeGotoRecord(table_, alpha), 0u);
    EXPECT_EQ(text(table_, "NAME"), "echo");
    ASSERT_EQ(CeGotoBottom(order), 0u);
    ASSERT_EQ(CeWriteRecord(table_), 0u);
    EXPECT_EQ(namesInFile(), (Names{"charlie", "delta", "echo"}));
}

// Each test has its own fixture, so each failure is injected into a fresh table.
class TableImageFailureTest : public TableImageTest, public testing::WithParamInterface<const char*> {};

TEST_P(TableImageFailureTest, FailedUpdateOrDeleteKeepsTheRecordTheOrderAndTheFile) {
    const bool update = std::string(GetParam()) == "UPDATE";
    injectFailure(GetParam());
    ASSERT_EQ(CeGotoTop(index(table_, "NAME")), 0u);
    ASSERT_EQ(update ? CeSetField(table_, "NAME", "zulu", 4) : CeDeleteRecord(table_), 0u);
    EXPECT_EQ(CeWriteRecord(table_), 7200u);
    ASSERT_EQ(CeCancelUpdate(table_), 0u);
    const Names before{"alpha", "charlie", "delta"};
    EXPECT_EQ(names(table_), before);
    EXPECT_EQ(namesInFile(), before);
}

INSTANTIATE_TEST_SUITE_P(UpdateAndDelete, TableImageFailureTest, testing::Values("UPDATE", "DELETE"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(TableImageTest, CancelledAppendWritesNothingToTheFile) {
    ASSERT_EQ(CeAppendRecord(table_), 0u);
    ASSERT_EQ(CeSetField(table_, "NAME", "ghost", 5), 0u);
    ASSERT_EQ(CeCancelUpdate(table_), 0u);
    EXPECT_EQ(namesInFile(), (Names{"alpha", "charlie", "delta"}));
}

TEST_F(TableImageTest, ExitWithTheTableStillOpenIsClean) {
    // The child leaves the fixture's table and its order open; the process-wide tables are torn
    // down at exit, where the sanitizers would catch one reaching another already gone.
    EXPECT_EQ(names(table_), (Names{"alpha", "charlie", "delta"}));
    EXPECT_EXIT(std::exit(0), testing::ExitedWithCode(0), "");
}

} // namespace
