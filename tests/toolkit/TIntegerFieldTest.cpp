// Integer fields: buffer widths, ranges and conversions.
#include "toolkit/TIntegerField.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TAutoIncField.h"

namespace {

class TIntegerFieldTest : public testing::Test {
protected:
    TIntegerFieldTest() {
        data.addRow({Variant(1), Variant(2), Variant(3)});
        data.Open();
        data.Edit();
    }
    TField* field(const char* name) { return data.FieldByName(name); }

    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"I", ftInteger}, {"S", ftSmallint}, {"W", ftWord}}};
};

TEST_F(TIntegerFieldTest, BufferWidthFollowsTheType) {
    EXPECT_EQ(field("I")->DataSize(), 4);
    EXPECT_EQ(field("S")->DataSize(), 2);
    EXPECT_EQ(field("W")->DataSize(), 2);
    field("S")->SetAsInteger(-2);
    std::int16_t raw = 0;
    ASSERT_TRUE(field("S")->GetData(&raw));
    EXPECT_EQ(raw, -2);
    field("W")->SetAsInteger(65535);
    EXPECT_EQ(field("W")->AsInteger(), 65535) << "a word reads unsigned";
}

TEST_F(TIntegerFieldTest, ValuesOutsideTheTypeAreRefused) {
    EXPECT_THROW(field("S")->SetAsInteger(32768), EDatabaseError);
    EXPECT_THROW(field("W")->SetAsInteger(-1), EDatabaseError);
    EXPECT_THROW(field("I")->SetAsFloat(3e9), EDatabaseError);
    auto* i = static_cast<TIntegerField*>(field("I"));
    i->SetMinValue(1);
    i->SetMaxValue(10);
    try {
        i->SetAsInteger(11);
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "11 is not a valid value for field 'I'. The allowed range is 1 to 10");
    }
    EXPECT_EQ(i->AsInteger(), 1);
}

TEST_F(TIntegerFieldTest, TextAndFloatConversions) {
    field("I")->SetAsString("123");
    EXPECT_EQ(field("I")->AsInteger(), 123);
    field("I")->SetAsFloat(2.5);
    EXPECT_EQ(field("I")->AsInteger(), 2) << "halves round to even";
    field("I")->SetAsString("");
    EXPECT_TRUE(field("I")->IsNull());
    EXPECT_EQ(field("I")->AsString(), "");
    EXPECT_THROW(field("I")->SetAsString("12a"), EConvertError);
    field("I")->SetValue(Variant("7"));
    EXPECT_EQ(field("I")->AsVariant().AsInteger(), 7);
}

TEST(TAutoIncFieldTest, IsReadOnlyByDefault) {
    TComponent owner(nullptr);
    TAutoIncField field(&owner);
    EXPECT_TRUE(field.ReadOnly());
    EXPECT_EQ(field.DataType(), ftAutoInc);
    EXPECT_EQ(field.DataSize(), 4);
}

} // namespace
