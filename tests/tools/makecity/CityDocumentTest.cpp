// The bundled city written as a map stream and read back by the map's own reader: intact, with
// its districts, streets and addresses, and alike in every layout version.
#include "makecity/CityDocument.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <string>

#include "BundledCity.h"
#include "toolkit/AnsiString.h"

namespace city {
namespace {

using test::bundledCity;
using test::loadCity;

TEST(CityDocumentTest, SizeFactorMultipliesTheCityThatLoadsIntact) {
    const CityPlan plan = buildCity(test::kSeed, 3);
    EXPECT_NEAR(static_cast<double>(plan.features.size()) / bundledCity().features.size(), 3, 0.5);
    EXPECT_NEAR(static_cast<double>(plan.streets.size()) / bundledCity().streets.size(), 3, 0.6);
    const double area = plan.view.x * plan.view.x;
    EXPECT_NEAR(area, 3 * bundledCity().view.x * bundledCity().view.x, 0.2 * area) << "the view starts at the corner";
    const auto model = test::loadMap(mapstream::WriteMapStream(cityDocument(plan, 6)));
    ASSERT_FALSE(model->Damaged()) << model->DamageMessage();
    EXPECT_EQ(model->Objects().Count(), static_cast<int>(plan.features.size()));
    EXPECT_EQ(model->Content().StreetNames.Count(), static_cast<int>(plan.streets.size()));
}

TEST(CityDocumentTest, BundledCityLoadsIntactAndTheMapsAddressSearchFindsEveryAddress) {
    const auto model = loadCity(6);
    const CityPlan& plan = bundledCity();
    ASSERT_FALSE(model->Damaged()) << model->DamageMessage();
    EXPECT_EQ(model->Header.Version, 6u);
    EXPECT_EQ(model->Header.NameMap.str(), tk::fromUtf8("Валдрен"));
    EXPECT_EQ(model->Header.Mashtab, 1644);
    EXPECT_EQ(model->Objects().Count(), static_cast<int>(plan.features.size()));
    EXPECT_GT(model->Header.NextObjectId, 6326u);
    EXPECT_EQ(model->Content().StreetNames.Count(), static_cast<int>(plan.streets.size()));
    int checked = 0;
    for (const Feature& f : plan.features) {
        if (!f.address)
            continue;
        const AnsiString street = tk::fromUtf8(plan.findStreet(f.address->streetId)->name);
        const int index = model->FindObjectByAddress(f.category, street, tk::fromUtf8(f.address->house));
        ASSERT_GE(index, 0) << tk::toUtf8(street) << " " << f.address->house;
        EXPECT_EQ(model->Objects()[index].Id, f.id) << tk::toUtf8(street) << " " << f.address->house;
        ++checked;
    }
    EXPECT_GE(checked, 3000);
}

// What a map read from an older layout holds, made from the current one: whole degrees,
// old notes of the "DEFAULT" library by icon number, and below 4 no centre, short house
// numbers and no groups.
void asOlderLayout(const TKEXMapObjectMem& r, uint32_t version, TKexMapList& into) {
    if (version < 4 && r.Kind == mapi::kindGroup) {
        for (int i = 0; i < r.Children()->Count(); ++i)
            asOlderLayout((*r.Children())[i], version, into);
        return;
    }
    TKEXMapObjectMem old = r;
    if (const TKEXMapText* text = r.Text()) {
        TKEXMapText t = *text;
        t.Angle = t.Angle / 10 * 10;
        old.SetText(t);
    }
    if (const TKEXMapZametka* note = r.Note(); note && version < 5) {
        TKEXMapZametka n = *note;
        const AnsiString pic = n.PicName.str();
        int icon = 0;
        std::from_chars(pic.data(), pic.data() + pic.size(), icon);
        n.LibName.assign("DEFAULT");
        n.PicName.assign(std::to_string(icon));
        old.SetNote(n);
    }
    if (const TKexMapList* children = r.Children()) {
        TKexMapList converted;
        for (int i = 0; i < children->Count(); ++i)
            asOlderLayout((*children)[i], version, converted);
        old.SetChildren(std::move(converted));
    }
    if (version < 4) {
        old.Reserved1 = -1;
        const auto c0 = r.Corners[0];
        const auto c2 = r.Corners[2];
        old.Center = r.Kind == mapi::kindText
                         ? c0
                         : mapi::WorldPoint{c0.x + std::abs(c0.x - c2.x) / 2, c0.y + std::abs(c0.y - c2.y) / 2};
        if (old.Address)
            old.Address->House.assign(old.Address->House.str().substr(0, 4));
    }
    into.AddObjectCopy(std::move(old));
}

class CityDocumentVersionTest : public testing::TestWithParam<uint32_t> {};

TEST_P(CityDocumentVersionTest, OlderLayoutLoadsToTheSameCity) {
    const uint32_t version = GetParam();
    const auto current = loadCity(6);
    const auto older = loadCity(version);
    ASSERT_FALSE(older->Damaged()) << older->DamageMessage();
    EXPECT_EQ(older->Header.Version, version);
    EXPECT_EQ(older->Content().StreetNames.Entries().size(), current->Content().StreetNames.Entries().size());

    TKexMapList expected;
    for (int i = 0; i < current->Objects().Count(); ++i)
        asOlderLayout(current->Objects()[i], version, expected);
    ASSERT_EQ(older->Objects().Count(), expected.Count());
    for (int i = 0; i < expected.Count(); ++i)
        ASSERT_TRUE(older->Objects()[i] == expected[i]) << "object " << i << " id " << expected[i].Id;
}

INSTANTIATE_TEST_SUITE_P(Layouts, CityDocumentVersionTest, testing::Values(3u, 4u, 5u));

TEST(CityDocumentTest, SameSeedWritesTheSameBytes) {
    const std::string first = mapstream::WriteMapStream(cityDocument(buildCity(test::kSeed, 1), 6));
    EXPECT_EQ(first, test::cityStream(6));
    EXPECT_NE(first, mapstream::WriteMapStream(cityDocument(buildCity(test::kSeed + 1, 1), 6)));
}

} // namespace
} // namespace city
