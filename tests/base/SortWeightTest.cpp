// Sort weights of code page 1251: Russian alphabet order, case blindness, and keys that compare as
// bytes the way the texts do.
#include "base/SortWeight.h"
#include "base/CodePage.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string cp(const char* utf8) { return base::utf8ToCp1251(utf8); }

TEST(SortWeightTest, StreetListSortsInRussianAlphabetOrder) {
    std::vector<std::string> streets = {cp("Ясная"),  cp("ёлочная"), cp("Елецкая"), cp("абрикосовая"),
                                        cp("Жукова"), cp("1-я Линия"), cp("Zeta"),  cp("Ежовая")};
    std::sort(streets.begin(), streets.end(),
              [](const std::string& a, const std::string& b) { return base::compareTextCp1251(a, b) < 0; });
    const std::vector<std::string> expected = {cp("1-я Линия"), cp("Zeta"),    cp("абрикосовая"),
                                               cp("Ежовая"),    cp("Елецкая"), cp("ёлочная"),
                                               cp("Жукова"),    cp("Ясная")};
    EXPECT_EQ(streets, expected);
}

TEST(SortWeightTest, ComparisonIgnoresCaseOnly) {
    EXPECT_EQ(base::compareTextCp1251(cp("Ёжик"), cp("ёЖИК")), 0);
    EXPECT_LT(base::compareTextCp1251(cp("Ель"), cp("Ёж")), 0);
    EXPECT_LT(base::compareTextCp1251(cp("Ёж"), cp("Жук")), 0);
    EXPECT_LT(base::compareTextCp1251(cp("Лес"), cp("Лесная")), 0);
    EXPECT_GT(base::compareTextCp1251(cp("б"), cp("А")), 0);
}

TEST(SortWeightTest, KeysCompareAsBytesLikeTheText) {
    const std::vector<std::string> words = {cp("Ясная"), cp("ёлка"), cp("ЕЛЬ"), cp("abc"), cp("Ґанок"), cp("гора")};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byText = base::compareTextCp1251(a, b);
            const int byKey = base::sortKeyCp1251(a).compare(base::sortKeyCp1251(b));
            EXPECT_EQ(byText < 0, byKey < 0);
            EXPECT_EQ(byText == 0, byKey == 0);
        }
}

TEST(SortWeightTest, EveryByteHasANonZeroWeight) {
    for (int b = 0; b < 256; ++b)
        EXPECT_NE(base::sortWeightCp1251(static_cast<unsigned char>(b)), 0) << b;
}

} // namespace
