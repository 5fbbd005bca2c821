// The named streets: every grid line is cut into runs of existing segments, long runs into
// sections of a few quarters, and each section becomes one named street with its label texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "makecity/CityGrid.h"
#include "makecity/CityPlan.h"
#include "makecity/Random.h"

namespace city {

class StreetNetwork {
public:
    struct Street {
        bool horizontal = true;
        int line = 0;  // row of a horizontal street, column of a vertical one
        int first = 0; // first and last segment along the line
        int last = 0;
        uint16_t id = 0;
        std::string name;
        float width = 0; // world units
    };

    // Names the streets and adds them, with their labels, to the plan's dictionary and objects.
    StreetNetwork(const CityGrid& grid, Random& random, CityPlan& plan);

    const std::vector<Street>& streets() const { return streets_; }
    // The street running along a segment, or -1 where there is no street.
    int horizontalAt(int column, int row) const { return horizontal_[row * grid_.columns() + column]; }
    int verticalAt(int column, int row) const { return vertical_[row * (grid_.columns() + 1) + column]; }

private:
    void cutLine(bool horizontal, int line);
    void nameStreets(Random& random);
    void addObjects(Random& random, CityPlan& plan) const;
    std::vector<Point> course(const Street& street) const;

    const CityGrid& grid_;
    std::vector<Street> streets_;
    std::vector<int> horizontal_;
    std::vector<int> vertical_;
};

} // namespace city
