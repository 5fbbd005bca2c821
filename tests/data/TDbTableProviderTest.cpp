// The provider answers of a table: name, command text, index definitions, default order and key
// fields.
#include "data/TDbTable.h"

#include "DataFixture.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TParams.h"

namespace datatest {
namespace {

class TDbTableProviderTest : public DataFixture {
protected:
    TDbTable* table(const AnsiString& name) { return tableAt(temp.path().string(), name); }
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

TEST_F(TDbTableProviderTest, ParamsBecomeARangeAndAMasterLinkNamesItsFields) {
    directory({"CREATE TABLE Category (ID INTEGER, CODE INTEGER)", "CREATE UNIQUE INDEX CODE ON Category (CODE)",
               "INSERT INTO Category VALUES (1, 30), (2, 20), (3, 10)"});
    TDbTable* t = table("Category");
    t->SetIndexName("CODE");
    TParams params;
    params.CreateParam(ftInteger, "", ptInput)->SetAsInteger(20);
    t->PSSetParams(&params);
    ASSERT_TRUE(t->Active());
    EXPECT_EQ(column(*t, "ID"), "2;");
    t->PSSetParams(nullptr);
    EXPECT_EQ(column(*t, "ID"), "3;2;1;") << "the range is cancelled";

    TDbTable* master = table("Category");
    auto* source = new TDataSource(&owner);
    source->SetDataSet(master);
    master->Open();
    t->SetMasterSource(source);
    t->SetMasterFields("CODE");
    std::vector<TField*> masterFields;
    std::vector<TField*> detailFields;
    t->GetDetailLinkFields(masterFields, detailFields);
    EXPECT_EQ(masterFields, (std::vector<TField*>{master->FieldByName("CODE")}));
    EXPECT_EQ(detailFields, (std::vector<TField*>{t->FieldByName("CODE")}));
}

} // namespace
} // namespace datatest
