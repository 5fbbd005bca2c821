// Boolean fields: their buffer values and display texts.
#include "toolkit/TBooleanField.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"

namespace {

class TBooleanFieldTest : public testing::Test {
protected:
    TBooleanFieldTest() {
        data.addRow({Variant(true)});
        data.Open();
        data.Edit();
        b = static_cast<TBooleanField*>(data.FieldByName("B"));
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"B", ftBoolean}}};
    TBooleanField* b = nullptr;
};

TEST_F(TBooleanFieldTest, BufferHoldsMinusOneOrZero) {
    std::int16_t raw = 0;
    ASSERT_TRUE(b->GetData(&raw));
    EXPECT_EQ(raw, -1);
    b->SetAsBoolean(false);
    ASSERT_TRUE(b->GetData(&raw));
    EXPECT_EQ(raw, 0);
    EXPECT_EQ(b->DataSize(), 2);
}

TEST_F(TBooleanFieldTest, TextsComeFromDisplayValues) {
    EXPECT_EQ(b->AsString(), "True");
    b->SetAsString("f");
    EXPECT_FALSE(b->AsBoolean());
    b->SetDisplayValues(tk::fromUtf8("Да;Нет"));
    b->SetAsString(tk::fromUtf8("да"));
    EXPECT_TRUE(b->AsBoolean());
    EXPECT_EQ(b->AsString(), tk::fromUtf8("Да"));
    try {
        b->SetAsString("maybe");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "'maybe' is not a valid boolean value for field 'B'");
    }
    b->SetAsString("");
    EXPECT_TRUE(b->IsNull());
}

} // namespace
