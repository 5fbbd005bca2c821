// Index orders of a table: descriptions, index files opened and closed by name, the order of
// CeGetAllIndexes, conditions, unique orders of both families.
#include "EngineFixture.h"

#include <cstring>

namespace {

class ApiIndexesTest : public EngineFixture {
protected:
    static std::string name(CEHANDLE idx) {
        char buffer[129];
        uint32_t length = sizeof buffer;
        EXPECT_EQ(CeGetIndexName(idx, buffer, &length), 0u);
        return std::string(buffer, length);
    }

    static std::vector<CEHANDLE> all(CEHANDLE table) {
        CEHANDLE handles[50];
        uint16_t count = 50;
        EXPECT_EQ(CeGetAllIndexes(table, handles, &count), 0u);
        return std::vector<CEHANDLE>(handles, handles + count);
    }
};

TEST_F(ApiIndexesTest, OrdersDescribeThemselves) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(30), CAT SHORTINT)",
                                   "CREATE UNIQUE INDEX ID ON T (ID)", "CREATE INDEX NAME ON T (UPPER(NAME), CAT) DESC",
                                   "CREATE INDEX BIG ON T (CAT) FOR CAT > 10"});
    EXPECT_EQ(run(c, "CREATE INDEX ID ON T (CAT)"), 7200u);
    EXPECT_EQ(run(c, "CREATE INDEX X ON T (NOPE)"), 5147u);
    const CEHANDLE t = open(c, "T");
    const std::vector<CEHANDLE> orders = all(t);
    ASSERT_EQ(orders.size(), 3u);
    EXPECT_EQ(name(orders[0]), "ID");
    EXPECT_EQ(name(orders[2]), "BIG");
    const CEHANDLE idx = index(t, "name");
    EXPECT_EQ(idx, orders[1]);
    EXPECT_EQ(got<uint32_t>(CeGetIndexFlags, idx), 2u | 8u);
    EXPECT_EQ(got<uint32_t>(CeGetIndexFlags, orders[0]), 1u);
    EXPECT_EQ(got<uint16_t>(CeGetKeyLength, idx), 32);
    EXPECT_EQ(got<uint16_t>(CeGetNumSegments, idx), 2);
    EXPECT_EQ(got<uint16_t>(CeIsIndexDescending, idx), 1);
    EXPECT_EQ(got<uint16_t>(CeIsIndexUnique, orders[0]), 1);
    char buffer[129];
    uint32_t length = sizeof buffer;
    ASSERT_EQ(CeGetSegmentFieldname(idx, 1, buffer, &length), 0u);
    EXPECT_STREQ(buffer, "CAT");
    EXPECT_EQ(CeGetSegmentFieldname(idx, 2, buffer, &length), 5018u);
    length = 10;
    ASSERT_EQ(CeGetIndexCondition(idx, buffer, &length), 0u);
    EXPECT_EQ(length, 0u);
    length = 5;
    EXPECT_EQ(CeGetIndexCondition(orders[2], buffer, &length), 5005u);
    EXPECT_EQ(length, std::strlen("CAT > 10") + 1);
    CEHANDLE none = 77;
    EXPECT_EQ(got<CEHANDLE>(CeGetIndexHandle, t, ""), 0u);
    EXPECT_EQ(CeGetIndexHandle(t, "nosuch", &none), 5004u);
    CEHANDLE first = 0;
    uint16_t count = 1;
    ASSERT_EQ(CeGetAllIndexes(t, &first, &count), 0u);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(first, orders[0]);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiIndexesTest, ConditionsKeepOnlyMatchingRecordsAfterWrites) {
    const CEHANDLE t = open(dictionary({"CREATE TABLE T (CAT SHORTINT)", "CREATE INDEX BIG ON T (CAT) FOR CAT > 10"}), "T");
    for (int16_t cat : {5, 20, 11, 10}) {
        ASSERT_EQ(CeAppendRecord(t), 0u);
        ASSERT_EQ(CeSetFieldRaw(t, "CAT", &cat, 2), 0u);
        ASSERT_EQ(CeWriteRecord(t), 0u);
    }
    const CEHANDLE big = index(t, "BIG");
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, big, 2), 2u);
    ASSERT_EQ(CeGotoTop(big), 0u);
    const int16_t small = 1;
    ASSERT_EQ(CeSetFieldRaw(t, "CAT", &small, 2), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, big, 2), 1u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiIndexesTest, IndexFilesOpenAndCloseAsAWhole) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE t (A INTEGER, B CHAR(4))"), 0u);
    ASSERT_EQ(run(d, "CREATE INDEX A ON t (A)"), 0u);
    ASSERT_EQ(run(d, "CREATE INDEX B ON t (B) IN FILE 'extra.vdi'"), 0u);
    ASSERT_EQ(run(d, "CREATE INDEX AB ON t (A, B) IN FILE 'extra.vdi'"), 0u);
    ASSERT_TRUE(std::filesystem::exists(path("extra.vdi")));
    const CEHANDLE t = open(d, path("t"), 3);
    append(t, {{"B", "zz"}});
    append(t, {{"B", "aa"}});
    ASSERT_EQ(all(t).size(), 1u);
    CEHANDLE orders[50];
    uint16_t count = 50;
    ASSERT_EQ(CeOpenIndex(t, "extra.vdi", orders, &count), 0u);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(name(orders[0]), "B");
    char file[64];
    uint32_t length = sizeof file;
    ASSERT_EQ(CeGetIndexFilename(orders[1], 1, file, &length), 0u);
    EXPECT_STREQ(file, "extra.vdi");
    const std::vector<CEHANDLE> now = all(t);
    ASSERT_EQ(now.size(), 3u);
    EXPECT_EQ(now[1], orders[0]);
    ASSERT_EQ(CeGotoTop(orders[0]), 0u);
    EXPECT_EQ(text(t, "B"), "aa");
    ASSERT_EQ(CeCloseIndex(orders[1]), 0u);
    EXPECT_EQ(all(t).size(), 1u);
    EXPECT_EQ(CeGotoTop(orders[0]), 5012u);
    count = 50;
    EXPECT_EQ(CeOpenIndex(t, "missing.vdi", orders, &count), 7041u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiIndexesTest, UniqueOrdersRejectOnVdtAndShowFirstOnDbf) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE u (K CHAR(2))", 2), 0u);
    ASSERT_EQ(run(d, "CREATE UNIQUE INDEX K ON u (K)", 2), 0u);
    const CEHANDLE t = open(d, path("u"), 2);
    append(t, {{"K", "b"}});
    append(t, {{"K", "a"}});
    append(t, {{"K", "b"}});
    const CEHANDLE k = index(t, "K");
    std::vector<std::string> seen;
    ASSERT_EQ(CeGotoTop(k), 0u);
    while (!atEof(t)) {
        seen.push_back(text(t, "K") + std::to_string(recno(t)));
        ASSERT_EQ(CeSkip(k, 1), 0u);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"a2", "b1"}));
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiIndexesTest, DropIndexAndTableRemoveThem) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (A INTEGER)", "CREATE INDEX A ON T (A)"});
    CEHANDLE t = open(c, "T");
    EXPECT_EQ(run(c, "DROP INDEX T.A"), 5036u);
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(run(c, "DROP INDEX T.A"), 0u);
    EXPECT_EQ(run(c, "DROP INDEX T.A"), 5004u);
    t = open(c, "T");
    EXPECT_TRUE(all(t).empty());
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(run(c, "DROP TABLE T"), 0u);
    EXPECT_EQ(CeOpenTable(c, "T", nullptr, 0, 1, 0, 2, 0, &t), 5132u);
    EXPECT_EQ(run(c, "SELECT 1"), 7200u);
    EXPECT_EQ(run(c, "CREATE TABLE 'x"), 7210u);
}

} // namespace
