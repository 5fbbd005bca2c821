// Julian day numbers against known dates and a round trip over a wide range.
#include "engine/JulianDate.h"

#include <gtest/gtest.h>

namespace {

TEST(JulianDateTest, KnownDaysAndRoundTrip) {
    EXPECT_EQ(ce::julianFromDate({1899, 12, 30}), 2415019);
    EXPECT_EQ(ce::julianFromDate({1, 1, 1}), 1721426);
    EXPECT_EQ(ce::julianFromDate({2000, 3, 1}) - ce::julianFromDate({2000, 2, 28}), 2);
    EXPECT_EQ(ce::julianFromDate({1900, 3, 1}) - ce::julianFromDate({1900, 2, 28}), 1);
    for (int64_t day = 1721426; day < 5373484; day += 997) {
        const ce::CalendarDate date = ce::dateFromJulian(day);
        ASSERT_TRUE(ce::isValidDate(date)) << day;
        ASSERT_EQ(ce::julianFromDate(date), day);
    }
}

TEST(JulianDateTest, StorageTextIsStrict) {
    EXPECT_EQ(ce::julianToStorageText(2415019), "18991230");
    EXPECT_EQ(ce::julianToStorageText(1721425), "");
    EXPECT_EQ(ce::storageTextToJulian("18991230"), 2415019);
    for (const char* bad : {"1899123", "189912300", "1899-1-1", "18991232", "19000229", "00000101", "abcdefgh"})
        EXPECT_FALSE(ce::storageTextToJulian(bad)) << bad;
}

} // namespace
