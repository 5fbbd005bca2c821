// The engine's marker scan against the vectors the toolkit's parameter parser passes too, in both
// code pages the engine may meet, and the numbered form the engine hands to SQLite.
#include "engine/ParamScanner.h"

#include "base/CodePage.h"

#include "support/SqlParamVectors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sqlvectors::MarkerCase;

TEST(ParamScannerTest, AgreesWithTheSharedMarkerVectorsInCp1251) {
    const std::vector<MarkerCase> cases = sqlvectors::load();
    ASSERT_GE(cases.size(), 15u);
    for (const MarkerCase& c : cases) {
        const ce::ScannedSql scanned = ce::scanParams(base::utf8ToCp1251(c.sql), ce::MarkerStyle::Plain);
        EXPECT_EQ(scanned.text, base::utf8ToCp1251(c.out)) << "case at line " << c.line;
        std::vector<std::string> expected;
        for (const std::string& name : c.names)
            expected.push_back(base::utf8ToCp1251(name));
        EXPECT_EQ(scanned.names, expected) << "case at line " << c.line;
    }
}

TEST(ParamScannerTest, AgreesWithTheSharedMarkerVectorsInUtf8) {
    for (const MarkerCase& c : sqlvectors::load()) {
        const ce::ScannedSql scanned = ce::scanParams(c.sql, ce::MarkerStyle::Plain);
        EXPECT_EQ(scanned.text, c.out) << "case at line " << c.line;
        EXPECT_EQ(scanned.names, c.names) << "case at line " << c.line;
    }
}

TEST(ParamScannerTest, NumberedMarkersCarryTheirOccurrence) {
    const ce::ScannedSql scanned =
        ce::scanParams("select ? from t where a = :a and b = :b or c = :a -- :x", ce::MarkerStyle::Numbered);
    EXPECT_EQ(scanned.text, "select ? from t where a = ?1 and b = ?2 or c = ?3 -- :x");
    EXPECT_EQ(scanned.names, (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_FALSE(scanned.unterminated);
}

TEST(ParamScannerTest, UnterminatedPartsAreReported) {
    EXPECT_TRUE(ce::scanParams("select 'abc", ce::MarkerStyle::Plain).unterminated);
    EXPECT_TRUE(ce::scanParams("select \"abc", ce::MarkerStyle::Plain).unterminated);
    EXPECT_TRUE(ce::scanParams("select [abc", ce::MarkerStyle::Plain).unterminated);
    EXPECT_TRUE(ce::scanParams("select a /* b", ce::MarkerStyle::Plain).unterminated);
    EXPECT_TRUE(ce::scanParams("select 'it''", ce::MarkerStyle::Plain).unterminated);
    EXPECT_FALSE(ce::scanParams("select a -- no end of line", ce::MarkerStyle::Plain).unterminated);
    EXPECT_FALSE(ce::scanParams("select 'it''s'", ce::MarkerStyle::Plain).unterminated);
    EXPECT_FALSE(ce::scanParams("", ce::MarkerStyle::Plain).unterminated);
}

} // namespace
