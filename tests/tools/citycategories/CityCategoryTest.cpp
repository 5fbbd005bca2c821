// The category table shared by the city builder and the database builder.
#include "citycategories/CityCategory.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace city {
namespace {

// Characters of a UTF-8 text.
size_t characters(std::string_view text) {
    size_t n = 0;
    for (const char c : text)
        n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

TEST(CityCategoryTest, TableHoldsTheMapVocabularyInIdOrder) {
    const auto table = cityCategories();
    ASSERT_EQ(table.size(), 39u);
    std::set<int32_t> ids;
    for (size_t i = 0; i < table.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(table[i - 1].id, table[i].id);
        }
        ids.insert(table[i].id);
        EXPECT_GT(characters(table[i].name), 0u);
        EXPECT_LE(characters(table[i].name), 40u) << table[i].name; // Category.Name
        EXPECT_LE(table[i].penStyle, psInsideFrame);
        EXPECT_LE(table[i].brushStyle, bsDiagCross);
        EXPECT_GE(table[i].layer, -32);
        EXPECT_LE(table[i].layer, 32);
    }
    for (int32_t id = 0; id <= 21; ++id)
        EXPECT_TRUE(ids.contains(id)) << id;
    for (int32_t id = 100; id <= 116; ++id)
        EXPECT_TRUE(ids.contains(id)) << id;
}

TEST(CityCategoryTest, LookUpFindsIdsAndFallsBackToUndetermined) {
    EXPECT_STREQ(cityCategory(cat::District).name, "Район");
    EXPECT_STREQ(cityCategory(cat::Park).name, "Парки, сады");
    EXPECT_EQ(cityCategory(cat::District).layer, -30);
    EXPECT_EQ(cityCategory(116).id, 116);
    EXPECT_EQ(cityCategory(50).id, cat::Undetermined);
    EXPECT_EQ(cityCategory(-1).id, cat::Undetermined);
    EXPECT_EQ(cityCategory(5000).id, cat::Undetermined);
}

} // namespace
} // namespace city
