// Numbers as text and back: integers, hexadecimal and floating point with their separators.
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

TEST(NumberTextTest, StrToIntReadsDecimalAndHexAndRefusesTheRest) {
    EXPECT_EQ(StrToInt("  -42"), -42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("$00008000"), 0x8000);
    EXPECT_EQ(StrToInt("0xff"), 255);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1) << "hexadecimal is a 32-bit pattern";
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "$", "12 ", "1.5", "2147483648", "$100000000", "0x", "1e3", "١"}) {
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
        EXPECT_EQ(StrToIntDef(bad, 99), 99) << bad;
    }
    try {
        StrToInt("abc");
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message, "'abc' is not a valid integer value");
    }
}

TEST(NumberTextTest, IntToHexPadsAndShowsNegativesAsPatterns) {
    EXPECT_EQ(IntToHex(0x8000, 8), "00008000");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF");
    EXPECT_EQ(IntToHex(-1, 4), "FFFFFFFF");
    EXPECT_EQ(IntToStr(-9000000000LL), "-9000000000");
}

TEST(NumberTextTest, FloatToStrUsesTheDisplayOrMachineSeparator) {
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_EQ(FloatToStr(1.5, tk::machineFormat()), "1.5");
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(-0.1), "-0,1");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(0.00001), "0,00001");
    EXPECT_EQ(FloatToStr(0.000001), "1E-6");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1234567890123456.0), "1,23456789012346E15");
}

TEST(NumberTextTest, FixedFormatRoundsToTheFewerOfPrecisionAndDecimals) {
    const TFormatSettings& dot = tk::machineFormat();
    EXPECT_EQ(FloatToStrF(12345.678, ffFixed, 7, 2, dot), "12345.68");
    EXPECT_EQ(FloatToStrF(12345.678, ffFixed, 6, 2, dot), "12345.70");
    EXPECT_EQ(FloatToStrF(123456789.0, ffFixed, 7, 0, dot), "1.234568E8") << "too wide: scientific";
    EXPECT_EQ(FloatToStrF(-0.004, ffFixed, 15, 2, dot), "0.00");
    EXPECT_EQ(FloatToStrF(-0.006, ffFixed, 15, 2, dot), "-0.01");
    EXPECT_EQ(FloatToStrF(9.999, ffFixed, 15, 2, dot), "10.00");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1\xA0" "234\xA0" "567,89");
    EXPECT_EQ(FloatToStrF(-999.5, ffNumber, 15, 0), "-1\xA0" "000");
    EXPECT_EQ(FloatToStrF(1.5, ffExponent, 4, 2, dot), "1.500E+00");
}

TEST(NumberTextTest, StrToFloatAcceptsOnlyTheGivenSeparator) {
    EXPECT_DOUBLE_EQ(StrToFloat(" 1,25 "), 1.25);
    EXPECT_DOUBLE_EQ(StrToFloat("-2,5E3"), -2500);
    EXPECT_DOUBLE_EQ(StrToFloat("1.25", tk::machineFormat()), 1.25);
    EXPECT_DOUBLE_EQ(StrToFloat("7"), 7);
    for (const char* bad : {"1.25", "", ",", "1,2,3", "1e", "1 000", "e5", "1,5x", "1e400"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
}

} // namespace
