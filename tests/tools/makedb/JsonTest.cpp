// The manifest's JSON reader: every value kind, escapes, and damaged text refused with an offset.
#include "makedb/Json.h"

#include <gtest/gtest.h>

#include <string>

namespace makedb {
namespace {

TEST(JsonTest, ReadsEveryKindOfValue) {
    JsonValue v;
    std::string error;
    ASSERT_TRUE(JsonValue::parse(R"( {"a": [1, -2.5e1, true, false, null], "s": "x\"\\\u0416\n", "o": {}} )", v,
                                 error))
        << error;
    ASSERT_EQ(v.type(), JsonValue::Type::Object);
    ASSERT_EQ(v["a"].array().size(), 5u);
    EXPECT_EQ(v["a"].array()[0].number(), 1);
    EXPECT_EQ(v["a"].array()[1].number(), -25);
    EXPECT_EQ(v["a"].array()[2].type(), JsonValue::Type::Boolean);
    EXPECT_EQ(v["a"].array()[4].type(), JsonValue::Type::Null);
    EXPECT_EQ(v["s"].string(), "x\"\\Ж\n");
    EXPECT_EQ(v["o"].type(), JsonValue::Type::Object);
    EXPECT_EQ(v["missing"].type(), JsonValue::Type::Null);
    EXPECT_FALSE(v.has("missing"));
}

TEST(JsonTest, DamagedTextIsRefusedWithItsOffset) {
    const char* const damaged[] = {"", "{", "[1,]", "{\"a\" 1}", "\"open", "[1] 2", "{\"a\": tru}", "\"\\q\"",
                                   "\"\\u12\""};
    for (const char* text : damaged) {
        JsonValue v;
        std::string error;
        EXPECT_FALSE(JsonValue::parse(text, v, error)) << text;
        EXPECT_NE(error.find("byte"), std::string::npos) << text;
    }
    JsonValue deep;
    std::string error;
    EXPECT_FALSE(JsonValue::parse(std::string(100000, '['), deep, error));
}

} // namespace
} // namespace makedb
