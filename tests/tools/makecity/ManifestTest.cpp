// The manifest the database builder reads: every section, one element per line, text escaped,
// each address with its district.
#include "makecity/Manifest.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BundledCity.h"

namespace city {
namespace {

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(ManifestTest, ListsEveryAddressWithItsDistrict) {
    std::ostringstream out;
    writeManifest(test::bundledCity(), out);
    const std::string manifest = out.str();
    size_t addressed = 0;
    for (const Feature& f : test::bundledCity().features)
        addressed += f.address ? 1 : 0;
    EXPECT_EQ(countOf(manifest, "{\"objectId\": "), addressed);
    EXPECT_EQ(countOf(manifest, "\"district\": 0}"), 0u);
    EXPECT_EQ(countOf(manifest, "\"district\": 54}") + countOf(manifest, "\"district\": 1574}") +
                  countOf(manifest, "\"district\": 6326}"),
              addressed);
    EXPECT_NE(manifest.find("{\"id\": 1574, \"name\": \"Ленинский район\"}"), std::string::npos);
    EXPECT_NE(manifest.find("\"street\": \"8 МАРТА\""), std::string::npos);
    EXPECT_TRUE(manifest.ends_with("}\n  ]\n}\n"));
}

TEST(ManifestTest, SmallPlanGivesExactLinesWithEscapedText) {
    CityPlan plan;
    plan.name = "Город \"Н\"";
    plan.seed = 9;
    plan.mashtab = 1644;
    plan.streets.push_back({1, "ЛЕНИНА\\1"});
    Feature house;
    house.id = 7;
    house.category = 13;
    house.address = Feature::Address{1, "12А"};
    Feature child;
    child.id = 8;
    house.children.push_back(child);
    plan.features.push_back(house);

    std::ostringstream out;
    writeManifest(plan, out);
    const std::string manifest = out.str();
    EXPECT_EQ(manifest.rfind("{\n  \"city\": \"Город \\\"Н\\\"\",\n  \"seed\": 9,\n", 0), 0u);
    EXPECT_NE(manifest.find("  \"districts\": [],\n"), std::string::npos);
    EXPECT_NE(manifest.find("  \"streets\": [\n    {\"id\": 1, \"name\": \"ЛЕНИНА\\\\1\"}\n  ],\n"),
              std::string::npos);
    EXPECT_NE(manifest.find("{\"objectId\": 7, \"streetId\": 1, \"street\": \"ЛЕНИНА\\\\1\", \"house\": "
                            "\"12А\", \"category\": 13, \"district\": 0}"),
              std::string::npos);
    EXPECT_NE(manifest.find("{\"id\": 8, \"kind\": 0, \"category\": 0, \"plane\": 0, \"parent\": 7}\n  ]\n}\n"),
              std::string::npos);
}

} // namespace
} // namespace city
