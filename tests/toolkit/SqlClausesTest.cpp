// The table name and ORDER BY of a SQL statement, as the datasets read them.
#include "toolkit/SqlClauses.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"

namespace {

TEST(SqlClausesTest, TableNameOnlyForASingleTable) {
    EXPECT_EQ(GetTableNameFromSQL("select Topic_Id, Name\nfrom Topic\nwhere Upper(Name) LIKE :Name\norder by name"), "Topic");
    EXPECT_EQ(GetTableNameFromSQL("select Office.*\nfrom Office, OfficeTopics\nwhere x = 1"), "");
    EXPECT_EQ(GetTableNameFromSQL("select O.* from Office O where O.Office_Id IN (select B.Office_Id from Branch B)"), "Office");
    EXPECT_EQ(GetTableNameFromSQL("select * from \"My Table\" as t"), "My Table");
    EXPECT_EQ(GetTableNameFromSQL("select * from a join b on a.x = b.x"), "");
    EXPECT_EQ(GetTableNameFromSQL("select * from a left outer join b on a.x = b.x"), "");
    EXPECT_EQ(GetTableNameFromSQL("select * from (select 1) s"), "");
    EXPECT_EQ(GetTableNameFromSQL("select 'from x' -- from y\n"), "");
    EXPECT_EQ(GetTableNameFromSQL("select * from"), "");
    EXPECT_EQ(GetTableNameFromSQL("select * from \"unterminated"), "unterminated");
}

TEST(SqlClausesTest, OrderByBecomesAnIndexDefinition) {
    auto def = GetIndexForOrderBy("select Office.* from Office order by Office.Name", nullptr);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->Fields(), "Name");
    EXPECT_EQ(def->Options(), 0u);
    def = GetIndexForOrderBy("select * from t order by a desc, [b c] descending", nullptr);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->Fields(), "a;b c");
    EXPECT_EQ(def->Options(), TIndexOptions(ixDescending));
    def = GetIndexForOrderBy("select * from t order by a desc, b", nullptr);
    EXPECT_EQ(def->Options(), 0u);
    EXPECT_EQ(GetIndexForOrderBy("select * from t where (select 1 from u order by z) = 1", nullptr), nullptr);
    EXPECT_EQ(GetIndexForOrderBy("select * from t", nullptr), nullptr);
}

TEST(SqlClausesTest, OrderByColumnNumbersNameTheFields) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Id", ftInteger}, {"Name", ftString, 5}});
    auto def = GetIndexForOrderBy("select Id, Name from t order by 2, 1", &data);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->Fields(), "Name;Id");
    EXPECT_EQ(GetIndexForOrderBy("select Id from t order by 3", &data), nullptr);
}

} // namespace
