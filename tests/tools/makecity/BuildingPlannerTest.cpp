// Addresses of the bundled city: the forms house numbers take, odd and even sides, shared
// addresses, and the buildings of unusual shape.
#include "makecity/BuildingPlanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "BundledCity.h"
#include "citycategories/CityCategory.h"
#include "makecity/StreetNames.h"

namespace city {
namespace {

using test::bundledCity;

std::vector<const Feature*> addressed() {
    std::vector<const Feature*> out;
    for (const Feature& f : bundledCity().features)
        if (f.address)
            out.push_back(&f);
    return out;
}

bool segmentsCross(Point a, Point b, Point c, Point d) {
    auto side = [](Point p, Point q, Point r) { return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x); };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

bool crossesItself(const std::vector<Point>& outline) {
    const size_t n = outline.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 2; j < n; ++j)
            if ((j + 1) % n != i && segmentsCross(outline[i], outline[(i + 1) % n], outline[j], outline[(j + 1) % n]))
                return true;
    return false;
}

TEST(BuildingPlannerTest, HouseNumbersTakeEveryFormAndStayShort) {
    std::map<std::string, int> forms;
    int highest = 0;
    for (const Feature* f : addressed()) {
        const std::string& house = f->address->house;
        EXPECT_LE(StreetNames::characters(house), 6u) << house;
        const int number = std::atoi(house.c_str());
        EXPECT_GE(number, 1) << house;
        if (house == "123/45")
            ++forms["long"];
        else
            highest = std::max(highest, number);
        if (house.find('/') != std::string::npos)
            ++forms["corner"];
        if (house.ends_with("А"))
            ++forms["А"];
        if (house.ends_with("Б"))
            ++forms["Б"];
    }
    EXPECT_LE(highest, 120);
    EXPECT_GE(highest, 60);
    EXPECT_EQ(forms["long"], 1);
    EXPECT_GT(forms["corner"], 20);
    EXPECT_GT(forms["А"], 100);
    EXPECT_GT(forms["Б"], 20);
}

// Which side of the street's course a point lies on: +1 right (looking along it), -1 left.
int sideOf(const std::vector<Point>& course, Point p) {
    float best = 1e30f;
    int side = 0;
    for (size_t i = 0; i + 1 < course.size(); ++i) {
        const Point a = course[i];
        const Point d = course[i + 1] - a;
        const float t = std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y), 0.0f, 1.0f);
        const float distance = length(p - (a + d * t));
        if (distance < best) {
            best = distance;
            side = d.x * (p.y - a.y) - d.y * (p.x - a.x) > 0 ? 1 : -1;
        }
    }
    return side;
}

TEST(BuildingPlannerTest, NumbersRunOddOnOneSideEvenOnTheOther) {
    // Street courses are planned in the order of their ids.
    std::vector<std::vector<Point>> courses;
    for (const Feature& f : bundledCity().features)
        if (f.category == cat::Street && f.is(Kind::Polyline))
            courses.push_back(f.points);
    ASSERT_EQ(courses.size(), bundledCity().streets.size());

    std::map<std::pair<uint16_t, int>, std::set<int>> sides; // (street, parity) -> sides seen
    std::set<std::pair<uint16_t, std::string>> plain;
    for (const Feature* f : addressed()) {
        const std::string& house = f->address->house;
        if (house.find_first_not_of("0123456789") != std::string::npos || f->is(Kind::Group))
            continue;
        const uint16_t street = f->address->streetId;
        sides[{street, std::atoi(house.c_str()) % 2}].insert(sideOf(courses[street - 1], f->center));
        // A kiosk shares the number of the house it stands at.
        const bool kiosk = f->category == 105 || f->category == 106;
        if (!kiosk) {
            EXPECT_TRUE(plain.insert({street, house}).second) << house;
        }
    }
    for (const auto& [key, seen] : sides) {
        ASSERT_EQ(seen.size(), 1u) << "street " << key.first << " parity " << key.second;
        const auto other = sides.find({key.first, 1 - key.second});
        if (other != sides.end()) {
            EXPECT_NE(*seen.begin(), *other->second.begin());
        }
    }
}

TEST(BuildingPlannerTest, AddressAndCategoryTogetherNameOneObject) {
    std::set<std::tuple<uint16_t, std::string, int32_t>> keys;
    std::map<std::pair<uint16_t, std::string>, std::set<int32_t>> categories;
    for (const Feature* f : addressed()) {
        EXPECT_TRUE(keys.insert({f->address->streetId, f->address->house, f->category}).second);
        categories[{f->address->streetId, f->address->house}].insert(f->category);
    }
    const auto shared = std::count_if(categories.begin(), categories.end(),
                                      [](const auto& entry) { return entry.second.size() > 1; });
    EXPECT_GE(shared, 1);
}

TEST(BuildingPlannerTest, ShapesIncludeConcaveAndOneCrossedOutline) {
    int crossed = 0;
    std::map<size_t, int> corners;
    for (const Feature* f : addressed()) {
        if (!f->is(Kind::Polygon))
            continue;
        ++corners[f->points.size()];
        crossed += crossesItself(f->points) ? 1 : 0;
    }
    EXPECT_EQ(crossed, 1);
    EXPECT_GT(corners[4], 1000);
    EXPECT_GT(corners[6], 100); // L shapes
    EXPECT_GT(corners[8], 50);  // U shapes
}

TEST(BuildingPlannerTest, WorksAreGroupsOneNestedOneAddressed) {
    std::vector<const Feature*> groups;
    for (const Feature& f : bundledCity().features)
        if (f.is(Kind::Group))
            groups.push_back(&f);
    ASSERT_GE(groups.size(), 3u);
    const auto nested = std::count_if(groups.begin(), groups.end(), [](const Feature* g) {
        return std::any_of(g->children.begin(), g->children.end(),
                           [](const Feature& c) { return c.is(Kind::Group); });
    });
    const auto withAddress = std::count_if(groups.begin(), groups.end(),
                                           [](const Feature* g) { return g->address.has_value(); });
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(withAddress, 1);
    for (const Feature* g : groups) {
        for (const Feature& c : g->children) {
            EXPECT_FALSE(c.address.has_value());
            EXPECT_GE(c.corners[0].x, g->corners[0].x);
            EXPECT_LE(c.corners[2].y, g->corners[2].y);
        }
    }
}

} // namespace
} // namespace city
