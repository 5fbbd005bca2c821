// The ground the city stands on: its three districts, the quarters, the river with its streams,
// the lake and a pond, parks and gardens with their trees, and the relief of the outer fields.
#pragma once

#include "makecity/CityGrid.h"
#include "makecity/CityPlan.h"
#include "makecity/Random.h"

namespace city {

class NaturePlanner {
public:
    NaturePlanner(const CityGrid& grid, Random& random) : grid_(grid), random_(random) {}

    void addTo(CityPlan& plan);

private:
    void addDistricts(CityPlan& plan);
    void addQuarter(CityPlan& plan, int column, int row);
    void addRiver(CityPlan& plan, int row);
    void addLake(CityPlan& plan, int column, int row);
    void addPark(CityPlan& plan, int column, int row, bool garden);
    void addStream(CityPlan& plan, int column, int row);
    void addRelief(CityPlan& plan, int column, int row);
    // A point inside the quarter: u and v run from 0 to 1 across it.
    Point inside(int column, int row, float u, float v) const;

    const CityGrid& grid_;
    Random& random_;
    bool pondMade_ = false;
    int parks_ = 0;
};

} // namespace city
