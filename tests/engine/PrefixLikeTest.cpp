// The second form of "UPPER(column) LIKE :Name" statements: which texts get it, the byte range of
// a pattern, and the proof that the listing queries return the very rows of the plain form for
// every kind of pattern.
#include "engine/PrefixLike.h"

#include "SqlTestSupport.h"

#include "app/QueryTexts.h"

#include <string>
#include <vector>

namespace {

TEST(PrefixLikeTest, ListingQueryGetsARangeOnItsComparison) {
    const ce::PrefixLikeForm form =
        ce::prefixLikeForm("select Office_Id, Name\r\nfrom  Office\r\nwhere Upper(Name) LIKE ?1\r\norder by name", 1);
    ASSERT_EQ(form.terms.size(), 1u);
    EXPECT_EQ(form.terms[0].marker, 0u);
    EXPECT_EQ(form.terms[0].low, 2);
    EXPECT_EQ(form.terms[0].high, 3);
    EXPECT_EQ(form.text, "select Office_Id, Name\r\nfrom  Office\r\nwhere (Upper(Name) LIKE ?1 AND Upper(Name) >= ?2 AND "
                         "Upper(Name) < ?3)\r\norder by name");
}

TEST(PrefixLikeTest, QualifiedAndRepeatedComparisonsEachGetARange) {
    const ce::PrefixLikeForm form =
        ce::prefixLikeForm("select * from T where a = ?1 and (UPPER(T.\"Name\") like ?2 or upper(B) LIKE ?3)", 3);
    ASSERT_EQ(form.terms.size(), 2u);
    EXPECT_EQ(form.terms[0].marker, 1u);
    EXPECT_EQ(form.terms[1].marker, 2u);
    EXPECT_EQ(form.terms[1].low, 6);
    EXPECT_EQ(form.text, "select * from T where a = ?1 and ((UPPER(T.\"Name\") like ?2 AND UPPER(T.\"Name\") >= ?4 AND "
                         "UPPER(T.\"Name\") < ?5) or (upper(B) LIKE ?3 AND upper(B) >= ?6 AND upper(B) < ?7))");
}

TEST(PrefixLikeTest, ComparisonsBoundToNeighboursKeepTheirForm) {
    for (const char* sql : {"select * from T where Upper(N) LIKE ?1 ESCAPE '!'",
                            "select * from T where Upper(N) LIKE ?1 || 'x'",
                            "select * from T where 'x' || Upper(N) LIKE ?1",
                            "select * from T where a IS NOT Upper(N) LIKE ?1",
                            "select * from T where a between 1 and Upper(N) LIKE ?1",
                            "select * from T where Upper(N) LIKE ?1 = 0",
                            "select * from T where Upper(N) NOT LIKE ?1",
                            "select * from T where Upper(N) LIKE 'A%'",
                            "select * from T where Upper(N) LIKE ?2",
                            "select * from T where Upper(N || 'x') LIKE ?1",
                            "select case when Upper(N) LIKE ?1 then 1 end from T",
                            "select * from T where '-- Upper(N) LIKE ?1'"})
        EXPECT_TRUE(ce::prefixLikeForm(sql, 1).terms.empty()) << sql;
}

TEST(PrefixLikeTest, PlainBeginningGivesItsByteRange) {
    std::string low, high;
    ASSERT_TRUE(ce::prefixLikeRange("АВТО%", low, high));
    EXPECT_EQ(low, "АВТО");
    EXPECT_EQ(high, "АВТП");
    ASSERT_TRUE(ce::prefixLikeRange("ab%%", low, high));
    EXPECT_EQ(low, "ab");
    EXPECT_EQ(high, "ac");
    ASSERT_TRUE(ce::prefixLikeRange("Я%", low, high));
    EXPECT_EQ(high, "\xD0\xB0") << "the last byte AF steps to B0";
}

TEST(PrefixLikeTest, OtherPatternsGiveNoRange) {
    std::string low, high;
    for (const std::string& pattern : std::vector<std::string>{"%", "%%", "", "АВТО", "%АВТО%", "А%В%", "A_%", "_%", "%A", std::string("\xC3%"),
                                      std::string("\xC0\x80%"), std::string("\xE0\x80\x80%"), std::string("\xEF\xBF\xBD%"),
                                      std::string("\xFF%")})
        EXPECT_FALSE(ce::prefixLikeRange(pattern, low, high)) << pattern;
}

class PrefixLikeQueryTest : public SqlFixture {
protected:
    void SetUp() override {
        SqlFixture::SetUp();
        connection_ = dictionary({
            "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))",
            "CREATE INDEX NAME ON Topic (UPPER(Name))",
            "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(60), Flags INTEGER, inetref CHAR(120))",
            "CREATE INDEX NAME ON Office (UPPER(Name))",
        });
        const CEHANDLE s = statement(connection_);
        const char* names[] = {"Автомир", "автосервис", "АВТО", "Авто", "Ёлка", "ёжик", "Елка", "ель", "1000 мелочей",
                               "100% качество", "10 негритят", "\"Кавычки\"", "O'Brien", "Рога & копыта", "A_B", "AB",
                               "aXb", "яблоко", "Ябеда", "Я", "ЯЯ", "юла", "z", "Z", "", "Щ&Я", "_подчерк", "%процент"};
        int id = 0;
        for (const char* name : names) {
            std::string quoted;
            for (const char c : std::string(name))
                quoted += c == '\'' ? std::string("''") : std::string(1, c);
            ++id;
            direct(s, "INSERT INTO Office VALUES (" + std::to_string(id) + ", '" + quoted + "', 0, '')");
            direct(s, "INSERT INTO Topic (Name) VALUES ('" + quoted + "')");
        }
        direct(s, "INSERT INTO Office VALUES (99, NULL, 0, '')");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    }

    // The record image of every row of a query (every column, as the cursor hands it out) with its
    // name for messages, run with one string parameter.
    std::vector<std::string> rows(const std::string& sql, const std::string& pattern) {
        const CEHANDLE s = statement(connection_);
        EXPECT_EQ(CePrepareSQL(s, sql.c_str()), 0u) << lastText();
        const std::string value = ansi(pattern);
        EXPECT_EQ(CeSetString(s, CE_FIELDNO(1), value.c_str(), static_cast<uint32_t>(value.size())), 0u);
        CEHANDLE cursor = 0;
        EXPECT_EQ(CeExecuteSQL(s, &cursor), 0u) << lastText();
        std::vector<std::string> out;
        uint32_t length = 0;
        EXPECT_EQ(CeGetRecordLength(cursor, &length), 0u);
        EXPECT_EQ(CeGotoTop(cursor), 0u);
        while (!atEof(cursor)) {
            std::string record(length, '\0');
            uint32_t size = length;
            EXPECT_EQ(CeGetRecord(cursor, record.data(), &size), 0u);
            out.push_back(utf8(text(cursor, "Name")) + " " + record);
            EXPECT_EQ(CeSkip(cursor, 1), 0u);
        }
        EXPECT_EQ(CeCloseTable(cursor), 0u);
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
        return out;
    }

    // Only the names of a query's rows.
    std::vector<std::string> names(const std::string& sql, const std::string& pattern) {
        std::vector<std::string> out;
        for (const std::string& row : rows(sql, pattern))
            out.push_back(row.substr(0, row.find(' ')));
        return out;
    }

    CEHANDLE connection_ = 0;
};

const char* const kPatterns[] = {"%", "%%", "", "А%", "АВТО%", "АВТО%%", "Авто%", "Ё%", "ё%", "Е%", "ЕЛ%", "1%",
                                 "10%", "100%%", "100%", "\"%", "O'%", "РОГА & %", "Щ&%", "A_%", "A%", "AB%", "_%",
                                 "%А", "АВТО", "Я%", "я%", "ЯЯ%", "ЯБ%", "Z%", "z%", "%Я%", "Ю%", "%ПРО%", "А%В%"};

TEST_F(PrefixLikeQueryTest, FirmNameSearchReturnsTheRowsOfThePlainForm) {
    // "|| ''" leaves the pattern as it is and keeps the statement in its plain form.
    const std::string plain = std::string(app::sql::kShowPredpr).replace(std::string(app::sql::kShowPredpr).find(":Name"), 5,
                                                                        ":Name || ''");
    for (const char* pattern : kPatterns)
        EXPECT_EQ(rows(app::sql::kShowPredpr, pattern), rows(plain, pattern)) << pattern;
    EXPECT_EQ(names(app::sql::kShowPredpr, "АВТО%"), (std::vector<std::string>{"АВТО", "Авто", "Автомир", "автосервис"}));
    EXPECT_EQ(names(app::sql::kShowPredpr, "Я%"), (std::vector<std::string>{"Я", "Ябеда", "яблоко", "ЯЯ"}));
}

TEST_F(PrefixLikeQueryTest, RubricSearchReturnsTheRowsOfThePlainForm) {
    const std::string plain =
        std::string(app::sql::kShowCat).replace(std::string(app::sql::kShowCat).find(":Name"), 5, ":Name || ''");
    for (const char* pattern : kPatterns)
        EXPECT_EQ(rows(app::sql::kShowCat, pattern), rows(plain, pattern)) << pattern;
}

} // namespace
