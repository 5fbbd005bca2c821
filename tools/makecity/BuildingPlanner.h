// The city's buildings and their addresses: houses along both sides of every street with
// their yard houses ("12А"), corner houses ("12/2"), sheds without an address, works as groups
// and the station. House numbers run odd on one side and even on the other, in the direction
// of the street.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "makecity/CityGrid.h"
#include "makecity/CityPlan.h"
#include "makecity/Random.h"
#include "makecity/StreetNetwork.h"

namespace city {

class BuildingPlanner {
public:
    BuildingPlanner(const CityGrid& grid, const StreetNetwork& streets, Random& random);

    // Numbers the houses and appends every building to the plan.
    void addTo(CityPlan& plan);

private:
    // A building that takes a number of its own on one side of a street.
    struct Frontage {
        int street = 0;
        bool odd = false;
        float along = 0;     // position along the street, for the order of numbers
        size_t building = 0; // index in buildings_
        std::string suffix;  // "/2" of a corner house
        std::string house;   // a house number given outright instead of the counted one
    };
    // A building that shares the number of a frontage: a yard house ("А", "Б") or an annex of
    // another category at the very same address ("").
    struct Dependent {
        size_t building = 0;
        size_t frontage = 0;
        std::string suffix;
    };
    // One side of a quarter: from a to b along its street, inward into the quarter.
    struct Side {
        Point a, b, inward;
        int street = -1;
        bool odd = false;
        bool horizontal = true;
    };

    void planHouses(int column, int row);
    void planSide(const Side& side, float margin, int district);
    void planCorner(const Side& side, Point corner, Point along, int district);
    void planWorks(int column, int row);
    void planStation(int column, int row);
    Side side(int column, int row, int which) const;
    int32_t houseCategory(int district, bool mainStreet);
    std::vector<Point> buildingShape(Point origin, Point along, Point inward, float width, float depth);
    size_t keep(Feature feature);
    size_t front(const Side& side, Point where, Feature feature, std::string suffix = {});
    void number();

    const CityGrid& grid_;
    const StreetNetwork& streets_;
    Random& random_;
    std::vector<Feature> buildings_;
    std::vector<Frontage> frontages_;
    std::vector<Dependent> dependents_;
    std::vector<std::string> houses_; // per frontage, once numbered
    bool crossedShapeMade_ = false;
    bool longHouseMade_ = false;
    bool sharedAddressMade_ = false;
    int works_ = 0;
};

} // namespace city
