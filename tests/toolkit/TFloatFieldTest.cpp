// Float fields: display texts and the values they refuse.
#include "toolkit/TFloatField.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"

namespace {

class TFloatFieldTest : public testing::Test {
protected:
    TFloatFieldTest() {
        data.addRow({Variant(1.5), Variant(1234.5)});
        data.Open();
        data.Edit();
        f = static_cast<TFloatField*>(data.FieldByName("F"));
        c = static_cast<TFloatField*>(data.FieldByName("C"));
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"F", ftFloat}, {"C", ftCurrency}}};
    TFloatField* f = nullptr;
    TFloatField* c = nullptr;
};

TEST_F(TFloatFieldTest, TextsUseTheDisplaySeparatorAndPrecision) {
    EXPECT_EQ(f->AsString(), "1,5");
    f->SetAsString("3,25");
    EXPECT_DOUBLE_EQ(f->AsFloat(), 3.25);
    EXPECT_THROW(f->SetAsString("3.25"), EConvertError);
    f->SetAsFloat(1.0 / 3.0);
    f->SetPrecision(4);
    EXPECT_EQ(f->DisplayText(), "0,3333");
    EXPECT_TRUE(c->Currency());
    EXPECT_EQ(c->DisplayText(), "1\xA0" "234,50");
    EXPECT_EQ(c->AsVariant().VarType(), varCurrency);
}

TEST_F(TFloatFieldTest, RangeAndNonNumbersAreRefused) {
    EXPECT_THROW(f->SetAsFloat(std::numeric_limits<double>::quiet_NaN()), EDatabaseError);
    f->SetMinValue(-1);
    f->SetMaxValue(1);
    EXPECT_THROW(f->SetAsFloat(1.5), EDatabaseError);
    f->SetAsFloat(0.5);
    EXPECT_EQ(f->AsInteger(), 0);
    f->SetAsString("");
    EXPECT_TRUE(f->IsNull());
    EXPECT_EQ(f->AsFloat(), 0.0);
}

} // namespace
