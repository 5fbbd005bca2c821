// Code pages 1251 and 866 to and from UTF-8: every byte round-trips, unmappable characters and
// malformed UTF-8 are replaced.
#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePageTest, BothCodePagesRoundTripEveryByte) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
        EXPECT_EQ(base::unicodeToCp1251(base::cp1251ToUnicode(static_cast<unsigned char>(b))), b) << b;
    }
    EXPECT_EQ(base::utf8ToCp1251(base::cp1251ToUtf8(bytes)), bytes);
    EXPECT_EQ(base::utf8ToCp866(base::cp866ToUtf8(bytes)), bytes);
}

TEST(CodePageTest, RussianTextConvertsBothWays) {
    const std::string utf8 = "Объект не найден! Ёлка №5";
    const std::string cp = base::utf8ToCp1251(utf8);
    EXPECT_EQ(cp.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(cp[0]), 0xCE); // О
    EXPECT_EQ(static_cast<unsigned char>(cp[18]), 0xA8); // Ё
    EXPECT_EQ(static_cast<unsigned char>(cp[23]), 0xB9); // №
    EXPECT_EQ(base::cp1251ToUtf8(cp), utf8);
    EXPECT_EQ(base::cp866ToUtf8(base::utf8ToCp866("Привет")), "Привет");
}

TEST(CodePageTest, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(base::utf8ToCp1251("a\xE4\xB8\xAD" "b"), "a?b");    // a CJK ideograph
    EXPECT_EQ(base::utf8ToCp1251("x\xF0\x9F\x98\x80"), "x?");      // outside the BMP
    EXPECT_EQ(base::utf8ToCp866("\xE2\x80\x94"), "?");             // em dash is not in 866
}

TEST(CodePageTest, MalformedUtf8NeverReadsPastTheEnd) {
    EXPECT_EQ(base::utf8ToCp1251("\xD0"), "?");          // cut two-byte sequence
    EXPECT_EQ(base::utf8ToCp1251("\xE2\x80"), "?");      // cut three-byte sequence
    EXPECT_EQ(base::utf8ToCp1251("\xFF" "A"), "?A");     // invalid lead byte
    EXPECT_EQ(base::utf8ToCp1251("\xD0" "A"), "?A");     // lead byte without continuation
}

TEST(CodePageTest, AppendUtf8WritesOneToFourBytesThatDecodeBack) {
    std::string out;
    for (const char32_t codePoint : {U'A', U'\u00E9', U'\u0416', U'\u20AC', U'\U0001F600'})
        base::appendUtf8(out, codePoint);
    EXPECT_EQ(out, "A\xC3\xA9\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80");
    size_t pos = 0;
    for (const char32_t codePoint : {U'A', U'\u00E9', U'\u0416', U'\u20AC', U'\U0001F600'})
        EXPECT_EQ(base::decodeUtf8(out, pos), codePoint);
    EXPECT_EQ(pos, out.size());
}

} // namespace
