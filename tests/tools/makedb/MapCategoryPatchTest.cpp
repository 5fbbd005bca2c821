// The map patch: one addressed building of the bundled city gets the missing category, and the
// rewritten stream reads back as the same city otherwise.
#include "makedb/MapCategoryPatch.h"

#include "SampleCity.h"
#include "citycategories/CityCategory.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

namespace makedb {
namespace {

TEST(MapCategoryPatchTest, OneBuildingGetsTheMissingCategory) {
    const std::string original = testsupport::readFile(CITY_MAP);
    MapCategoryPatch patch;
    std::string patched;
    std::string error;
    ASSERT_TRUE(patch.apply(original, patched, error)) << error;
    EXPECT_NE(patch.objectId, 0);
    const auto before = test::mapAddresses(original);
    const auto after = test::mapAddresses(patched);
    ASSERT_EQ(before.size(), after.size());
    ASSERT_FALSE(after.empty());
    int changed = 0;
    for (auto a = before.begin(), b = after.begin(); a != before.end(); ++a, ++b) {
        ASSERT_EQ(a->first, b->first);
        if (a->second != b->second) {
            ++changed;
            EXPECT_EQ(b->second, MapCategoryPatch::kMissingCategory);
        }
    }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(city::cityCategory(MapCategoryPatch::kMissingCategory).id, city::cat::Undetermined)
        << "the category table the database is made from lacks it";
}

TEST(MapCategoryPatchTest, DamagedStreamIsRefused) {
    const std::string original = testsupport::readFile(CITY_MAP);
    MapCategoryPatch patch;
    std::string out;
    std::string error;
    EXPECT_FALSE(patch.apply(original.substr(0, original.size() / 2), out, error));
    EXPECT_NE(error.find("damaged"), std::string::npos);
}

} // namespace
} // namespace makedb
