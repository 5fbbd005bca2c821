// The pool of street names: the names every city shows, no repeats, the 30-character limit.
#include "makecity/StreetNames.h"

#include <gtest/gtest.h>

#include <set>

namespace city {
namespace {

TEST(StreetNamesTest, NamesNeverRepeatAndFitTheStreetTable) {
    Random random(5);
    StreetNames names(random);
    std::set<std::string> seen;
    size_t longest = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = names.next();
        EXPECT_TRUE(seen.insert(name).second) << name;
        longest = std::max(longest, StreetNames::characters(name));
    }
    EXPECT_EQ(longest, 30u);
    EXPECT_TRUE(seen.contains("МОЛОДЁЖНАЯ"));
    EXPECT_TRUE(seen.contains("2-Я ЛЕСНАЯ"));
    EXPECT_TRUE(seen.contains("ЧЕХОВА 2-Й ПЕР."));
}

TEST(StreetNamesTest, FirstNamesDoNotDependOnTheSeed) {
    Random one(1);
    Random two(2);
    StreetNames first(one);
    StreetNames second(two);
    for (const char* expected : {"ОКТЯБРЬСКАЯ", "МОЛОДЁЖНАЯ", "8 МАРТА", "ЛЕСНАЯ", "ЛУГОВАЯ"}) {
        EXPECT_EQ(first.next(), expected);
        EXPECT_EQ(second.next(), expected);
    }
}

TEST(StreetNamesTest, TakingANameTwiceGivesItsVariant) {
    Random random(1);
    StreetNames names(random);
    EXPECT_EQ(names.take(StreetNames::kUpperEmbankment), "ВЕРХНЯЯ НАБЕРЕЖНАЯ");
    EXPECT_EQ(names.take(StreetNames::kUpperEmbankment), "2-Я ВЕРХНЯЯ НАБЕРЕЖНАЯ");
    EXPECT_EQ(names.take(StreetNames::kLane), "ТИХИЙ ПЕР.");
    // A lane has no numbered variant; the next free name stands in.
    EXPECT_EQ(names.take(StreetNames::kLane), "ОКТЯБРЬСКАЯ");
    EXPECT_EQ(names.next(), "МОЛОДЁЖНАЯ");
}

TEST(StreetNamesTest, CharactersCountsLettersNotBytes) {
    EXPECT_EQ(StreetNames::characters("ЁЛКИ"), 4u);
    EXPECT_EQ(StreetNames::characters("8 МАРТА"), 7u);
    EXPECT_EQ(StreetNames::characters(""), 0u);
}

} // namespace
} // namespace city
