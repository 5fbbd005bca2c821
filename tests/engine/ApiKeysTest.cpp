// Filters and optimised filters through the Ce* calls: prefix and exact string comparison, the
// AOF text round trip with its size query, both filters together, and their errors.
#include "EngineFixture.h"

#include <cstring>

namespace {

class ApiKeysTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        table_ = open(dictionary({"CREATE TABLE F (NAME CHAR(8), N INTEGER)"}), "F");
        const char* names[] = {"An", "Anna", "Boris", "an", "Ann\"a"};
        int32_t n = 1;
        for (const char* name : names) {
            ASSERT_EQ(CeAppendRecord(table_), 0u);
            ASSERT_EQ(CeSetField(table_, "NAME", name, static_cast<uint32_t>(std::strlen(name))), 0u);
            ASSERT_EQ(CeSetFieldRaw(table_, "N", &n, 4), 0u);
            ASSERT_EQ(CeWriteRecord(table_), 0u);
            ++n;
        }
    }

    void TearDown() override {
        EXPECT_EQ(CeCloseTable(table_), 0u);
        EngineFixture::TearDown();
    }

    std::vector<std::string> visibleNames() {
        std::vector<std::string> names;
        EXPECT_EQ(CeGotoTop(table_), 0u);
        while (!atEof(table_)) {
            names.push_back(text(table_, "NAME"));
            EXPECT_EQ(CeSkip(table_, 1), 0u);
        }
        return names;
    }

    CEHANDLE table_ = 0;
};

using Names = std::vector<std::string>;

TEST_F(ApiKeysTest, StringEqualityIsPrefixUnlessExact) {
    const struct {
        const char* expression;
        uint16_t exact;
        Names expected;
    } cases[] = {
        {"NAME = \"An\"", 0, {"An", "Anna", "Ann\"a"}},
        {"NAME = \"An\"", 1, {"An"}},
        {"NAME == \"An\"", 0, {"An"}},
        {"name = 'an' .or. N > 4", 1, {"an", "Ann\"a"}},
        {"NAME = \"Ann\" + Chr(34) + \"a\"", 0, {"Ann\"a"}},
        {"UPPER(NAME) = \"AN\" AND !(N = 2)", 0, {"An", "an", "Ann\"a"}},
        {"\"ori\" $ NAME", 0, {"Boris"}},
        {"NAME # \"Boris\" .AND. N <= 2", 1, {"An", "Anna"}},
        {"", 0, {"An", "Anna", "Boris", "an", "Ann\"a"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(CeSetExact22(table_, c.exact), 0u);
        ASSERT_EQ(CeSetFilter(table_, c.expression), 0u) << c.expression;
        EXPECT_EQ(visibleNames(), c.expected) << c.expression << " exact " << c.exact;
    }
}

TEST_F(ApiKeysTest, AofAndFilterApplyTogetherAndClearSeparately) {
    ASSERT_EQ(CeSetFilter(table_, "N > 1"), 0u);
    ASSERT_EQ(CeSetAOF(table_, "N < 4", 1), 0u);
    EXPECT_EQ(visibleNames(), (Names{"Anna", "Boris"}));
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, table_, 1), 2u);
    ASSERT_EQ(CeClearFilter(table_), 0u);
    EXPECT_EQ(CeClearFilter(table_), 5037u);
    EXPECT_EQ(visibleNames(), (Names{"An", "Anna", "Boris"}));
    ASSERT_EQ(CeClearAOF(table_), 0u);
    EXPECT_EQ(CeClearAOF(table_), 5037u);
    EXPECT_EQ(visibleNames().size(), 5u);
}

TEST_F(ApiKeysTest, AofTextRoundTripsThroughASizeQuery) {
    char probe[4];
    uint32_t length = 0;
    EXPECT_EQ(CeGetAOF(table_, nullptr, &length), 5037u);
    const std::string expression = "NAME = \"An\" AND (N > 1)";
    ASSERT_EQ(CeSetAOF(table_, expression.c_str(), 2), 0u);
    length = 0;
    ASSERT_EQ(CeGetAOF(table_, nullptr, &length), 5005u);
    EXPECT_EQ(length, expression.size() + 1);
    uint32_t small = sizeof probe;
    EXPECT_EQ(CeGetAOF(table_, probe, &small), 5005u);
    EXPECT_EQ(small, expression.size() + 1);
    std::vector<char> buffer(length);
    ASSERT_EQ(CeGetAOF(table_, buffer.data(), &length), 0u);
    EXPECT_EQ(length, expression.size());
    EXPECT_EQ(std::string(buffer.data()), expression);
    EXPECT_EQ(got<uint16_t>(CeGetExact22, table_), 0);
}

TEST_F(ApiKeysTest, BadExpressionsAreRefusedAndKeepTheOldFilter) {
    ASSERT_EQ(CeSetFilter(table_, "N = 3"), 0u);
    EXPECT_EQ(CeSetFilter(table_, "N = "), 5070u);
    EXPECT_EQ(CeSetFilter(table_, "NOPE = 1"), 5070u);
    EXPECT_EQ(CeSetFilter(table_, "N + 1"), 5071u);
    EXPECT_EQ(CeSetAOF(table_, "N = 1", 3), 5018u);
    EXPECT_EQ(visibleNames(), (Names{"Boris"}));
    char out[8];
    uint32_t length = sizeof out;
    EXPECT_EQ(CeExpressionLongToShort(table_, "N = 10", out, &length), 0u);
    EXPECT_STREQ(out, "N = 10");
    length = 3;
    EXPECT_EQ(CeExpressionShortToLong(table_, "N = 10", out, &length), 5005u);
}

} // namespace
