// Date formats of the engine: the formats the toolkit sets, reading and writing, and refusals.
#include "engine/DateFormat.h"

#include "engine/JulianDate.h"

#include <gtest/gtest.h>

namespace {

TEST(DateFormatTest, FormatsWriteAndReadDates) {
    const int64_t day = ce::julianFromDate({2007, 3, 9});
    const struct {
        const char* format;
        const char* text;
    } cases[] = {{"dd.MM.yyyy", "09.03.2007"}, {"MM/dd/ccyy", "03/09/2007"}, {"dd.MM.ccyy", "09.03.2007"},
                 {"d/M/yy", "9/3/07"},         {"yyyy-MM-dd", "2007-03-09"}};
    for (const auto& c : cases) {
        const auto format = ce::DateFormat::parse(c.format);
        ASSERT_TRUE(format) << c.format;
        EXPECT_EQ(format->format(day), c.text) << c.format;
        EXPECT_EQ(format->read(c.text), day) << c.format;
    }
    const auto format = ce::DateFormat::parse("dd.MM.yyyy");
    EXPECT_EQ(format->read("9.3.2007"), day);
    EXPECT_EQ(format->read(" 09/03/07"), day);
    EXPECT_FALSE(format->read("31.02.2007"));
    EXPECT_FALSE(format->read("09.03"));
    EXPECT_FALSE(format->read(""));
}

TEST(DateFormatTest, InvalidFormatsAreRefused) {
    for (const char* bad : {"", "dd.MM", "dd.MM.yyy", "ddd.MM.yyyy", "dd.dd.yyyy", "dd.MM.yyyy.xxxx", "cc.MM.dd"})
        EXPECT_FALSE(ce::DateFormat::parse(bad)) << bad;
}

} // namespace
