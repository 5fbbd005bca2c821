// Upper and lower case of code page 1251: the Russian alphabet, the Ukrainian, Belarusian and Serbian
// letters, and the non-letters they leave alone.
#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const char* utf8) { return base::utf8ToCp1251(utf8); }

TEST(CaseMapTest, RussianUkrainianBelarusianAndSerbianLettersMapBothWays) {
    const std::string upper = cp("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯҐЄІЇЎЂЃЉЊЌЋЏЈЅ");
    const std::string lower = cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяґєіїўђѓљњќћџјѕ");
    ASSERT_EQ(upper.size(), 33u + 14u);
    EXPECT_EQ(base::upperCp1251(lower), upper);
    EXPECT_EQ(base::lowerCp1251(upper), lower);
}

TEST(CaseMapTest, NonLettersAreUnchanged) {
    const std::string symbols = cp("0123 №«»—,.!µ");
    EXPECT_EQ(base::upperCp1251(symbols), symbols);
    EXPECT_EQ(base::lowerCp1251(symbols), symbols);
    EXPECT_FALSE(base::isLetterCp1251(static_cast<unsigned char>(cp("№")[0])));
    EXPECT_TRUE(base::isLetterCp1251(static_cast<unsigned char>(cp("ё")[0])));
}

TEST(CaseMapTest, MapsAreInversesOnEveryLetter) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (!base::isLetterCp1251(byte))
            continue;
        const unsigned char upper = base::upperCp1251(byte);
        const unsigned char lower = base::lowerCp1251(byte);
        EXPECT_EQ(base::upperCp1251(lower), upper) << b;
        EXPECT_EQ(base::lowerCp1251(upper), lower) << b;
    }
}

} // namespace
