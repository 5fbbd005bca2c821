// Variants: kinds, text forms, conversions and equality.
#include "toolkit/Variant.h"

#include <gtest/gtest.h>

#include "toolkit/TDateTime.h"

namespace {

TEST(VariantTest, TextFormsFollowTheDisplayConventions) {
    EXPECT_EQ(Variant::Null().AsString(), "");
    EXPECT_EQ(Variant(true).AsString(), "True");
    EXPECT_EQ(Variant(-12).AsString(), "-12");
    EXPECT_EQ(Variant(2.5).AsString(), "2,5");
    EXPECT_EQ(Variant::Date(EncodeDate(2007, 6, 5)).AsString(), "05.06.2007");
    EXPECT_EQ(Variant::Date(EncodeDate(2007, 6, 5) + 0.5).AsString(), "05.06.2007 12:00:00");
}

TEST(VariantTest, NumericConversions) {
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_DOUBLE_EQ(Variant("1,25").AsFloat(), 1.25);
    EXPECT_TRUE(Variant("TRUE").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_EQ(Variant().AsInteger(), 0);
    EXPECT_DOUBLE_EQ(Variant("05.06.2007").AsDateTime(), EncodeDate(2007, 6, 5));
}

TEST(VariantTest, ConversionsWithoutMeaningRaise) {
    EXPECT_THROW((void)Variant::Null().AsInteger(), EVariantError);
    EXPECT_THROW((void)Variant("abc").AsFloat(), EVariantError);
    EXPECT_THROW((void)Variant("maybe").AsBoolean(), EVariantError);
    EXPECT_THROW((void)Variant(std::int64_t(1) << 40).AsInteger(), EVariantError);
    EXPECT_THROW((void)Variant(1e30).AsInt64(), EVariantError);
    EXPECT_THROW((void)VarArrayOf({Variant(1)}).AsString(), EVariantError);
    EXPECT_THROW((void)Variant(1)[0], EVariantError);
    EXPECT_THROW((void)VarArrayOf({Variant(1)})[1], EVariantError);
}

TEST(VariantTest, EqualityComparesNumbersByValue) {
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_FALSE(Variant("2") == Variant(2));
    EXPECT_FALSE(Variant::Null() == Variant());
    EXPECT_TRUE(VarIsEmpty(Variant()) && !VarIsNull(Variant()));
    const Variant a = VarArrayOf({Variant(1), Variant("x")});
    EXPECT_EQ(a.ArrayCount(), 2);
    EXPECT_EQ(a[1].AsString(), "x");
}

} // namespace
