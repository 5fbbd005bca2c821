// The engine's marker scan against the vectors the toolkit's parameter parser passes too, in both
// code pages the engine may meet, and the numbered form the engine hands to SQLite.
#include "engine/ParamScanner.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct MarkerCase {
    int line = 0;
    std::string sql;
    std::string out;
    std::vector<std::string> names;
};

std::string unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string after(const std::string& line, const std::string& tag) {
    if (line.compare(0, tag.size(), tag) != 0)
        throw std::runtime_error("expected \"" + tag + "\" in: " + line);
    return line.size() > tag.size() ? line.substr(tag.size() + 1) : "";
}

// The shared file, as UTF-8.
std::vector<MarkerCase> loadMarkerCases() {
    const auto path = std::filesystem::path(__FILE__).parent_path() / ".." / "support" / "SqlParamVectors.txt";
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::string> lines;
    std::vector<int> numbers;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
            numbers.push_back(n);
        }
    std::vector<MarkerCase> cases;
    for (size_t i = 0; i + 2 < lines.size(); i += 3) {
        MarkerCase c;
        c.line = numbers[i];
        c.sql = unescape(after(lines[i], "sql:"));
        c.out = unescape(after(lines[i + 1], "out:"));
        const std::string names = after(lines[i + 2], "names:");
        for (size_t p = 0; p < names.size();) {
            const size_t blank = std::min(names.find(' ', p), names.size());
            c.names.push_back(names.substr(p, blank - p));
            p = blank + 1;
        }
        cases.push_back(c);
    }
    return cases;
}

TEST(ParamScannerTest, AgreesWithTheSharedMarkerVectorsInCp1251) {
    const std::vector<MarkerCase> cases = loadMarkerCases();
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
    for (const MarkerCase& c : loadMarkerCases()) {
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
