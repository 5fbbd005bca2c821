// The ground plan: crossings jittered a little so that streets bend, rows of river and railway
// repeating every band, a lake of two by two quarters, parks, gardens, fields at the edge and
// works beside the railway. Streets are left out inside a lake and here and there in fields.
#include "makecity/CityGrid.h"

#include <cmath>

namespace city {
namespace {

constexpr int kBaseColumns = 16;
constexpr int kBaseRows = 12;
constexpr float kJitter = 25;

} // namespace

CityGrid::CityGrid(Random& random, int sizeFactor) {
    const double linear = std::sqrt(static_cast<double>(sizeFactor));
    columns_ = static_cast<int>(std::lround(kBaseColumns * linear));
    rows_ = static_cast<int>(std::lround(kBaseRows * linear));

    const float left = -width() / 2;
    const float top = -height() / 2;
    nodes_.reserve(static_cast<size_t>((columns_ + 1) * (rows_ + 1)));
    for (int row = 0; row <= rows_; ++row)
        for (int column = 0; column <= columns_; ++column)
            nodes_.push_back(snap(Point{left + column * kCell + random.real(-kJitter, kJitter),
                                        top + row * kCell + random.real(-kJitter, kJitter)}));

    uses_.reserve(static_cast<size_t>(columns_ * rows_));
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            uses_.push_back(chooseUse(random, column, row));

    // A segment lies between two quarters; it is missing inside a lake and often between fields.
    horizontal_.assign(static_cast<size_t>(columns_ * (rows_ + 1)), 1);
    for (int row = 1; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const bool lake = bothUse(Use::Lake, column, row - 1, column, row);
            const bool fields = bothUse(Use::Field, column, row - 1, column, row);
            if (lake || (fields && random.chance(0.5)))
                horizontal_[row * columns_ + column] = 0;
        }
    vertical_.assign(static_cast<size_t>((columns_ + 1) * rows_), 1);
    for (int row = 0; row < rows_; ++row)
        for (int column = 1; column < columns_; ++column) {
            const bool lake = bothUse(Use::Lake, column - 1, row, column, row);
            const bool fields = bothUse(Use::Field, column - 1, row, column, row);
            if (lake || (fields && random.chance(0.5)))
                vertical_[row * (columns_ + 1) + column] = 0;
        }
}

// The lake fills quarters 11 and 12 of rows 1 and 2 of every 16 by 12 block that holds all four.
bool CityGrid::isLakeCell(int column, int row) const {
    const int c = column % 16;
    const int r = row % kBand;
    if ((c != 11 && c != 12) || (r != 1 && r != 2))
        return false;
    const int lastColumn = column - c + 12;
    const int lastRow = row - r + 2;
    return lastColumn < columns_ && lastRow < rows_;
}

CityGrid::Use CityGrid::chooseUse(Random& random, int column, int row) const {
    const int band = row % kBand;
    if (band == kRiverRow)
        return Use::River;
    if (band == kRailwayRow)
        return Use::Railway;
    if (isLakeCell(column, row))
        return Use::Lake;
    const bool edge = column == 0 || row == 0 || column == columns_ - 1 || row == rows_ - 1;
    if (edge && random.chance(0.35))
        return Use::Field;
    if (band == kIndustryRow && column % 4 == 1)
        return Use::Industry;
    if (random.chance(0.07))
        return Use::Park;
    if (random.chance(0.04))
        return Use::Garden;
    return Use::Houses;
}

bool CityGrid::bothUse(Use wanted, int columnA, int rowA, int columnB, int rowB) const {
    return isInside(columnA, rowA) && isInside(columnB, rowB) && use(columnA, rowA) == wanted &&
           use(columnB, rowB) == wanted;
}

std::array<Point, 4> CityGrid::cell(int column, int row) const {
    return {node(column, row), node(column + 1, row), node(column + 1, row + 1),
            node(column, row + 1)};
}

Point CityGrid::cellCenter(int column, int row) const {
    const auto c = cell(column, row);
    return snap((c[0] + c[1] + c[2] + c[3]) * 0.25f);
}

int CityGrid::districtStart(int d) const {
    static constexpr int kSplit[4] = {0, 5, 11, 16};
    return static_cast<int>(std::lround(static_cast<double>(columns_) * kSplit[d] / kBaseColumns));
}

int CityGrid::district(int column) const {
    if (column < districtStart(1))
        return 0;
    return column < districtStart(2) ? 1 : 2;
}

} // namespace city
