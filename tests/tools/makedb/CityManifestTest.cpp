// Reading the city manifest: the fields the database needs, and a damaged manifest refused.
#include "makedb/CityManifest.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace makedb {
namespace {

const char* const kSmall = R"({
  "city": "Город", "seed": 9, "sizeFactor": 2, "mashtab": 1644,
  "categories": [],
  "streets": [
    {"id": 1, "name": "ЛЕНИНА"}],
  "addresses": [
    {"objectId": 7, "streetId": 1, "street": "ЛЕНИНА", "house": "12А", "category": 13, "district": 54}],
  "objects": []
})";

TEST(CityManifestTest, SmallManifestGivesItsStreetsAndAddresses) {
    CityManifest m;
    std::string error;
    ASSERT_TRUE(CityManifest::parse(kSmall, m, error)) << error;
    EXPECT_EQ(m.seed, 9u);
    EXPECT_EQ(m.sizeFactor, 2);
    ASSERT_EQ(m.streets.size(), 1u);
    EXPECT_EQ(m.streets[0].name, "ЛЕНИНА");
    ASSERT_EQ(m.addresses.size(), 1u);
    EXPECT_EQ(m.addresses[0].objectId, 7);
    EXPECT_EQ(m.addresses[0].house, "12А");
    EXPECT_EQ(m.addresses[0].category, 13);
}

TEST(CityManifestTest, WrongFieldTypesAreRefused) {
    const std::pair<const char*, const char*> damage[] = {
        {"\"seed\": 9", "\"seed\": \"9\""},
        {"\"sizeFactor\": 2", "\"sizeFactor\": 0"},
        {"\"objectId\": 7", "\"objectId\": 7.5"},
        {"\"house\": \"12А\"", "\"house\": 12"},
        {"\"streets\": [", "\"streets\": 5, \"x\": ["},
    };
    for (const auto& [from, to] : damage) {
        std::string text = kSmall;
        text.replace(text.find(from), std::string(from).size(), to);
        CityManifest m;
        std::string error;
        EXPECT_FALSE(CityManifest::parse(text, m, error)) << to;
        EXPECT_FALSE(error.empty());
    }
    CityManifest m;
    std::string error;
    EXPECT_FALSE(CityManifest::load("/nonexistent/city.json", m, error));
}

} // namespace
} // namespace makedb
