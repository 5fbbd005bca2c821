// The firm-name listing ("ORDER BY Name") walks the SQLite index on the raw Name column that the
// DDL adds beside the UPPER(Name) tag, instead of sorting: the rows and their order must be the
// ones a sort gives, equal names in record-number order, and a typed beginning keeps its range on
// the upper() index.
#include "SqlTestSupport.h"

#include "app/QueryTexts.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace app::sql;

// The listing query as the program stores it, with the table read without any index, which
// forces the sort.
const char* const kSortedListing =
    "select Office_Id, Name\r\nfrom  Office NOT INDEXED\r\nwhere Upper(Name) LIKE :Name\r\norder by name";

class NameOrderIndexTest : public SqlFixture {
protected:
    void SetUp() override {
        SqlFixture::SetUp();
        connection_ = dictionary({
            // Office_Id is text here so that the cursor hands it out as written.
            "CREATE TABLE Office (Office_Id CHAR(6), Name CHAR(60), Flags INTEGER, inetref CHAR(120))",
            "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
            "CREATE INDEX NAME ON Office (UPPER(Name))",
        });
        const CEHANDLE s = statement(connection_);
        // Office_Id follows the record number; equal and case-variant names are spread out.
        direct(s, "INSERT INTO Office (Office_Id, Name) VALUES (1, 'Банк'), (2, 'ёлка'), (3, 'Автомир'), (4, NULL),"
                  " (5, 'БАНК'), (6, ''), (7, 'Елка'), (8, 'Банк'), (9, 'Ёлка'), (10, 'банк'), (11, 'Автомир'),"
                  " (12, ''), (13, 'ЁЛКА'), (14, NULL), (15, 'Банк'), (16, 'ёлка'), (17, 'Автомир'), (18, 'елка')");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
    }

    // (Office_Id, Name) of every row of a prepared query run with one string parameter.
    std::vector<std::pair<std::string, std::string>> rows(const char* sql, const std::string& pattern) {
        const CEHANDLE s = statement(connection_);
        EXPECT_EQ(CePrepareSQL(s, sql), 0u) << lastText();
        const std::string value = ansi(pattern);
        EXPECT_EQ(CeSetString(s, CE_FIELDNO(1), value.c_str(), static_cast<uint32_t>(value.size())), 0u);
        CEHANDLE cursor = 0;
        EXPECT_EQ(CeExecuteSQL(s, &cursor), 0u) << lastText();
        std::vector<std::pair<std::string, std::string>> out;
        if (cursor) {
            const std::vector<std::string> ids = column(cursor, "Office_Id", false);
            const std::vector<std::string> names = column(cursor, "Name");
            for (size_t i = 0; i < ids.size() && i < names.size(); ++i)
                out.emplace_back(ids[i], names[i]);
        }
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
        return out;
    }

    std::vector<std::string> plan(const std::string& sql) {
        const CEHANDLE s = statement(connection_);
        std::vector<std::string> steps = column(direct(s, "EXPLAIN QUERY PLAN " + sql), "detail");
        EXPECT_EQ(CeCloseSQLStatement(s), 0u);
        return steps;
    }

    static bool mentions(const std::vector<std::string>& steps, const std::string& text) {
        for (const std::string& step : steps)
            if (step.find(text) != std::string::npos)
                return true;
        return false;
    }

    CEHANDLE connection_ = 0;
};

TEST_F(NameOrderIndexTest, ListingWalksTheNameIndexWithoutSorting) {
    const std::vector<std::string> steps =
        plan("select Office_Id, Name from Office where Upper(Name) LIKE '%' order by name");
    EXPECT_TRUE(mentions(steps, "USING INDEX __ceo_OFFICE_NAME")) << ::testing::PrintToString(steps);
    EXPECT_FALSE(mentions(steps, "TEMP B-TREE")) << ::testing::PrintToString(steps);
}

TEST_F(NameOrderIndexTest, TypedBeginningKeepsTheUpperRange) {
    // The form the engine runs for a plain beginning such as 'Б%'.
    const std::vector<std::string> steps =
        plan("select Office_Id, Name from Office where (Upper(Name) LIKE 'Б%' AND Upper(Name) >= 'Б' AND"
             " Upper(Name) < 'В') order by name");
    EXPECT_TRUE(mentions(steps, "USING INDEX __ce_OFFICE_NAME (<expr>>? AND <expr><?)"))
        << ::testing::PrintToString(steps);
}

TEST_F(NameOrderIndexTest, ListingGivesTheSortedRowsInTheSameOrder) {
    const auto listed = rows(kShowPredpr, "%");
    EXPECT_EQ(listed, rows(kSortedListing, "%"));
    EXPECT_EQ(listed.size(), 16u) << "every row but the two without a name";
    for (const char* beginning : {"Б%", "Ё%", "Е%", "А%", "%Л%"})
        EXPECT_EQ(rows(kShowPredpr, beginning), rows(kSortedListing, beginning)) << beginning;
}

TEST_F(NameOrderIndexTest, EqualNamesComeInRecordNumberOrder) {
    const auto listed = rows(kShowPredpr, "%");
    for (size_t i = 1; i < listed.size(); ++i) {
        if (listed[i].second == listed[i - 1].second) {
            EXPECT_LT(std::stoi(listed[i - 1].first), std::stoi(listed[i].first)) << listed[i].second;
        }
    }
    // Spot checks: the three "Банк" and the three "Автомир", each in insertion order.
    std::vector<std::string> banks, worlds;
    for (const auto& [id, name] : listed) {
        if (name == "Банк")
            banks.push_back(id);
        if (name == "Автомир")
            worlds.push_back(id);
    }
    EXPECT_EQ(banks, (std::vector<std::string>{"1", "8", "15"}));
    EXPECT_EQ(worlds, (std::vector<std::string>{"3", "11", "17"}));
}

TEST_F(NameOrderIndexTest, DroppingTheTagDropsTheOrderIndex) {
    EXPECT_EQ(run(connection_, "DROP INDEX Office.NAME"), 0u);
    const std::vector<std::string> steps =
        plan("select Office_Id, Name from Office where Upper(Name) LIKE '%' order by name");
    EXPECT_FALSE(mentions(steps, "__ceo_OFFICE_NAME")) << ::testing::PrintToString(steps);
    EXPECT_EQ(rows(kShowPredpr, "%").size(), 16u);
}

} // namespace
