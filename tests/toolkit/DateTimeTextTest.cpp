// Dates and times as text: the Russian display conventions, format letters and parsing.
#include "toolkit/DateTimeText.h"

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

const TDateTime kMoment = EncodeDate(2024, 3, 7) + EncodeTime(9, 5, 3, 42);

TEST(DateTimeTextTest, DisplayConventionsAreRussian) {
    EXPECT_EQ(DateToStr(kMoment), "07.03.2024");
    EXPECT_EQ(TimeToStr(kMoment), "9:05:03");
    EXPECT_EQ(DateTimeToStr(kMoment), "07.03.2024 9:05:03");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 7)), "07.03.2024") << "midnight shows no time";
}

TEST(DateTimeTextTest, FormatLettersAndLiterals) {
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:mm:ss.zzz", kMoment), "2024.03.07 09:05:03.042");
    EXPECT_EQ(FormatDateTime("d-m-yy h:n 'at' \"x\"", kMoment), "7-3-24 9:5 at x");
    EXPECT_EQ(FormatDateTime("hh:mm", kMoment, tk::machineFormat()), "09:05");
    TFormatSettings looping = FormatSettings;
    looping.ShortDateFormat = "c";
    EXPECT_EQ(FormatDateTime("c", kMoment, looping), " 9:05:03");
}

TEST(DateTimeTextTest, StrToDateFollowsTheShortDateFormat) {
    EXPECT_EQ(StrToDate(" 07.03.2024 "), EncodeDate(2024, 3, 7));
    TFormatSettings us = FormatSettings;
    us.ShortDateFormat = "MM/dd/yyyy";
    us.DateSeparator = '/';
    EXPECT_EQ(StrToDate("3/7/2024", us), EncodeDate(2024, 3, 7));
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    EXPECT_EQ(StrToDate("1.2"), EncodeDate(year, 2, 1)) << "no year: this year";
    int shortYear = 0;
    DecodeDate(StrToDate("1.2.05"), shortYear, month, day);
    EXPECT_LE(std::abs(shortYear - year), 50);
    EXPECT_EQ(shortYear % 100, 5);
    DecodeDate(StrToDate("1.2.0005"), shortYear, month, day);
    EXPECT_EQ(shortYear, 5) << "four digits are taken as written";
    for (const char* bad : {"", "7", "32.01.2024", "29.02.2023", "07/03/2024", "07.03.2024.1", "a.b.c", "7..3"})
        EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
}

TEST(DateTimeTextTest, StrToTimeAndStrToDateTime) {
    EXPECT_EQ(StrToTime("9:05"), EncodeTime(9, 5, 0, 0));
    EXPECT_EQ(StrToTime("23:59:59.5"), EncodeTime(23, 59, 59, 5));
    EXPECT_EQ(StrToDateTime("07.03.2024  9:05:03"), EncodeDate(2024, 3, 7) + EncodeTime(9, 5, 3, 0));
    EXPECT_EQ(StrToDateTime("07.03.2024"), EncodeDate(2024, 3, 7));
    for (const char* bad : {"9", "24:00", "9:60", "9:05:03.1000", "9-05"})
        EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
    EXPECT_THROW(StrToDateTime("07.03.2024 x"), EConvertError);
}

} // namespace
