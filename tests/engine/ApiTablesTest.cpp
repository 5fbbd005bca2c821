// Opening tables of both families, describing their fields, free-table enumeration, exclusive and
// read-only opens.
#include "EngineFixture.h"

#include <cstring>

namespace {

class ApiTablesTest : public EngineFixture {};

TEST_F(ApiTablesTest, DictionaryTableDescribesItsFields) {
    const CEHANDLE c = dictionary({"CREATE TABLE FIRMS (ID AUTOINC, NAME CHAR(40) NOT NULL, PRICE NUMERIC(8,2),"
                                   " NOTE MEMO, BORN DATE, FLAG LOGICAL, SUM DOUBLE)"});
    const CEHANDLE t = open(c, "firms");
    EXPECT_EQ(got<uint16_t>(CeGetNumFields, t), 7);
    uint32_t length = 0;
    ASSERT_EQ(CeGetRecordLength(t, &length), 0u);
    EXPECT_EQ(length, 4u + 40 + 8 + 4 + 4 + 1 + 8);
    const struct {
        const char* name;
        uint16_t type;
        uint32_t length;
        uint32_t offset;
    } expected[] = {{"ID", 15, 4, 0},   {"NAME", 4, 40, 4}, {"PRICE", 2, 8, 44}, {"NOTE", 5, 4, 52},
                    {"BORN", 3, 4, 56}, {"FLAG", 1, 1, 60}, {"SUM", 10, 8, 61}};
    for (uint16_t i = 0; i < 7; ++i) {
        char name[129];
        uint32_t n = sizeof name;
        ASSERT_EQ(CeGetFieldName(t, i + 1, name, &n), 0u);
        EXPECT_STREQ(name, expected[i].name);
        uint16_t type = 0;
        uint32_t len = 0;
        uint32_t offset = 0;
        ASSERT_EQ(CeGetFieldType(t, CE_FIELDNO(i + 1), &type), 0u);
        ASSERT_EQ(CeGetFieldLength(t, expected[i].name, &len), 0u);
        ASSERT_EQ(CeGetFieldOffset(t, CE_FIELDNO(i + 1), &offset), 0u);
        EXPECT_EQ(type, expected[i].type) << expected[i].name;
        EXPECT_EQ(len, expected[i].length) << expected[i].name;
        EXPECT_EQ(offset, expected[i].offset) << expected[i].name;
    }
    uint16_t type = 0;
    EXPECT_EQ(CeGetFieldType(t, "nosuch", &type), 5147u);
    EXPECT_EQ(CeGetFieldType(t, CE_FIELDNO(8), &type), 5147u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiTablesTest, UnknownDictionaryTableIs5132ThenPathOpenWorks) {
    const CEHANDLE c = dictionary({});
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE people (NAME CHAR(10))", 3), 0u);
    CEHANDLE t = 0;
    EXPECT_EQ(CeOpenTable(c, "people", nullptr, 0, 1, 0, 2, 0, &t), 5132u);
    EXPECT_EQ(lastErrorCode(), 5132u);
    t = open(c, path("people"), 3);
    EXPECT_EQ(got<uint16_t>(CeGetTableType, t), 3);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiTablesTest, DbfFamilyImageHasDeletionByteAndBlankEmpties) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE old (NAME CHAR(5), WHEN DATE, QTY NUMERIC(4,0), OK LOGICAL)", 2), 0u);
    EXPECT_EQ(run(d, "CREATE TABLE bad (N INTEGER)", 2), 7200u);
    const CEHANDLE t = open(d, path("old"), 2);
    EXPECT_EQ(got<uint16_t>(CeGetTableType, t), 2);
    unsigned char record[32];
    ASSERT_EQ(CeClearRecordBuffer(t, record, 19), 0u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 19), std::string(19, ' '));
    append(t, {{"NAME", "ab"}});
    uint32_t length = sizeof record;
    ASSERT_EQ(CeGetRecord(t, record, &length), 0u);
    EXPECT_EQ(length, 19u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 6), " ab   ");
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiTablesTest, FindTablesListsFreeTablesThenEnds) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE b (X CHAR(1))"), 0u);
    ASSERT_EQ(run(d, "CREATE TABLE a (X CHAR(1))"), 0u);
    ASSERT_EQ(run(d, "CREATE TABLE c (X CHAR(1))", 1), 0u);
    char name[64];
    uint32_t length = sizeof name;
    CEHANDLE find = 0;
    ASSERT_EQ(CeFindFirstTable(d, "*.vdt", name, &length, &find), 0u);
    EXPECT_STREQ(name, "a.vdt");
    length = 2; // too small: the name is kept for the next call
    EXPECT_EQ(CeFindNextTable(d, find, name, &length), 5005u);
    length = sizeof name;
    ASSERT_EQ(CeFindNextTable(d, find, name, &length), 0u);
    EXPECT_STREQ(name, "b.vdt");
    length = sizeof name;
    EXPECT_EQ(CeFindNextTable(d, find, name, &length), 5059u);
    EXPECT_EQ(CeFindClose(d, find), 0u);
    EXPECT_EQ(CeFindNextTable(d, find, name, &length), 5012u);
    length = sizeof name;
    EXPECT_EQ(CeFindFirstTable(d, "*.ntx", name, &length, &find), 5059u);
}

TEST_F(ApiTablesTest, ExclusiveOpenBlocksOthersAndReadOnlyRefusesWrites) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (N INTEGER)"});
    const CEHANDLE a = open(c, "T");
    CEHANDLE b = 0;
    EXPECT_EQ(CeOpenTable(c, "T", nullptr, 0, 1, 0, 2, 1, &b), 5036u);
    const CEHANDLE r = open(c, "T", 0, 2);
    EXPECT_EQ(CeAppendRecord(r), 5034u);
    EXPECT_EQ(got<uint32_t>(CeGetTableOpenOptions, r) & 2, 2u);
    EXPECT_EQ(CeCloseTable(a), 0u);
    EXPECT_EQ(CeCloseTable(r), 0u);
    const CEHANDLE x = open(c, "T", 0, 1);
    EXPECT_EQ(CeOpenTable(c, "T", nullptr, 0, 1, 0, 2, 0, &b), 5036u);
    EXPECT_EQ(CeCloseTable(x), 0u);
}

TEST_F(ApiTablesTest, StaleAndWrongKindHandlesAreErrors) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (N INTEGER)", "CREATE INDEX N ON T (N)"});
    const CEHANDLE t = open(c, "T");
    const CEHANDLE idx = index(t, "n");
    uint16_t kind = 0;
    EXPECT_EQ(got<uint16_t>(CeGetHandleType, idx), 3);
    EXPECT_EQ(got<uint16_t>(CeGetHandleType, c), 6);
    uint32_t length = 0;
    EXPECT_EQ(CeGetRecordLength(idx, &length), 5012u);
    EXPECT_EQ(CeGetRecordLength(c, &length), 5012u);
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(CeGetRecordLength(t, &length), 5012u);
    EXPECT_EQ(CeSkip(idx, 1), 5012u);
    EXPECT_EQ(CeCloseTable(t), 5012u);
    EXPECT_EQ(CeGetHandleType(0xFFFFFFFFu, &kind), 5012u);
}

} // namespace
