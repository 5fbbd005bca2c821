// The firm-name listing answered from the table image gives the very records, in the very order,
// of the same query run by SQLite (the text with a term the listing does not recognise), for every
// pattern the program can send, on names that tie in case, in Ё and in blanks, and on names the
// image cannot hold exactly.
#include "SqlTestSupport.h"

#include "engine/OrderedListing.h"

#include "app/QueryTexts.h"

namespace {

// The same query, which SQLite runs as written: the extra term keeps it from being recognised.
constexpr const char* kGeneral =
    "select Office_Id, Name\r\nfrom  Office\r\nwhere Upper(Name) LIKE :Name and 1 = 1\r\norder by name";

const char* const kPatterns[] = {"",   "%",  "%%", "А%",  "а%",  "A%",  "a%",   "Я%", "Ё%",
                                 "ё%", "Е%", "бА%", "%Ё%", "Б%", "1%", "ЪЪЪ%", "_%"};

class OrderedListingTest : public SqlFixture {
protected:
    void SetUp() override {
        SqlFixture::SetUp();
        connection_ = dictionary({
            "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(12), Flags INTEGER)",
            "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
            "CREATE INDEX NAME ON Office (UPPER(Name))",
        });
        insert("(1, 'Банк'), (2, 'банк'), (3, 'БАНК'), (4, 'Банк'), (5, 'Банк 2'), (6, 'Банк-2'), (7, 'Ёлка'),"
               " (8, 'елка'), (9, 'Елка'), (10, 'ёлка'), (11, 'Apple'), (12, 'apple'), (13, 'Яблоко'), (14, 'я'),"
               " (15, ''), (16, NULL), (17, '1000'), (18, '№5'), (19, 'Ab'), (20, 'Ab!'), (21, ' Банк')");
    }

    void insert(const std::string& values) {
        const CEHANDLE s = statement(connection_);
        direct(s, "INSERT INTO Office (Office_Id, Name) VALUES " + values);
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    }

    // Every record of a query's result, as the cursor hands it out, top to bottom.
    std::vector<std::string> records(CEHANDLE s, const char* sql, const std::string& pattern) {
        EXPECT_EQ(CePrepareSQL(s, sql), 0u) << lastText();
        const std::string value = ansi(pattern);
        EXPECT_EQ(CeSetString(s, CE_FIELDNO(1), value.c_str(), static_cast<uint32_t>(value.size())), 0u);
        CEHANDLE cursor = 0;
        EXPECT_EQ(CeExecuteSQL(s, &cursor), 0u) << lastText();
        std::vector<std::string> rows;
        EXPECT_EQ(CeGotoTop(cursor), 0u);
        while (!atEof(cursor)) {
            char record[64] = {};
            uint32_t length = sizeof record;
            EXPECT_EQ(CeGetRecord(cursor, record, &length), 0u);
            rows.emplace_back(record, length);
            EXPECT_EQ(CeSkip(cursor, 1), 0u);
        }
        EXPECT_EQ(CeCloseTable(cursor), 0u);
        return rows;
    }

    // Both forms on one statement each, as the program re-runs its prepared query.
    void expectSameAsSqlite() {
        const CEHANDLE listing = statement(connection_);
        const CEHANDLE general = statement(connection_);
        for (const char* pattern : kPatterns)
            EXPECT_EQ(records(listing, app::sql::kShowPredpr, pattern), records(general, kGeneral, pattern))
                << "pattern \"" << pattern << "\"";
        EXPECT_EQ(CeCloseSQLStatement(listing), 0u);
        EXPECT_EQ(CeCloseSQLStatement(general), 0u);
    }

    CEHANDLE connection_ = 0;
};

TEST_F(OrderedListingTest, NamesTiedInCaseAndBlanksListAsSqliteListsThem) {
    expectSameAsSqlite();
}

TEST_F(OrderedListingTest, NamesTheImageCannotHoldExactlyListAsSqliteListsThem) {
    // A trailing blank, a name longer than the field and a letter without a CP1251 byte.
    insert("(30, 'Банк '), (31, 'Банк Валдрен длинный'), (32, 'Ωмега')");
    expectSameAsSqlite();
}

TEST_F(OrderedListingTest, ListingFollowsWritesThroughTablesAndSql) {
    const CEHANDLE listing = statement(connection_);
    EXPECT_EQ(records(listing, app::sql::kShowPredpr, "%").size(), 20u);
    const CEHANDLE table = open(connection_, "Office");
    append(table, {{"Office_Id", "40"}, {"Name", ansi("бАНК")}});
    EXPECT_EQ(CeCloseTable(table), 0u);
    const CEHANDLE s = statement(connection_);
    direct(s, "UPDATE Office SET Name = 'Ёлка' WHERE Office_Id = 11");
    direct(s, "DELETE FROM Office WHERE Office_Id = 3");
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    // The statement that listed before the writes lists what they left, not the rows it kept.
    const CEHANDLE general = statement(connection_);
    EXPECT_EQ(records(listing, app::sql::kShowPredpr, "%"), records(general, kGeneral, "%"));
    EXPECT_EQ(CeCloseSQLStatement(general), 0u);
    EXPECT_EQ(CeCloseSQLStatement(listing), 0u);
    expectSameAsSqlite();
}

TEST(OrderedListingShapeTest, OnlyTheListingShapeIsRecognised) {
    const struct {
        const char* text;
        bool recognised;
    } cases[] = {
        {"select Office_Id, Name\r\nfrom  Office\r\nwhere Upper(Name) LIKE ?1\r\norder by name", true},
        {"SELECT Name FROM Office WHERE UPPER(Name) LIKE ?1 ORDER BY Name ASC;", true},
        {"select Office_Id, Name from Office where Upper(Name) LIKE ?1 and 1 = 1 order by name", false},
        {"select Office_Id, Name from Office where Upper(Name) LIKE ?1 order by Office_Id", false},
        {"select Office_Id, Name from Office where Upper(Name) LIKE ?1 order by name desc", false},
        {"select * from Office where Upper(Name) LIKE ?1 order by name", false},
        {"select Name from Office where Upper(Name) LIKE 'А%' order by name", false},
        {"select Name from Office, Branch where Upper(Name) LIKE ?1 order by name", false},
        {"select Name as N from Office where Upper(Name) LIKE ?1 order by name", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ce::OrderedListing::recognise(c.text).recognised(), c.recognised) << c.text;
    EXPECT_TRUE(ce::OrderedListing::matchesEveryText("%%"));
    EXPECT_FALSE(ce::OrderedListing::matchesEveryText(""));
    EXPECT_FALSE(ce::OrderedListing::matchesEveryText("%_"));
}

} // namespace
