// The CP1251 string functions: case, comparison and trimming.
#include "toolkit/AnsiStrings.h"

#include <gtest/gtest.h>

namespace {

using tk::fromUtf8;

// Every letter of code page 1251 that has a case partner, beyond ASCII.
const char* const kLower = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя ґєіїў ђѓјљњћќџѕ";
const char* const kUpper = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ ҐЄІЇЎ ЂЃЈЉЊЋЌЏЅ";

TEST(AnsiStringsTest, AnsiCaseCoversEveryCyrillicLetter) {
    EXPECT_EQ(AnsiUpperCase(fromUtf8(kLower)), fromUtf8(kUpper));
    EXPECT_EQ(AnsiLowerCase(fromUtf8(kUpper)), fromUtf8(kLower));
    EXPECT_EQ(AnsiUpperCase("Lenin str. 12a"), "LENIN STR. 12A");
    EXPECT_TRUE(AnsiSameText(fromUtf8(kLower), fromUtf8(kUpper)));
}

TEST(AnsiStringsTest, AsciiCaseLeavesCyrillicAlone) {
    const AnsiString mixed = fromUtf8("Улица Lenina ёЁ");
    EXPECT_EQ(UpperCase(mixed), fromUtf8("Улица LENINA ёЁ"));
    EXPECT_EQ(LowerCase(mixed), fromUtf8("Улица lenina ёЁ"));
}

TEST(AnsiStringsTest, CompareTextIsCaseBlindAndKeepsTheAlphabet) {
    EXPECT_EQ(AnsiCompareText(fromUtf8("ёлка"), fromUtf8("ЁЛКА")), 0);
    EXPECT_LT(AnsiCompareText(fromUtf8("Елка"), fromUtf8("ёлка")), 0) << "Е before Ё";
    EXPECT_LT(AnsiCompareText(fromUtf8("ёлка"), fromUtf8("Жук")), 0) << "Ё before Ж";
    EXPECT_LT(AnsiCompareText(fromUtf8("Ленина"), fromUtf8("ленинградская")), 0);
    EXPECT_LT(AnsiCompareText("Z", fromUtf8("а")), 0) << "Latin before Cyrillic";
    EXPECT_GT(AnsiCompareText(fromUtf8("Я"), fromUtf8("ю")), 0);
    EXPECT_LT(AnsiCompareText("abc", "ABCD"), 0) << "a prefix sorts first";
}

TEST(AnsiStringsTest, TrimRemovesBlanksAndControlCharactersOnly) {
    const AnsiString nbsp = "\xA0"; // the no-break space is above the blank: it stays
    EXPECT_EQ(Trim(fromUtf8(" \t\r\n ПУШКИНА \x01")), fromUtf8("ПУШКИНА"));
    EXPECT_EQ(Trim(nbsp + "x" + nbsp), nbsp + "x" + nbsp);
    EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(TrimRight("  a b  "), "  a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
}

} // namespace
