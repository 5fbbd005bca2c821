// The street dictionary: case-blind Cyrillic look-up and the ids it keeps.
#include "map/StreetDictionary.h"

#include <gtest/gtest.h>

#include "toolkit/AnsiString.h"

namespace {

AnsiString cp(const char* utf8) { return tk::fromUtf8(utf8); }

TEST(StreetDictionaryTest, FindsCyrillicNamesWithoutRegardToCase) {
    mapi::StreetDictionary names;
    EXPECT_TRUE(names.Add(cp("САДОВАЯ"), 4));
    EXPECT_TRUE(names.Add(cp("ЁЛОЧНАЯ"), 2));
    EXPECT_FALSE(names.Add(cp("садовая"), 9));
    EXPECT_EQ(names.Find(cp("Садовая")), 4);
    EXPECT_EQ(names.Find(cp("ёлочная")), 2);
    EXPECT_FALSE(names.Find(cp("ЛЕСНАЯ")).has_value());
}

TEST(StreetDictionaryTest, AddAllKeepsHeldAndFirstGivenIds) {
    mapi::StreetDictionary names;
    names.Add(cp("А"), 1);
    names.AddAll({{cp("В"), 5}, {cp("а"), 7}, {cp("в"), 6}, {cp("Б"), 3}});
    EXPECT_EQ(names.Count(), 3);
    EXPECT_EQ(names.Find(cp("А")), 1);
    EXPECT_EQ(names.Find(cp("В")), 5);
    EXPECT_EQ(names.Entries()[1].Name, cp("Б")); // sorted
}

TEST(StreetDictionaryTest, NameOfAnUnknownIdIsEmpty) {
    mapi::StreetDictionary names;
    names.Add(cp("ЛЕНИНА"), 1);
    EXPECT_EQ(names.NameOf(1), cp("ЛЕНИНА"));
    EXPECT_EQ(names.NameOf(2), "");
}

} // namespace
