// Districts, water, green and relief of the sample city.
#include "makecity/NaturePlanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "citycategories/CityCategory.h"
#include "makecity/Shapes.h"

namespace city {
namespace {

struct DistrictInfo {
    uint32_t id;
    const char* name;
    const char* label;
    uint32_t fill;
};

// West, centre and east; the program names each district by its object id.
constexpr std::array<DistrictInfo, 3> kDistricts{{
    {54, "Октябрьский район", "ОКТЯБРЬСКИЙ РАЙОН", 0x00C8DCE4},
    {6326, "Центральный район", "ЦЕНТРАЛЬНЫЙ РАЙОН", 0x00D0E0D8},
    {1574, "Ленинский район", "ЛЕНИНСКИЙ РАЙОН", 0x00D8D4E4},
}};

constexpr std::array<const char*, 8> kParkNames{
    "Парк Победы", "Городской сад", "Сквер Строителей", "Парк культуры и отдыха",
    "Берёзовая роща", "Сад «Мичуринец»", "Сквер у фонтана", "Парк Дружбы",
};

constexpr float kRiverStep = 95;

} // namespace

void NaturePlanner::addTo(CityPlan& plan) {
    addDistricts(plan);
    for (int row = 0; row < grid_.rows(); ++row)
        for (int column = 0; column < grid_.columns(); ++column) {
            switch (grid_.use(column, row)) {
            case CityGrid::Use::Houses:
                addQuarter(plan, column, row);
                break;
            case CityGrid::Use::Park:
            case CityGrid::Use::Garden:
                addPark(plan, column, row, grid_.use(column, row) == CityGrid::Use::Garden);
                if (random_.chance(0.3))
                    addStream(plan, column, row);
                break;
            case CityGrid::Use::Field:
                addRelief(plan, column, row);
                if (random_.chance(0.3))
                    addStream(plan, column, row);
                break;
            case CityGrid::Use::Lake:
                addLake(plan, column, row);
                break;
            case CityGrid::Use::River:
                if (column == 0)
                    addRiver(plan, row);
                break;
            default:
                break;
            }
        }
}

Point NaturePlanner::inside(int column, int row, float u, float v) const {
    const auto c = grid_.cell(column, row);
    const Point top = c[0] + (c[1] - c[0]) * u;
    const Point bottom = c[3] + (c[2] - c[3]) * u;
    return top + (bottom - top) * v;
}

void NaturePlanner::addDistricts(CityPlan& plan) {
    const int rows = grid_.rows();
    for (int d = 0; d < 3; ++d) {
        const int first = grid_.districtStart(d);
        const int last = grid_.districtStart(d + 1);
        std::vector<Point> outline;
        for (int c = first; c <= last; ++c)
            outline.push_back(grid_.node(c, 0));
        for (int r = 1; r <= rows; ++r)
            outline.push_back(grid_.node(last, r));
        for (int c = last - 1; c >= first; --c)
            outline.push_back(grid_.node(c, rows));
        for (int r = rows - 1; r >= 1; --r)
            outline.push_back(grid_.node(first, r));
        Feature district = shapeFeature(Kind::Polygon, cat::District, std::move(outline));
        district.id = kDistricts[d].id;
        district.style.brushColor = kDistricts[d].fill;
        plan.districts.push_back({kDistricts[d].id, kDistricts[d].name});
        const Point middle = district.center;
        plan.add(std::move(district));
        plan.add(textFeature(cat::District, middle + Point{0, grid_.height() / 2 - 300}, 0, 110,
                             kDistricts[d].label));
    }
}

void NaturePlanner::addQuarter(CityPlan& plan, int column, int row) {
    std::vector<Point> corners{inside(column, row, 0.03f, 0.03f), inside(column, row, 0.97f, 0.03f),
                               inside(column, row, 0.97f, 0.97f), inside(column, row, 0.03f, 0.97f)};
    plan.add(shapeFeature(Kind::Polygon, cat::Quarter, std::move(corners)));
}

// The river winds through the middle of its row of quarters, from beyond the west edge to beyond
// the east edge; it is a polygon of both banks.
void NaturePlanner::addRiver(CityPlan& plan, int row) {
    const float middle = -grid_.height() / 2 + (row + 0.5f) * CityGrid::kCell;
    const float phase = random_.real(0, 6);
    const float west = -grid_.width() / 2 - 40;
    const int steps = static_cast<int>(std::ceil((grid_.width() + 80) / kRiverStep));
    std::vector<Point> north;
    std::vector<Point> south;
    for (int i = 0; i <= steps; ++i) {
        const float x = west + i * kRiverStep;
        const float y = middle + 45 * std::sin(x / 700 + phase);
        const float half = 70 + 15 * std::sin(x / 400 + phase * 2);
        north.push_back({x, y - half});
        south.push_back({x, y + half});
    }
    std::vector<Point> banks(north);
    banks.insert(banks.end(), south.rbegin(), south.rend());
    plan.add(shapeFeature(Kind::Polygon, cat::Water, std::move(banks)));
    for (int i = steps / 8; i + 1 < steps; i += steps / 4 + 1) {
        const Point a = (north[i] + south[i]) * 0.5f;
        const Point b = (north[i + 1] + south[i + 1]) * 0.5f;
        Feature name = textFeature(cat::Water, a, uprightAngle(a, b), 40, "р. Валда");
        name.style.penColor = 0x00800000;
        name.label->fontIndex = 1;
        plan.add(std::move(name));
    }
}

// One ellipse over a block of two by two quarters, drawn from its first quarter; turned a little.
void NaturePlanner::addLake(CityPlan& plan, int column, int row) {
    if (column % 16 != 11 || row % CityGrid::kBand != 1)
        return;
    const Point middle = grid_.node(column + 1, row + 1);
    const double turn = 12 * std::numbers::pi / 180;
    const auto corner = [&](float dx, float dy) {
        return middle + Point{static_cast<float>(dx * std::cos(turn) - dy * std::sin(turn)),
                              static_cast<float>(dx * std::sin(turn) + dy * std::cos(turn))};
    };
    plan.add(shapeFeature(Kind::Ellipse, cat::Water,
                          {corner(-300, -230), corner(300, -230), corner(300, 230), corner(-300, 230)}));
    Feature name = textFeature(cat::Water, middle, 0, 45, "оз. Светлое");
    name.style.penColor = 0x00800000;
    plan.add(std::move(name));
}

void NaturePlanner::addPark(CityPlan& plan, int column, int row, bool garden) {
    Feature park = shapeFeature(Kind::Polygon, cat::Park,
                                {inside(column, row, 0.06f, 0.06f), inside(column, row, 0.94f, 0.06f),
                                 inside(column, row, 0.94f, 0.94f), inside(column, row, 0.06f, 0.94f)});
    if (garden) {
        park.style.brushStyle = bsBDiagonal;
        park.style.brushColor = 0x0000A000;
    }
    plan.add(std::move(park));

    std::vector<Point> trees;
    for (int n = random_.between(25, 60); n > 0; --n)
        trees.push_back(inside(column, row, random_.real(0.1f, 0.9f), random_.real(0.1f, 0.9f)));
    Feature grove = shapeFeature(Kind::PixelSet, cat::Park, std::move(trees));
    grove.plane += 1;
    grove.style.brushColor = garden ? 0x000080C0 : 0x00004000;
    plan.add(std::move(grove));

    if (!pondMade_) { // an ellipse stored by two opposite corners
        pondMade_ = true;
        const Point middle = grid_.cellCenter(column, row);
        plan.add(shapeFeature(Kind::Ellipse, cat::Water, {middle - Point{40, 25}, middle + Point{40, 25}}));
    }
    Feature name = textFeature(cat::Park, grid_.cellCenter(column, row) + Point{0, 60},
                               random_.between(-150, 150), random_.between(22, 34),
                               kParkNames[static_cast<size_t>(parks_++) % kParkNames.size()]);
    name.style.penColor = 0x00004000;
    plan.add(std::move(name));
}

void NaturePlanner::addStream(CityPlan& plan, int column, int row) {
    std::vector<Point> course;
    float u = random_.real(0.2f, 0.8f);
    for (int i = 0; i <= 6; ++i) {
        course.push_back(inside(column, row, u, 0.05f + i * 0.15f));
        u = std::clamp(u + random_.real(-0.08f, 0.08f), 0.1f, 0.9f);
    }
    Feature stream = shapeFeature(Kind::Polyline, cat::Water, std::move(course));
    stream.style.penWidth = random_.between(3, 6);
    plan.add(std::move(stream));
}

void NaturePlanner::addRelief(CityPlan& plan, int column, int row) {
    const Point middle = grid_.cellCenter(column, row);
    std::vector<Point> hill;
    const int corners = random_.between(8, 12);
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * std::numbers::pi * i / corners;
        const float radius = random_.real(70, 130);
        hill.push_back(middle + Point{static_cast<float>(std::cos(angle)) * radius,
                                      static_cast<float>(std::sin(angle)) * radius});
    }
    plan.add(shapeFeature(Kind::Polygon, cat::Hill, std::move(hill)));
    plan.add(textFeature(cat::Hill, middle, 450, 16,
                         "выс. " + std::to_string(random_.between(150, 240)) + "," +
                             std::to_string(random_.between(0, 9))));
    if (random_.chance(0.5)) {
        std::vector<Point> rock;
        const Point at = inside(column, row, 0.2f, 0.2f);
        for (int i = 0; i < 6; ++i) {
            const double angle = 2 * std::numbers::pi * i / 6;
            const float radius = random_.real(15, 35);
            rock.push_back(at + Point{static_cast<float>(std::cos(angle)) * radius,
                                      static_cast<float>(std::sin(angle)) * radius});
        }
        plan.add(shapeFeature(Kind::Polygon, cat::Rocks, std::move(rock)));
    }
    std::vector<Point> ravine;
    for (int i = 0; i < 5; ++i)
        ravine.push_back(inside(column, row, 0.75f + random_.real(-0.05f, 0.05f), 0.1f + i * 0.2f));
    plan.add(shapeFeature(Kind::Polyline, cat::Ravine, std::move(ravine)));
    plan.add(shapeFeature(Kind::Polyline, cat::Ditch,
                          {inside(column, row, 0.08f, 0.1f), inside(column, row, 0.08f, 0.9f)}));
}

} // namespace city
