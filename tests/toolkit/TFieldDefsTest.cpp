// Field definitions: the field classes they create and finding them by name.
#include "toolkit/TFieldDefs.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TBooleanField.h"
#include "toolkit/TDateField.h"
#include "toolkit/TFloatField.h"
#include "toolkit/TStringField.h"

namespace {

TEST(TFieldDefsTest, CreateFieldMakesTheClassOfTheType) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {});
    TFieldDefs& defs = data.FieldDefs();
    defs.Add("Name", ftString, 40, true);
    defs.Add("Price", ftCurrency);
    defs.Add("Day", ftDate);
    defs.Add("Flag", ftBoolean);
    defs.Add("Ole", ftParadoxOle);
    TField* name = defs[0]->CreateField(&owner);
    EXPECT_NE(dynamic_cast<TStringField*>(name), nullptr);
    EXPECT_EQ(name->Size(), 40);
    EXPECT_TRUE(name->Required());
    EXPECT_EQ(name->DataSet(), &data);
    EXPECT_TRUE(static_cast<TFloatField*>(defs[1]->CreateField(&owner))->Currency());
    EXPECT_NE(dynamic_cast<TDateField*>(defs[2]->CreateField(&owner)), nullptr);
    EXPECT_NE(dynamic_cast<TBooleanField*>(defs[3]->CreateField(&owner)), nullptr);
    EXPECT_THROW(defs[4]->CreateField(&owner), EDatabaseError);
    EXPECT_EQ(data.FieldCount(), 4);
}

TEST(TFieldDefsTest, FindIgnoresCaseAndNumbersFollowPositions) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {});
    TFieldDefs& defs = data.FieldDefs();
    defs.Add("A", ftInteger);
    defs.Add("B", ftInteger)->SetFieldNo(7);
    EXPECT_EQ(defs.Find("a")->FieldNo(), 1);
    EXPECT_EQ(defs.Find("b")->FieldNo(), 7);
    EXPECT_EQ(defs.IndexOf("c"), -1);
    EXPECT_THROW(defs.Find("c"), EDatabaseError);
}

TEST(TFieldDefsTest, UpdateReadsTheDefinitionsOnce) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"X", ftInteger}, {"Y", ftString, 3}});
    TFieldDefs& defs = data.FieldDefs();
    defs.Update();
    ASSERT_EQ(defs.Count(), 2);
    EXPECT_TRUE(defs.Updated());
    defs.Add("Extra", ftInteger);
    defs.Update();
    EXPECT_EQ(defs.Count(), 3) << "up to date: not read again";
    defs.SetUpdated(false);
    defs.Update();
    EXPECT_EQ(defs.Count(), 2);
}

} // namespace
