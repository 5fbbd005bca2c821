// JSON string literals: what is escaped and what passes unchanged.
#include "jsontext/JsonText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(JsonTextTest, QuotesAndBackslashesAreEscaped) {
    EXPECT_EQ(jsontext::quoted(R"(САДОВАЯ "1" \ 2)"), R"("САДОВАЯ \"1\" \\ 2")");
}

TEST(JsonTextTest, ControlCharactersBecomeUnicodeEscapes) {
    EXPECT_EQ(jsontext::quoted(std::string("a\nb\x1F\0", 5)), R"("a\u000ab\u001f\u0000")");
    EXPECT_EQ(jsontext::quoted(""), R"("")");
}

} // namespace
