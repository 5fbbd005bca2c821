// One navigation suite over both kinds of cursor: a table handle and the static cursor of a SELECT
// on the same rows, each walked through its natural order and an index file opened on it.
#include "SqlTestSupport.h"

#include <cstring>

namespace {

enum class CursorKind { Table, SqlResult };

class CursorNavigationTest : public SqlFixture, public testing::WithParamInterface<CursorKind> {
protected:
    void SetUp() override {
        SqlFixture::SetUp();
        connection_ = dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))",
                                  "CREATE INDEX NAME ON T (UPPER(NAME)) IN FILE 'names.vdi'"});
        statement_ = statement(connection_);
        direct(statement_, "INSERT INTO T VALUES (1, 'дуб'), (2, 'Аист'), (3, 'ёж'), (4, 'бор'), (5, 'Ель')");
        if (GetParam() == CursorKind::Table)
            cursor_ = open(connection_, "T");
        else
            cursor_ = direct(statement_, "SELECT * FROM T");
        CEHANDLE orders[50];
        uint16_t n = 50;
        ASSERT_EQ(CeOpenIndex(cursor_, "names.vdi", orders, &n), 0u) << lastText();
        ASSERT_EQ(n, 1);
        order_ = orders[0];
    }

    void TearDown() override {
        EXPECT_EQ(CeCloseTable(cursor_), 0u);
        EXPECT_EQ(CeCloseSQLStatement(statement_), 0u);
        SqlFixture::TearDown();
    }

    std::string name() const { return utf8(text(cursor_, "NAME")); }

    CEHANDLE connection_ = 0;
    CEHANDLE statement_ = 0;
    CEHANDLE cursor_ = 0;
    CEHANDLE order_ = 0;
};

TEST_P(CursorNavigationTest, NaturalAndIndexOrdersWithCracks) {
    EXPECT_EQ(name(), "дуб") << "opened on the first record";
    ASSERT_EQ(CeGotoBottom(cursor_), 0u);
    EXPECT_EQ(name(), "Ель");
    EXPECT_EQ(recno(cursor_), 5u);
    ASSERT_EQ(CeSkip(cursor_, 1), 0u);
    EXPECT_TRUE(atEof(cursor_));
    ASSERT_EQ(CeSkip(cursor_, 1), 0u);
    EXPECT_TRUE(atEof(cursor_)) << "skipping outward at a crack stays there";
    EXPECT_EQ(inOrder(cursor_, order_, "NAME"), (std::vector<std::string>{"Аист", "бор", "дуб", "Ель", "ёж"}));
    ASSERT_EQ(CeGotoBottom(order_), 0u);
    ASSERT_EQ(CeSkip(order_, -2), 0u);
    EXPECT_EQ(name(), "дуб");
    ASSERT_EQ(CeSkip(order_, -5), 0u);
    EXPECT_TRUE(atBof(order_));
    ASSERT_EQ(CeGotoRecord(cursor_, 4), 0u);
    EXPECT_EQ(name(), "бор");
    EXPECT_EQ(got<uint32_t>(CeGetRecordNum, cursor_, 1), 4u);
    EXPECT_EQ(CeGotoRecord(cursor_, 9), 5022u);
}

TEST_P(CursorNavigationTest, SeeksScopesFiltersAndBookmarks) {
    const std::string key = ansi("ДУ");
    EXPECT_EQ(got<uint16_t>(CeSeek, order_, key.data(), 2, 2, 2), 1);
    EXPECT_EQ(name(), "дуб");
    EXPECT_EQ(static_cast<int>(5 * got<double>(CeGetRelKeyPos, order_)), 3);
    unsigned char here[8];
    uint32_t length = sizeof here;
    ASSERT_EQ(CeGetBookmark60(order_, here, &length), 0u);
    const std::string top = ansi("Б");
    const std::string bottom = ansi("Е");
    ASSERT_EQ(CeSetScope(order_, 1, top.data(), 1, 2), 0u);
    ASSERT_EQ(CeSetScope(order_, 2, bottom.data(), 1, 2), 0u);
    EXPECT_EQ(inOrder(cursor_, order_, "NAME"), (std::vector<std::string>{"бор", "дуб", "Ель"}));
    ASSERT_EQ(CeSetFilter(cursor_, "ID > 2"), 0u);
    EXPECT_EQ(inOrder(cursor_, order_, "NAME"), (std::vector<std::string>{"бор", "Ель"}));
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, order_, 1), 2u);
    ASSERT_EQ(CeClearFilter(cursor_), 0u);
    ASSERT_EQ(CeClearAllScopes(cursor_), 0u);
    ASSERT_EQ(CeGotoTop(order_), 0u);
    unsigned char first[8];
    length = sizeof first;
    ASSERT_EQ(CeGetBookmark60(order_, first, &length), 0u);
    EXPECT_LT(got<int32_t>(CeCompareBookmarks, first, here), 0);
    uint32_t recnoHere = 0;
    std::memcpy(&recnoHere, here, 4);
    ASSERT_EQ(CeGotoBookmark(cursor_, recnoHere), 0u);
    EXPECT_EQ(name(), "дуб");
}

INSTANTIATE_TEST_SUITE_P(BothCursors, CursorNavigationTest, testing::Values(CursorKind::Table, CursorKind::SqlResult),
                         [](const testing::TestParamInfo<CursorKind>& info) {
                             return info.param == CursorKind::Table ? "TableHandle" : "SqlResult";
                         });

} // namespace
