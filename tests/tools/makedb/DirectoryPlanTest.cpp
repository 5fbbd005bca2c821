// The directory drawn for the bundled city (its determinism shows where the database suites
// compare the built database with a plan drawn again): of the sizes a city needs, with every
// variant the firm list and the firm cards handle, and with the few odd cases the program must
// survive (branches off the map, addresses without firms).
#include "makedb/DirectoryPlan.h"

#include "SampleCity.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <set>

namespace makedb {
namespace {

const DirectoryPlan& bundledPlan() {
    static const DirectoryPlan plan = DirectoryPlan::make(test::bundledManifest(), test::wordLists());
    return plan;
}

TEST(DirectoryPlanTest, SizesFitTheCityAndItsTables) {
    const DirectoryPlan& plan = bundledPlan();
    EXPECT_EQ(plan.firms.size(), 2000u);
    EXPECT_EQ(plan.rubrics.size(), test::wordLists().rubrics.size());
    EXPECT_GT(plan.streets.size(), test::bundledManifest().streets.size());
    for (const Firm& f : plan.firms) {
        EXPECT_GE(f.topics.size(), 1u);
        EXPECT_LE(f.topics.size(), 8u);
        EXPECT_GE(f.branches.size(), 1u);
        EXPECT_LE(f.branches.size(), 4u);
        EXPECT_LE(f.name.size(), 80u);
        EXPECT_LE(f.inetref.size(), 120u);
        for (const int32_t t : f.topics)
            EXPECT_TRUE(t >= 1 && t <= static_cast<int32_t>(plan.rubrics.size()));
        for (const Branch& b : f.branches) {
            EXPECT_LE(b.street.size(), 30u);
            EXPECT_LE(b.house.size(), 10u);
            EXPECT_LE(b.apartment.size(), 10u);
            EXPECT_LE(b.contact.size(), 60u);
        }
    }
    CityManifest twice = test::bundledManifest();
    twice.sizeFactor = 2;
    EXPECT_EQ(DirectoryPlan::make(twice, test::wordLists()).firms.size(), 4000u);
}

TEST(DirectoryPlanTest, NamesCoverTheAlphabetBarWithQuotesAndAmpersands) {
    std::set<std::string> initials;
    int quoted = 0;
    int ampersands = 0;
    int marked = 0;
    for (const Firm& f : bundledPlan().firms) {
        initials.insert(base::upperCp1251(f.name.substr(0, 1)));
        quoted += f.name.find('"') != std::string::npos;
        ampersands += f.name.find('&') != std::string::npos;
        marked += f.flags == 1;
    }
    for (const char* letter : {"1", "5", "9", "А", "Ё", "Щ", "Э", "Ю", "Я"})
        EXPECT_EQ(initials.count(base::utf8ToCp1251(letter)) == 1, std::string(letter) != "Ё") << letter;
    EXPECT_GE(initials.size(), 38u); // 9 digits, 28 letters of the bar and the quote
    EXPECT_GT(quoted, 100);
    EXPECT_GT(ampersands, 20);
    EXPECT_GT(marked, 10);
    EXPECT_LT(marked, 100);
}

TEST(DirectoryPlanTest, CardsMeetEveryWebMailAndPhoneVariant) {
    int web = 0, mail = 0, webThenMail = 0, blankAfterComma = 0, longPhones = 0, shortPhones = 0, noPhone = 0;
    for (const Firm& f : bundledPlan().firms) {
        const bool hasMail = f.inetref.find('@') != std::string::npos;
        const bool hasWeb = f.inetref.find("www.") != std::string::npos || f.inetref.find("http://") != std::string::npos;
        web += hasWeb && !hasMail;
        mail += hasMail && !hasWeb;
        webThenMail += f.inetref.rfind("www.", 0) == 0 && hasMail;
        blankAfterComma += f.inetref.find(", ") != std::string::npos;
        for (const Branch& b : f.branches) {
            noPhone += b.contact.empty();
            shortPhones += b.contact.size() == 5;
            longPhones += b.contact.rfind("83452", 0) == 0;
        }
    }
    for (int n : {web, mail, webThenMail, blankAfterComma, longPhones, shortPhones, noPhone})
        EXPECT_GT(n, 10);
}

TEST(DirectoryPlanTest, BranchesStandAtMapAddressesExceptAFew) {
    std::set<std::pair<std::string, std::string>> onMap;
    std::set<std::string> mapStreets;
    for (const ManifestAddress& a : test::bundledManifest().addresses) {
        onMap.insert({base::utf8ToCp1251(a.street), base::utf8ToCp1251(a.house)});
        mapStreets.insert(base::utf8ToCp1251(a.street));
    }
    std::set<std::pair<std::string, std::string>> used;
    int offMap = 0;
    for (const Firm& f : bundledPlan().firms)
        for (const Branch& b : f.branches) {
            const std::pair<std::string, std::string> address{b.street, b.house};
            if (b.mapObject == 0) {
                ++offMap;
                EXPECT_FALSE(mapStreets.count(b.street)) << b.street;
                continue;
            }
            EXPECT_TRUE(onMap.count(address)) << b.street << " " << b.house;
            used.insert(address);
        }
    EXPECT_GT(offMap, 3);
    EXPECT_LT(offMap, 100);
    EXPECT_LT(used.size(), onMap.size()); // some addresses keep no firm
}

} // namespace
} // namespace makedb
