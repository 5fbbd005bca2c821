// Buildings of the sample city. Each quarter of houses gets a row of houses along its two
// horizontal sides (the long rows) and a shorter row along its vertical sides, houses in the
// yards behind them, L-shaped houses on some corners and sheds in the middle. Most houses are
// rectangles; some are turned, skewed, L- or U-shaped, and one outline crosses itself.
#include "makecity/BuildingPlanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>

#include "citycategories/CityCategory.h"
#include "makecity/Shapes.h"

namespace city {
namespace {

// Rows along horizontal sides keep clear of the corner houses; rows along vertical sides keep
// clear of the deepest yard houses of the horizontal rows.
constexpr float kHorizontalMargin = 75;
constexpr float kVerticalMargin = 110;
constexpr float kCornerArm = 48;

Point rotated(Point p, Point around, double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    const Point v = p - around;
    return around + Point{static_cast<float>(v.x * std::cos(r) - v.y * std::sin(r)),
                          static_cast<float>(v.x * std::sin(r) + v.y * std::cos(r))};
}

std::vector<Point> rectangle(Point origin, Point along, Point inward, float width, float depth) {
    return {origin, origin + along * width, origin + along * width + inward * depth,
            origin + inward * depth};
}

} // namespace

BuildingPlanner::BuildingPlanner(const CityGrid& grid, const StreetNetwork& streets, Random& random)
    : grid_(grid), streets_(streets), random_(random) {
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column) {
            switch (grid.use(column, row)) {
            case CityGrid::Use::Houses:
                planHouses(column, row);
                break;
            case CityGrid::Use::Industry:
                planWorks(column, row);
                break;
            case CityGrid::Use::Railway:
                if (column == grid.columns() / 2)
                    planStation(column, row);
                break;
            default:
                break;
            }
        }
    number();
}

// Sides 0 north, 1 south, 2 west, 3 east. North and west houses stand on the even side of their
// street (south of it, east of it), south and east houses on the odd side.
BuildingPlanner::Side BuildingPlanner::side(int column, int row, int which) const {
    const auto c = grid_.cell(column, row);
    Side s;
    switch (which) {
    case 0:
        s = {c[0], c[1], {}, streets_.horizontalAt(column, row), false, true};
        break;
    case 1:
        s = {c[3], c[2], {}, streets_.horizontalAt(column, row + 1), true, true};
        break;
    case 2:
        s = {c[0], c[3], {}, streets_.verticalAt(column, row), false, false};
        break;
    default:
        s = {c[1], c[2], {}, streets_.verticalAt(column + 1, row), true, false};
        break;
    }
    const Point normal = rightNormal(unit(s.b - s.a));
    s.inward = (which == 0 || which == 3) ? normal : normal * -1.0f;
    return s;
}

int32_t BuildingPlanner::houseCategory(int district, bool mainStreet) {
    if (random_.chance(mainStreet ? 0.3 : 0.08)) {
        const int pick = random_.between(0, 19);
        if (pick < 3)
            return std::array<int32_t, 3>{cat::Commerce, cat::Authority, cat::Medicine}[pick];
        return cat::FirstBusiness + pick - 3;
    }
    const double stone = district == 1 ? 0.8 : 0.45;
    return random_.chance(stone) ? cat::StoneHouse : cat::WoodenHouse;
}

std::vector<Point> BuildingPlanner::buildingShape(Point origin, Point along, Point inward, float width,
                                                  float depth) {
    const int pick = random_.between(0, 99);
    std::vector<Point> shape = rectangle(origin, along, inward, width, depth);
    if (pick < 65)
        return shape;
    if (pick < 75) { // turned a little about its middle
        const Point middle = (shape[0] + shape[2]) * 0.5f;
        const double degrees = random_.real(5, 20) * (random_.chance(0.5) ? 1 : -1);
        for (Point& p : shape)
            p = rotated(p, middle, degrees);
        return shape;
    }
    if (pick < 83) { // an irregular quadrilateral, or once the outline that crosses itself
        if (!crossedShapeMade_) {
            crossedShapeMade_ = true;
            std::swap(shape[2], shape[3]);
            return shape;
        }
        shape[2] = shape[2] + Point{random_.real(-8, 8), random_.real(-8, 8)};
        return shape;
    }
    const float wing = width * 0.4f;
    const float deep = depth * 1.7f;
    if (pick < 93) // L: one end reaches deeper into the yard
        return {origin, origin + along * width, origin + along * width + inward * depth,
                origin + along * wing + inward * depth, origin + along * wing + inward * deep,
                origin + inward * deep};
    const float notch = width * 0.3f; // U: a court open to the yard
    return {origin,
            origin + along * width,
            origin + along * width + inward * deep,
            origin + along * (width - notch) + inward * deep,
            origin + along * (width - notch) + inward * (deep * 0.4f),
            origin + along * notch + inward * (deep * 0.4f),
            origin + along * notch + inward * deep,
            origin + inward * deep};
}

size_t BuildingPlanner::keep(Feature feature) {
    buildings_.push_back(std::move(feature));
    return buildings_.size() - 1;
}

size_t BuildingPlanner::front(const Side& side, Point where, Feature feature, std::string suffix) {
    const size_t building = keep(std::move(feature));
    frontages_.push_back({side.street, side.odd, side.horizontal ? where.x : where.y, building,
                          std::move(suffix), {}});
    return frontages_.size() - 1;
}

void BuildingPlanner::planSide(const Side& s, float margin, int district) {
    const float sideLength = length(s.b - s.a);
    const Point along = unit(s.b - s.a);
    const StreetNetwork::Street& street = streets_.streets()[static_cast<size_t>(s.street)];
    const bool mainStreet = street.width >= 18;
    for (float t = margin; t + 20 <= sideLength - margin;) {
        const float width = std::min(random_.real(20, 45), sideLength - margin - t);
        const float setback = street.width / 2 + random_.real(4, 8);
        const float depth = random_.real(16, 34);
        const Point origin = s.a + along * t + s.inward * setback;
        const int32_t category = houseCategory(district, mainStreet);
        const size_t frontage = front(s, origin + along * (width / 2),
                                      shapeFeature(Kind::Polygon, category,
                                                   buildingShape(origin, along, s.inward, width, depth)));

        // Yard houses share the front house's number with a letter.
        float yardDepth = setback + depth * 1.7f + random_.real(6, 10);
        static constexpr std::pair<const char*, double> kYards[] = {{"А", 0.42}, {"Б", 0.25}};
        for (const auto& [letter, chance] : kYards) {
            if (!random_.chance(chance))
                break;
            const float yardWidth = std::max(12.0f, width * 0.6f);
            const float depthHere = random_.real(10, 16);
            const Point yardOrigin = s.a + along * (t + width * 0.15f) + s.inward * yardDepth;
            const int32_t yardCategory = houseCategory(district, /*mainStreet=*/false);
            dependents_.push_back({keep(shapeFeature(Kind::Polygon, yardCategory,
                                                     rectangle(yardOrigin, along, s.inward, yardWidth,
                                                               depthHere))),
                                   frontage, letter});
            yardDepth += depthHere + 6;
        }

        // Now and then a kiosk of another trade at the very same address.
        if (!sharedAddressMade_ || random_.chance(0.005)) {
            sharedAddressMade_ = true;
            const int32_t trade = buildings_[frontages_[frontage].building].category == 106 ? 105 : 106;
            const Point kiosk = s.a + along * (t + width + 1) + s.inward * setback;
            dependents_.push_back(
                {keep(shapeFeature(Kind::Polygon, trade, rectangle(kiosk, along, s.inward, 5, 5))),
                 frontage, ""});
        }
        t += width + random_.real(6, 18);
    }
}

void BuildingPlanner::planCorner(const Side& s, Point corner, Point along, int district) {
    const StreetNetwork::Street& street = streets_.streets()[static_cast<size_t>(s.street)];
    const Point origin = corner + along * (street.width / 2 + 6) + s.inward * (street.width / 2 + 6);
    const float thick = random_.real(14, 20);
    const float arm = random_.real(36, kCornerArm);
    const std::vector<Point> shape{origin,
                                   origin + along * arm,
                                   origin + along * arm + s.inward * thick,
                                   origin + along * thick + s.inward * thick,
                                   origin + along * thick + s.inward * arm,
                                   origin + s.inward * arm};
    const size_t frontage =
        front(s, origin, shapeFeature(Kind::Polygon, houseCategory(district, /*mainStreet=*/false), shape),
              "/" + std::to_string(random_.between(1, 40)));
    if (!longHouseMade_) { // the longest house number a map holds
        longHouseMade_ = true;
        frontages_[frontage].house = "123/45";
    }
}

void BuildingPlanner::planHouses(int column, int row) {
    const int district = grid_.district(column);
    for (int which = 0; which < 4; ++which) {
        const Side s = side(column, row, which);
        if (s.street < 0)
            continue;
        planSide(s, which < 2 ? kHorizontalMargin : kVerticalMargin, district);
        if (which >= 2)
            continue;
        const Point along = unit(s.b - s.a);
        if (random_.chance(0.35))
            planCorner(s, s.a, along, district);
        if (random_.chance(0.35))
            planCorner(s, s.b, along * -1.0f, district);
    }
    const Point middle = grid_.cellCenter(column, row);
    for (int shed = random_.between(2, 4); shed > 0; --shed) {
        const Point at = middle + Point{random_.real(-60, 50), random_.real(-60, 50)};
        keep(shapeFeature(Kind::Polygon, random_.chance(0.7) ? cat::WoodenHouse : cat::StoneHouse,
                          rectangle(at, {1, 0}, {0, 1}, random_.real(8, 14), random_.real(6, 10))));
    }
}

// Works: a few large halls in one group; the first works holds a workshop group of its own,
// the second carries an address as a whole.
void BuildingPlanner::planWorks(int column, int row) {
    const Point middle = grid_.cellCenter(column, row);
    std::vector<Feature> halls;
    for (const Point offset : {Point{-150, -130}, Point{20, -130}, Point{-150, 30}, Point{20, 30}}) {
        if (halls.size() >= 2 && random_.chance(0.3))
            continue;
        halls.push_back(shapeFeature(Kind::Polygon, cat::Industry,
                                     rectangle(middle + offset, {1, 0}, {0, 1}, random_.real(90, 130),
                                               random_.real(60, 95))));
    }
    if (works_ == 0) {
        std::vector<Feature> workshop;
        for (const float dx : {-40.0f, 10.0f})
            workshop.push_back(shapeFeature(Kind::Polygon, cat::Industry,
                                            rectangle(middle + Point{dx, -12}, {1, 0}, {0, 1}, 30, 24)));
        halls.push_back(groupFeature(cat::Industry, std::move(workshop)));
    }
    Feature works = groupFeature(cat::Industry, std::move(halls));
    const Side north = side(column, row, 0);
    if (works_ == 1 && north.street >= 0)
        front(north, middle, std::move(works));
    else
        keep(std::move(works));
    ++works_;
}

void BuildingPlanner::planStation(int column, int row) {
    const Side north = side(column, row, 0);
    if (north.street < 0)
        return;
    const Point along = unit(north.b - north.a);
    const float sideLength = length(north.b - north.a);
    const Point origin = north.a + along * (sideLength * 0.3f) + north.inward * 30;
    front(north, origin, shapeFeature(Kind::Polygon, cat::Transport,
                                      rectangle(origin, along, north.inward, sideLength * 0.4f, 45)));
}

void BuildingPlanner::number() {
    std::map<std::pair<int, bool>, std::vector<size_t>> sides;
    for (size_t i = 0; i < frontages_.size(); ++i)
        sides[{frontages_[i].street, frontages_[i].odd}].push_back(i);
    houses_.assign(frontages_.size(), {});
    for (auto& [key, members] : sides) {
        std::stable_sort(members.begin(), members.end(), [this](size_t a, size_t b) {
            return frontages_[a].along < frontages_[b].along;
        });
        for (size_t n = 0; n < members.size(); ++n) {
            const Frontage& f = frontages_[members[n]];
            const int number = static_cast<int>(2 * n) + (key.second ? 1 : 2);
            houses_[members[n]] = f.house.empty() ? std::to_string(number) + f.suffix : f.house;
        }
    }
    const auto& streets = streets_.streets();
    for (size_t i = 0; i < frontages_.size(); ++i)
        buildings_[frontages_[i].building].address =
            Feature::Address{streets[static_cast<size_t>(frontages_[i].street)].id, houses_[i]};
    for (const Dependent& d : dependents_)
        buildings_[d.building].address =
            Feature::Address{streets[static_cast<size_t>(frontages_[d.frontage].street)].id,
                             houses_[d.frontage] + d.suffix};
}

void BuildingPlanner::addTo(CityPlan& plan) {
    for (Feature& building : buildings_)
        plan.add(std::move(building));
    buildings_.clear();
}

} // namespace city
