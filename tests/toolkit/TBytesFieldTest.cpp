// Fields of raw bytes.
#include "toolkit/TBytesField.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"

namespace {

TEST(TBytesFieldTest, HoldsExactlySizeRawBytes) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Raw", ftBytes, 4}});
    data.addRow({});
    data.Open();
    TField* raw = data.FieldByName("Raw");
    EXPECT_NE(dynamic_cast<TBytesField*>(raw), nullptr);
    EXPECT_EQ(raw->DataSize(), 4);
    EXPECT_TRUE(raw->IsNull());
    EXPECT_EQ(raw->AsString(), "");
    data.Edit();
    raw->SetAsString(std::string("\x01\x00\x02\x03\x04\x05", 6));
    EXPECT_EQ(raw->AsString(), std::string("\x01\x00\x02\x03", 4)) << "cut to Size, zero bytes kept";
    raw->SetAsString("\x07");
    EXPECT_EQ(raw->AsString(), std::string("\x07\x00\x00\x00", 4)) << "padded with zero bytes";
    EXPECT_EQ(raw->AsVariant().VarType(), varBytes);
}

} // namespace
