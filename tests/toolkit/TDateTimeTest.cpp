// Encoding and decoding dates and times over the whole range.
#include "toolkit/TDateTime.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

TEST(TDateTimeTest, EncodeDateCountsFromTheEndOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    for (auto [y, m, d] : {std::tuple{1900, 2, 29}, {2023, 2, 29}, {2024, 13, 1}, {2024, 4, 31}, {0, 1, 1}, {10000, 1, 1}})
        EXPECT_THROW(EncodeDate(y, m, d), EConvertError) << y << "-" << m << "-" << d;
}

TEST(TDateTimeTest, DecodeDateInvertsEncodeOverTheWholeRange) {
    for (int serial = -693593; serial <= 2958465; serial += 997) {
        int y = 0, m = 0, d = 0;
        DecodeDate(serial < 0 ? serial - 0.75 : serial + 0.75, y, m, d); // 18:00 on that day
        EXPECT_EQ(EncodeDate(y, m, d), serial) << y << "-" << m << "-" << d;
    }
    int y = 0, m = 0, d = 0;
    DecodeDate(-1.25, y, m, d); // before the zero the fraction still counts forwards
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
}

TEST(TDateTimeTest, TimesEncodeAndDecodeToTheMillisecond) {
    const TDateTime t = EncodeTime(23, 59, 59, 999);
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(EncodeDate(2024, 5, 9) + t, h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 235959999);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(TDateTimeTest, TimeStampsAndEngineDaysAgree) {
    const TDateTime noon = EncodeDate(2001, 3, 4) + 0.5;
    const TTimeStamp stamp = DateTimeToTimeStamp(noon);
    EXPECT_EQ(stamp.Time, 43200000);
    EXPECT_EQ(stamp.Date, static_cast<int>(EncodeDate(2001, 3, 4)) + DateDelta);
    EXPECT_EQ(TimeStampToDateTime(stamp), noon);
    EXPECT_EQ(DateTimeToTimeStamp(EncodeDate(1, 1, 1)).Date, 1);
    const double msecs = TimeStampToMSecs(stamp);
    EXPECT_EQ(MSecsToTimeStamp(msecs).Date, stamp.Date);
    EXPECT_EQ(MSecsToTimeStamp(msecs).Time, stamp.Time);
    // 1 January 2000 is Julian day 2451545.
    EXPECT_EQ(tk::julianDayFromDateTime(EncodeDate(2000, 1, 1) + 0.9), 2451545);
    EXPECT_EQ(tk::julianDayFromDayCount(DateTimeToTimeStamp(EncodeDate(2000, 1, 1)).Date), 2451545);
    EXPECT_EQ(tk::julianDayFromDateTime(0), 2415019);
    EXPECT_EQ(tk::dayCountFromJulianDay(1721426), 1);
}

TEST(TDateTimeTest, DamagedValuesRaiseInsteadOfOverflowing) {
    int y = 0, m = 0, d = 0;
    EXPECT_THROW(DecodeDate(std::numeric_limits<double>::quiet_NaN(), y, m, d), EConvertError);
    EXPECT_THROW(DecodeDate(1e300, y, m, d), EConvertError);
    EXPECT_THROW(MSecsToTimeStamp(-1e300), EConvertError);
    EXPECT_THROW(tk::julianDayFromDateTime(std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_THROW(TimeStampToDateTime(TTimeStamp{0, 0}), EConvertError);
    EXPECT_THROW(TimeStampToDateTime(TTimeStamp{-1, 5}), EConvertError);
}

TEST(TDateTimeTest, TodayIsNowWithoutTheTime) {
    const TDateTime now = Now();
    const TDateTime today = Date();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GE(now + 1e-6, today);
    EXPECT_LT(now - today, 1.0001);
}

} // namespace
