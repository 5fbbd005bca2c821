// UPPER, LOWER, LIKE and the CE_ANSI collation against src/base: every letter of code page 1251
// folds as the toolkit folds it, and text sorts as the case-insensitive index keys do.
#include "engine/SqlFunctions.h"

#include "SqlTestSupport.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"
#include "base/SortWeight.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string u(const char* utf8) { return utf8; }

TEST(SqlFunctionsTest, FoldingAgreesWithTheCodePageForEveryByte) {
    for (int b = 1; b < 256; ++b) {
        const std::string ansi(1, static_cast<char>(b));
        if (base::unicodeToCp1251(base::cp1251ToUnicode(static_cast<unsigned char>(b))) != static_cast<unsigned char>(b))
            continue;
        const std::string text = base::cp1251ToUtf8(ansi);
        EXPECT_EQ(ce::upperUtf8(text), base::cp1251ToUtf8(base::upperCp1251(ansi))) << b;
        EXPECT_EQ(ce::lowerUtf8(text), base::cp1251ToUtf8(base::lowerCp1251(ansi))) << b;
    }
    EXPECT_EQ(ce::upperUtf8(u("ёлка Ёж éa")), u("ЁЛКА ЁЖ éA")) << "code points outside CP1251 stay";
}

TEST(SqlFunctionsTest, CollationSortsLikeIndexKeysAndIsExactOnTies) {
    const char* ordered[] = {"1000", "Apple", "АВТО", "Автомир", "автомир", "Аптека", "Ёж", "ёлка", "Жук", "яхта"};
    for (size_t i = 0; i + 1 < std::size(ordered); ++i) {
        EXPECT_LT(ce::compareAnsiUtf8(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_GT(ce::compareAnsiUtf8(ordered[i + 1], ordered[i]), 0);
        const int weights = base::compareTextCp1251(base::utf8ToCp1251(ordered[i]), base::utf8ToCp1251(ordered[i + 1]));
        EXPECT_LE(weights, 0) << "never against the index order";
    }
    EXPECT_EQ(ce::compareAnsiUtf8(u("Кафе"), u("Кафе")), 0);
    EXPECT_NE(ce::compareAnsiUtf8(u("Кафе"), u("КАФЕ")), 0);
    EXPECT_LT(ce::compareAnsiUtf8(u("Каф"), u("Кафе")), 0);
    // Texts that part inside a character: "Ж" (D0 96) and "Я" (D0 AF) share their first byte.
    EXPECT_LT(ce::compareAnsiUtf8(u("ЕЖ"), u("ЕЯ")), 0);
    EXPECT_LT(ce::compareAnsiUtf8(u("Ёж"), u("ж")), 0);
    EXPECT_GT(ce::compareAnsiUtf8(u("яa"), u("Я")), 0);
}

TEST(SqlFunctionsTest, SlotConversionAgreesWithTheCodePage) {
    for (const char* text : {"", "abc", "Ёлка & «Co» №1", "é€ 中", "\xD0", "\xC0\x80x"}) {
        unsigned char slot[12];
        ce::utf8ToCp1251Slot(text, slot, sizeof slot);
        std::string expected = base::utf8ToCp1251(text).substr(0, sizeof slot);
        expected.resize(sizeof slot, ' ');
        EXPECT_EQ(std::string(reinterpret_cast<char*>(slot), sizeof slot), expected) << text;
    }
}

TEST(SqlFunctionsTest, LikeIsCaseSensitiveWithWildcardsAndEscape) {
    EXPECT_TRUE(ce::likeUtf8(u("%АВТО%"), u("ЦЕНТР АВТОМИР"), 0));
    EXPECT_FALSE(ce::likeUtf8(u("%АВТО%"), u("центр автомир"), 0));
    EXPECT_TRUE(ce::likeUtf8(u("Б%"), u("Банк"), 0));
    EXPECT_FALSE(ce::likeUtf8(u("Б%"), u("АБ"), 0));
    EXPECT_TRUE(ce::likeUtf8(u("%"), u(""), 0));
    EXPECT_TRUE(ce::likeUtf8(u("%%"), u("что угодно"), 0));
    EXPECT_TRUE(ce::likeUtf8(u("_Ж"), u("ЁЖ"), 0)) << "one character, not one byte";
    EXPECT_FALSE(ce::likeUtf8(u("Е%"), u("Ёж"), 0));
    EXPECT_TRUE(ce::likeUtf8(u("%a%b%c"), u("xxaxxbxxbxc"), 0));
    EXPECT_FALSE(ce::likeUtf8(u("%a%b%c"), u("xxaxxbxxbx"), 0));
    EXPECT_TRUE(ce::likeUtf8(u("100!%"), u("100%"), U'!'));
    EXPECT_FALSE(ce::likeUtf8(u("100!%"), u("1000"), U'!'));
}

class SqlFunctionsOnConnectionTest : public SqlFixture {};

TEST_F(SqlFunctionsOnConnectionTest, EveryEngineConnectionHasThem) {
    const CEHANDLE c = dictionary({});
    const CEHANDLE s = statement(c);
    const CEHANDLE cursor = direct(s, "SELECT upper('ёлка') AS A, lower('ЁЖ') AS B, ('ёж' LIKE 'Ё%') || (upper('ёж') LIKE 'Ё%')"
                                      " || ('x' COLLATE CE_ANSI < 'Y') || ('a_b' LIKE 'a#_b' ESCAPE '#') AS C,"
                                      " upper(NULL) IS NULL AS D");
    EXPECT_EQ(utf8(text(cursor, "A")), "ЁЛКА");
    EXPECT_EQ(utf8(text(cursor, "B")), "ёж");
    EXPECT_EQ(text(cursor, "C"), "0111");
    EXPECT_EQ(CeCloseTable(cursor), 0u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

} // namespace
