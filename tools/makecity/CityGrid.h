// The city's ground plan: a slightly crooked grid of street crossings, the use of every quarter
// between them (houses, park, river, railway, ...), which street segments exist and which
// district each column belongs to. Every other planner builds on it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "makecity/Point.h"
#include "makecity/Random.h"

namespace city {

class CityGrid {
public:
    enum class Use : uint8_t { Houses, Park, Garden, River, Lake, Railway, Industry, Field };

    // The side of a quarter in world units (about 625 metres); the bundled city is 16 by 12
    // quarters, 10 by 7.5 kilometres, and a size factor multiplies the number of quarters.
    static constexpr float kCell = 380;

    CityGrid(Random& random, int sizeFactor);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    float width() const { return columns_ * kCell; }
    float height() const { return rows_ * kCell; }

    // Crossing (column, row) for column 0..columns() and row 0..rows().
    Point node(int column, int row) const { return nodes_[row * (columns_ + 1) + column]; }
    // The quarter's corners: north-west, north-east, south-east, south-west.
    std::array<Point, 4> cell(int column, int row) const;
    Point cellCenter(int column, int row) const;
    Use use(int column, int row) const { return uses_[row * columns_ + column]; }
    bool isInside(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns_ && row < rows_;
    }

    // The street segment from node (column, row) eastwards, column < columns().
    bool hasHorizontal(int column, int row) const { return horizontal_[row * columns_ + column]; }
    // The street segment from node (column, row) southwards, row < rows().
    bool hasVertical(int column, int row) const { return vertical_[row * (columns_ + 1) + column]; }

    // 0 west, 1 centre, 2 east.
    int district(int column) const;
    // The first column of district d (0..3; 3 gives columns()).
    int districtStart(int d) const;

    // Rows with a fixed use repeat every kBand rows; these are their places in the band.
    static constexpr int kBand = 12;
    static constexpr int kRiverRow = 5;
    static constexpr int kRailwayRow = 9;
    static constexpr int kIndustryRow = 10;

private:
    Use chooseUse(Random& random, int column, int row) const;
    bool isLakeCell(int column, int row) const;
    bool bothUse(Use use, int columnA, int rowA, int columnB, int rowB) const;

    int columns_;
    int rows_;
    std::vector<Point> nodes_;
    std::vector<Use> uses_;
    std::vector<uint8_t> horizontal_;
    std::vector<uint8_t> vertical_;
};

} // namespace city
