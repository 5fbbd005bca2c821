// The word lists: comments and blank lines left out, and the shipped lists cover what the
// directory needs (about 150 rubrics, firm words for every letter of the alphabet bar).
#include "makedb/WordLists.h"

#include "SampleCity.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <set>

namespace makedb {
namespace {

TEST(WordListsTest, LinesSkipCommentsBlanksAndLineEnds) {
    EXPECT_EQ(WordLists::lines("# head\nАльфа\r\n\n  \nБета \n#x\nГамма"),
              (std::vector<std::string>{"Альфа", "Бета", "Гамма"}));
}

TEST(WordListsTest, MissingFolderIsRefused) {
    WordLists words;
    std::string error;
    EXPECT_FALSE(WordLists::load("/nonexistent", words, error));
    EXPECT_NE(error.find("rubrics.txt"), std::string::npos);
}

TEST(WordListsTest, ShippedListsCoverTheAlphabetBarAndTheRubrics) {
    const WordLists& words = test::wordLists();
    EXPECT_GE(words.rubrics.size(), 140u);
    EXPECT_LE(words.rubrics.size(), 170u);
    std::set<std::string> rubrics;
    for (const std::string& r : words.rubrics) {
        EXPECT_LE(base::utf8ToCp1251(r).size(), 45u) << r;
        EXPECT_TRUE(rubrics.insert(r).second) << "duplicate rubric " << r;
    }
    for (const char* r : {"Автосервис", "Автозапчасти", "Автостоянки", "Аптеки", "Банки", "Кафе", "Рестораны"})
        EXPECT_TRUE(rubrics.count(r)) << r;

    std::set<std::string> initials;
    for (const std::string& w : words.firmWords)
        initials.insert(base::upperCp1251(base::utf8ToCp1251(w).substr(0, 1)));
    for (const char* letter : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "А", "Б", "В", "Г", "Д", "Е", "Ж", "З",
                               "И", "К", "Л", "М", "Н", "О", "П", "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш", "Щ",
                               "Э", "Ю", "Я"})
        EXPECT_TRUE(initials.count(base::utf8ToCp1251(letter))) << letter;
}

} // namespace
} // namespace makedb
