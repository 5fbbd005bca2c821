// The provider answers of a table: name, command text, index definitions, default order and key
// fields.
#include "data/TDbTable.h"

#include "DataFixture.h"

namespace {

class TDbTableProviderTest : public DataFixture {
protected:
    TDbTable* table(const AnsiString& name) {
        auto* t = new TDbTable(&owner);
        t->SetDatabaseName(temp.path().string());
        t->SetTableName(name);
        return t;
    }
};

TEST_F(TDbTableProviderTest, AnswersComeFromTheNameAndTheIndexes) {
    directory({"CREATE TABLE Category (ID INTEGER, CODE INTEGER, NAME CHAR(10))", "CREATE INDEX NAME ON Category (NAME)",
               "CREATE UNIQUE INDEX CODE ON Category (CODE)", "CREATE UNIQUE INDEX ID ON Category (ID)"});
    TDbTable* t = table("Category.vdt");
    EXPECT_EQ(t->PSGetTableName(), "Category");
    t->PSSetCommandText("Category");
    EXPECT_EQ(t->TableName(), "Category");
    EXPECT_EQ(t->PSGetTableName(), "Category");
    t->Open();
    EXPECT_EQ(t->PSGetKeyFields(), "CODE") << "the first unique index";
    EXPECT_EQ(t->PSGetIndexDefs(ixUnique)->Count(), 2);

    std::unique_ptr<TIndexDef> order = t->PSGetDefaultOrder();
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->Name(), "CODE") << "no index chosen: the first unique one";
    t->SetIndexName("NAME");
    order = t->PSGetDefaultOrder();
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->Fields(), "NAME");
}

} // namespace
