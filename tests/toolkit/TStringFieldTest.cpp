// String fields: buffer form, conversions and Cyrillic bytes.
#include "toolkit/TStringField.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TFormatSettings.h"

namespace {

class TStringFieldTest : public testing::Test {
protected:
    TStringFieldTest() {
        data.addRow({Variant("abc")});
        data.Open();
        data.Edit();
        field = data.FieldByName("S");
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"S", ftString, 5}}};
    TField* field = nullptr;
};

TEST_F(TStringFieldTest, BufferIsZeroTerminatedTextOfAtMostSize) {
    EXPECT_EQ(field->DataSize(), 6);
    EXPECT_EQ(field->DisplayWidth(), 5);
    field->SetAsString("abcdefgh");
    EXPECT_EQ(field->AsString(), "abcde");
    char buffer[6];
    ASSERT_TRUE(field->GetData(buffer));
    EXPECT_EQ(buffer[5], '\0');
    field->SetAsString("");
    EXPECT_FALSE(field->IsNull()) << "the empty text is a value, not null";
}

TEST_F(TStringFieldTest, ConvertsThroughTheDisplayFormats) {
    field->SetAsInteger(-42);
    EXPECT_EQ(field->AsString(), "-42");
    EXPECT_EQ(field->AsInteger(), -42);
    field->SetAsFloat(2.5);
    EXPECT_EQ(field->AsString(), "2,5");
    EXPECT_DOUBLE_EQ(field->AsFloat(), 2.5);
    field->SetAsBoolean(true);
    EXPECT_EQ(field->AsString(), "T");
    EXPECT_TRUE(field->AsBoolean());
    field->SetAsString("yes");
    EXPECT_TRUE(field->AsBoolean());
    field->SetAsString("no");
    EXPECT_FALSE(field->AsBoolean());
    field->SetAsString("x1");
    EXPECT_THROW((void)field->AsInteger(), EConvertError);
}

TEST_F(TStringFieldTest, CyrillicTextKeepsItsBytes) {
    const AnsiString text = tk::fromUtf8("Улица");
    field->SetAsString(text);
    EXPECT_EQ(field->AsString(), text);
}

} // namespace
