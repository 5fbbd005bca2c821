// Streets of the city. Sections are short enough that house numbers stay within 1 to 120 on
// either side; a few streets have fixed roles (the main street, the prospect, the embankments,
// the station street, the factory street, the shortest lane), the rest take names in the
// order of the seed.
#include "makecity/StreetNetwork.h"

#include <algorithm>

#include "citycategories/CityCategory.h"
#include "makecity/Shapes.h"
#include "makecity/StreetNames.h"

namespace city {
namespace {

constexpr int kLongestHorizontal = 8;
constexpr int kLongestVertical = 12;
// Streets are labelled on every third segment, and on the only one of a short street.
constexpr int kLabelEvery = 3;

} // namespace

StreetNetwork::StreetNetwork(const CityGrid& grid, Random& random, CityPlan& plan) : grid_(grid) {
    horizontal_.assign(static_cast<size_t>(grid.columns() * (grid.rows() + 1)), -1);
    vertical_.assign(static_cast<size_t>((grid.columns() + 1) * grid.rows()), -1);
    for (int row = 0; row <= grid.rows(); ++row)
        cutLine(true, row);
    for (int column = 0; column <= grid.columns(); ++column)
        cutLine(false, column);
    nameStreets(random);
    for (Street& street : streets_) {
        street.id = static_cast<uint16_t>(plan.streets.size() + 1);
        plan.streets.push_back({street.id, street.name});
    }
    addObjects(random, plan);
}

void StreetNetwork::cutLine(bool horizontal, int line) {
    const int length = horizontal ? grid_.columns() : grid_.rows();
    const int longest = horizontal ? kLongestHorizontal : kLongestVertical;
    auto exists = [&](int i) {
        return horizontal ? grid_.hasHorizontal(i, line) : grid_.hasVertical(line, i);
    };
    for (int start = 0; start < length;) {
        if (!exists(start)) {
            ++start;
            continue;
        }
        int end = start;
        while (end + 1 < length && exists(end + 1))
            ++end;
        const int run = end - start + 1;
        const int sections = (run + longest - 1) / longest;
        for (int section = 0; section < sections; ++section) {
            Street street;
            street.horizontal = horizontal;
            street.line = line;
            street.first = start + run * section / sections;
            street.last = start + run * (section + 1) / sections - 1;
            const int index = static_cast<int>(streets_.size());
            for (int i = street.first; i <= street.last; ++i) {
                if (horizontal)
                    horizontal_[line * grid_.columns() + i] = index;
                else
                    vertical_[i * (grid_.columns() + 1) + line] = index;
            }
            streets_.push_back(street);
        }
        start = end + 1;
    }
}

void StreetNetwork::nameStreets(Random& random) {
    StreetNames names(random);
    // A role names the first section of its line; further sections take ordinary names.
    auto horizontalNamed = [&](int row, std::string_view name, float width) {
        for (Street& s : streets_)
            if (s.horizontal && s.line == row && s.name.empty()) {
                s.name = names.take(name);
                s.width = width;
                return;
            }
    };

    // The main street runs along the river's northern quarters in the middle band.
    const int mainRow = grid_.rows() / 2 / CityGrid::kBand * CityGrid::kBand + CityGrid::kRiverRow - 1;
    horizontalNamed(mainRow, StreetNames::kMain, 22);
    for (int band = 0; band < grid_.rows(); band += CityGrid::kBand) {
        horizontalNamed(band + CityGrid::kRiverRow, StreetNames::kUpperEmbankment, 18);
        horizontalNamed(band + CityGrid::kRiverRow + 1, StreetNames::kLowerEmbankment, 18);
        horizontalNamed(band + CityGrid::kRailwayRow, StreetNames::kStation, 16);
        horizontalNamed(band + CityGrid::kIndustryRow + 1, StreetNames::kFactory, 16);
    }
    const int prospect = grid_.districtStart(1) + 1;
    for (Street& s : streets_)
        if (!s.horizontal && s.line == prospect && s.name.empty()) {
            s.name = names.take(StreetNames::kProspect);
            s.width = 26;
            break;
        }
    // The shortest street still without a name becomes the lane.
    Street* lane = nullptr;
    for (Street& s : streets_)
        if (s.name.empty() && (lane == nullptr || s.last - s.first < lane->last - lane->first))
            lane = &s;
    if (lane != nullptr) {
        lane->name = names.take(StreetNames::kLane);
        lane->width = 8;
    }
    for (Street& s : streets_)
        if (s.name.empty()) {
            s.name = names.next();
            s.width = static_cast<float>(random.between(6, 8) * 2);
        }
}

std::vector<Point> StreetNetwork::course(const Street& street) const {
    std::vector<Point> points;
    for (int i = street.first; i <= street.last + 1; ++i)
        points.push_back(street.horizontal ? grid_.node(i, street.line) : grid_.node(street.line, i));
    return points;
}

void StreetNetwork::addObjects(Random& random, CityPlan& plan) const {
    bool dashed = false;
    for (const Street& street : streets_) {
        const std::vector<Point> points = course(street);
        Feature road = shapeFeature(Kind::Polyline, cat::Street, points);
        road.style.penWidth = static_cast<int32_t>(street.width);
        road.style.caps = street.width >= 20 || random.chance(0.4) ? 1 : 0;
        if (street.width >= 20)
            road.style.penColor = 0x0080E0FF;
        // One unpaved road on the city's edge is drawn dashed.
        if (!dashed && (street.line == 0 || street.line == grid_.rows()) && street.horizontal) {
            road.style.penStyle = psDash;
            road.style.caps = 0;
            dashed = true;
        }
        const float half = street.width / 2;
        frameAround(road, {road.corners[0] - Point{half, half}, road.corners[2] + Point{half, half}});
        plan.add(std::move(road));

        for (size_t i = 0; i + 1 < points.size(); ++i) {
            if (points.size() > 2 && i % kLabelEvery != 1)
                continue;
            const int32_t size = static_cast<int32_t>(street.width * 0.8f) + random.between(4, 12);
            Feature label = textFeature(cat::Street, (points[i] + points[i + 1]) * 0.5f,
                                        uprightAngle(points[i], points[i + 1]), size, street.name);
            label.label->fontIndex = street.width >= 20 ? 1 : 0;
            plan.add(std::move(label));
        }
    }
}

} // namespace city
