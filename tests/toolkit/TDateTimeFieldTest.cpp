// Date and time fields: buffers, display texts, locating and damaged values.
#include "toolkit/TDateTimeField.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TDateTime.h"

namespace {

class TDateTimeFieldTest : public testing::Test {
protected:
    TDateTimeFieldTest() {
        data.addRow({Variant(DateDelta + 1), Variant(43200000), Variant(double(DateDelta) * MSecsPerDay)});
        data.Open();
        data.Edit();
    }
    TField* field(const char* name) { return data.FieldByName(name); }

    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"D", ftDate}, {"T", ftTime}, {"DT", ftDateTime}}};
};

TEST_F(TDateTimeFieldTest, BuffersHoldDayCountsAndMilliseconds) {
    EXPECT_DOUBLE_EQ(field("D")->AsDateTime(), 1.0) << "day count 693595 is 31 December 1899";
    EXPECT_DOUBLE_EQ(field("T")->AsDateTime(), 0.5);
    EXPECT_DOUBLE_EQ(field("DT")->AsDateTime(), 0.0);
    field("D")->SetAsDateTime(EncodeDate(2024, 3, 1));
    std::int32_t day = 0;
    ASSERT_TRUE(field("D")->GetData(&day));
    EXPECT_EQ(day, 738946);
    field("DT")->SetAsDateTime(EncodeDate(1900, 1, 1) + 0.25);
    double msecs = 0;
    ASSERT_TRUE(field("DT")->GetData(&msecs));
    EXPECT_DOUBLE_EQ(msecs, 693596.0 * 86400000.0 + 21600000.0);
    EXPECT_DOUBLE_EQ(field("DT")->AsDateTime(), EncodeDate(1900, 1, 1) + 0.25);
    EXPECT_EQ(field("D")->DataSize(), 4);
    EXPECT_EQ(field("T")->DataSize(), 4);
    EXPECT_EQ(field("DT")->DataSize(), 8);
}

TEST_F(TDateTimeFieldTest, TextsFollowTheDisplayFormats) {
    field("D")->SetAsString("05.06.2007");
    EXPECT_EQ(field("D")->AsString(), "05.06.2007");
    field("T")->SetAsString("13:45");
    EXPECT_EQ(field("T")->AsString(), "13:45:00");
    field("DT")->SetAsString("01.02.2003 04:05:06");
    EXPECT_EQ(field("DT")->AsString(), "01.02.2003 4:05:06");
    EXPECT_THROW(field("D")->SetAsString("31.02.2003"), EConvertError);
    field("D")->SetAsString("");
    EXPECT_TRUE(field("D")->IsNull());
    EXPECT_EQ(field("DT")->AsVariant().VarType(), varDate);
}

TEST_F(TDateTimeFieldTest, LocateTakesADateKeyAsValueOrText) {
    data.Cancel();
    EXPECT_TRUE(data.Locate("D", Variant::Date(1.0), 0));
    EXPECT_TRUE(data.Locate("D", Variant("31.12.1899"), 0));
    EXPECT_FALSE(data.Locate("D", Variant("01.01.1900"), 0));
    EXPECT_FALSE(data.Locate("D", Variant("not a date"), 0));
}

TEST_F(TDateTimeFieldTest, DamagedDayCountIsAClearError) {
    const std::int32_t zero = 0;
    field("D")->SetData(&zero);
    EXPECT_THROW((void)field("D")->AsDateTime(), EConvertError);
}

} // namespace
