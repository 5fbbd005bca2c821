// The field base: values, validation, text events, conversions and layout changes.
#include "toolkit/TField.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "RecordingDataLink.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TIntegerField.h"
#include "toolkit/TStringField.h"

namespace {

using tktest::MemoryDataSet;

class TFieldTest : public testing::Test {
protected:
    TFieldTest() {
        data.addRow({Variant(1), Variant("One")});
        data.addRow({Variant(2), Variant()});
        data.SetName("Items");
    }
    TComponent owner{nullptr};
    MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 10}}};
};

TEST_F(TFieldTest, FieldWithoutDatasetRefusesValues) {
    TIntegerField field(&owner);
    field.SetFieldName("Lonely");
    try {
        (void)field.AsInteger();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Field 'Lonely' has no dataset");
    }
}

TEST_F(TFieldTest, NullAndVariantValues) {
    data.Open();
    TField* name = data.FieldByName("Name");
    EXPECT_FALSE(name->IsNull());
    EXPECT_EQ(name->AsVariant().AsString(), "One");
    data.Next();
    EXPECT_TRUE(name->IsNull());
    EXPECT_TRUE(name->AsVariant().IsNull());
    EXPECT_EQ(name->AsString(), "");
    data.Edit();
    name->SetValue(Variant("Two"));
    EXPECT_EQ(name->AsString(), "Two");
    name->SetValue(Variant::Null());
    EXPECT_TRUE(name->IsNull());
    name->SetValue(Variant("x"));
    name->Clear();
    EXPECT_TRUE(name->IsNull());
}

TEST_F(TFieldTest, ValidateSeesTheNewValueAndMayRefuseIt) {
    data.Open();
    TField* id = data.FieldByName("Id");
    std::vector<int> seen;
    id->OnValidate = [&](TField* f) {
        seen.push_back(f->AsInteger());
        if (f->AsInteger() < 0)
            throw EDatabaseError("negative");
    };
    data.Edit();
    id->SetAsInteger(5);
    EXPECT_THROW(id->SetAsInteger(-1), EDatabaseError);
    EXPECT_EQ(seen, (std::vector<int>{5, -1}));
    EXPECT_EQ(id->AsInteger(), 5) << "a refused value is not stored";
}

TEST_F(TFieldTest, TextGoesThroughTheTextEvents) {
    data.Open();
    TField* name = data.FieldByName("Name");
    name->OnGetText = [](TField* f, AnsiString& text, bool display) { text = (display ? "<" : "[") + f->AsString() + (display ? ">" : "]"); };
    EXPECT_EQ(name->DisplayText(), "<One>");
    EXPECT_EQ(name->Text(), "[One]");
    name->OnSetText = [](TField* f, const AnsiString& text) { f->SetAsString(text + "!"); };
    data.Edit();
    name->SetText("Hey");
    EXPECT_EQ(name->AsString(), "Hey!");
}

TEST_F(TFieldTest, ChangeEventFollowsAStoredValue) {
    data.Open();
    TField* name = data.FieldByName("Name");
    int changes = 0;
    name->OnChange = [&](TField*) { ++changes; };
    data.Edit();
    name->SetAsString("New");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(data.Modified());
}

TEST_F(TFieldTest, AssignCopiesAnotherFieldsValue) {
    MemoryDataSet other(&owner, {{"Name", ftString, 10}});
    other.addRow({Variant("Copy")});
    other.Open();
    data.Open();
    data.Edit();
    data.FieldByName("Name")->Assign(*other.FieldByName("Name"));
    EXPECT_EQ(data.FieldByName("Name")->AsString(), "Copy");
}

TEST_F(TFieldTest, AccessAsAnotherTypeNamesTheField) {
    data.Open();
    try {
        (void)data.FieldByName("Id")->AsBoolean();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Cannot access field 'Id' as type Boolean");
    }
}

TEST_F(TFieldTest, VisibilityAndOrderChangesAskTheGridForANewLayout) {
    TDataSource source(&owner);
    source.SetDataSet(&data);
    tktest::RecordingDataLink grid;
    grid.SetDataSource(&source);
    data.Open();
    grid.clear();
    TField* name = data.FieldByName("Name");
    name->SetIndex(0);
    EXPECT_EQ(data.Fields()[0], name);
    EXPECT_EQ(name->Index(), 0);
    name->SetVisible(false);
    name->SetDisplayWidth(30);
    EXPECT_EQ(grid.count("layoutChanged"), 3);
    EXPECT_EQ(name->DisplayWidth(), 30);
    EXPECT_EQ(data.FieldByName("Id")->DisplayWidth(), 11);
}

TEST_F(TFieldTest, PersistentFieldsRefuseDuplicateNamesAndOpenDatasets) {
    auto* id = new TIntegerField(&owner);
    id->SetFieldName("Id");
    id->SetDataSet(&data);
    auto* again = new TIntegerField(&owner);
    again->SetFieldName("ID");
    try {
        again->SetDataSet(&data);
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Items: Duplicate field name 'ID'");
    }
    data.Open();
    auto* late = new TStringField(&owner);
    late->SetFieldName("Name");
    EXPECT_THROW(late->SetDataSet(&data), EDatabaseError);
    EXPECT_EQ(id->FieldNo(), 1);
    data.Close();
    EXPECT_EQ(id->FieldNo(), 0);
    delete id;
    EXPECT_EQ(data.FieldCount(), 0) << "a freed field leaves its dataset";
}

TEST_F(TFieldTest, MismatchedPersistentFieldTypeFailsTheOpen) {
    auto* name = new TIntegerField(&owner);
    name->SetFieldName("Name");
    name->SetDataSet(&data);
    EXPECT_THROW(data.Open(), EDatabaseError);
    EXPECT_FALSE(data.Active());
}

TEST_F(TFieldTest, ReadOnlyFieldCannotBeModified) {
    data.Open();
    TField* id = data.FieldByName("Id");
    id->SetReadOnly(true);
    EXPECT_FALSE(id->CanModify());
    data.Edit();
    try {
        id->SetAsInteger(3);
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Field 'Id' cannot be modified");
    }
}

} // namespace
