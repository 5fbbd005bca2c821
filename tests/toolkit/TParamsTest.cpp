// SQL parameter lists: parsing the markers of a statement and copying values by name.
#include "toolkit/TParams.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/SqlParamVectors.h"
#include "toolkit/Exception.h"

namespace {

TEST(TParamsTest, ParseSqlAgreesWithTheSharedMarkerVectors) {
    const std::vector<sqlvectors::MarkerCase> cases = sqlvectors::load();
    ASSERT_GE(cases.size(), 15u);
    for (const sqlvectors::MarkerCase& c : cases) {
        TParams params;
        EXPECT_EQ(params.ParseSQL(tk::fromUtf8(c.sql), /*DoCreate=*/true), tk::fromUtf8(c.out))
            << "case at line " << c.line;
        std::vector<std::string> names;
        for (int i = 0; i < params.Count(); ++i)
            names.push_back(tk::toUtf8(params[i]->Name()));
        EXPECT_EQ(names, c.names) << "case at line " << c.line;
    }
}

TEST(TParamsTest, ParseSqlCreatesUnknownItemsOnlyWhenAsked) {
    TParams params;
    params.ParseSQL("select * from t where a = :a", /*DoCreate=*/false);
    EXPECT_EQ(params.Count(), 0);
    params.ParseSQL("select * from t where a = :a", /*DoCreate=*/true);
    ASSERT_EQ(params.Count(), 1);
    EXPECT_EQ(params[0]->DataType(), ftUnknown);
    EXPECT_FALSE(params[0]->Bound());
    EXPECT_TRUE(params[0]->IsNull());
}

TEST(TParamsTest, ParamByNameIgnoresCaseAndNamesTheMissingOne) {
    TParams params;
    params.ParseSQL(tk::fromUtf8("where Name = :Name and Street = :Улица"), true);
    EXPECT_EQ(params.ParamByName("NAME"), params[0]);
    EXPECT_EQ(params.ParamByName(tk::fromUtf8("УЛИЦА")), params[1]);
    EXPECT_EQ(params.FindParam("House"), nullptr);
    try {
        params.ParamByName("House");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Parameter 'House' not found");
    }
}

TEST(TParamsTest, AssignValuesCopiesByNameIntoTheFirstOfThatName) {
    TParams old;
    old.ParseSQL(":Office_Id :Gone", true);
    old.ParamByName("Office_Id")->SetAsString("17");
    old.ParamByName("Gone")->SetAsInteger(5);

    TParams fresh;
    fresh.ParseSQL(":office_id :New :office_id", true);
    fresh.AssignValues(old);
    EXPECT_EQ(fresh[0]->AsString(), "17");
    EXPECT_EQ(fresh[0]->Name(), "Office_Id") << "Assign takes the name as written in the source";
    EXPECT_TRUE(fresh[0]->Bound());
    EXPECT_TRUE(fresh[1]->IsNull());
    EXPECT_TRUE(fresh[2]->IsNull()) << "only the first parameter of a repeated name takes the value";
}

TEST(TParamsTest, AssignCopiesEveryItem) {
    TParams a;
    a.ParseSQL(":x :y", true);
    a[1]->SetAsFloat(2.5);
    TParams b;
    b.Assign(a);
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b[0]->Name(), "x");
    EXPECT_EQ(b[1]->DataType(), ftFloat);
    EXPECT_DOUBLE_EQ(b[1]->AsFloat(), 2.5);
}

} // namespace
