// What lies on top of the city: the railway with its platforms, the notes with icons of the
// built-in library (on demand also notes the program has no icon for), and a few objects of the
// kinds the map keeps but does not draw.
#pragma once

#include <string>

#include "makecity/CityGrid.h"
#include "makecity/CityPlan.h"
#include "makecity/Random.h"

namespace city {

class LandmarkPlanner {
public:
    // The library the program carries; its icons are named "0" to "61".
    static constexpr const char* kLibrary = "Default";
    static constexpr int kIcons = 62;

    // With missingIcons one note names an icon the library lacks and one a library the program
    // lacks; they stand where two ordinary notes would, so the rest of the city does not move.
    LandmarkPlanner(const CityGrid& grid, Random& random, bool missingIcons)
        : grid_(grid), random_(random), missingIcons_(missingIcons) {}

    void addTo(CityPlan& plan);

private:
    void addRailway(CityPlan& plan, int row);
    void addNotes(CityPlan& plan);
    void addUndrawnKinds(CityPlan& plan);
    Point somewhere(CityGrid::Use use);
    std::string noteText(int index);

    const CityGrid& grid_;
    Random& random_;
    bool missingIcons_;
};

} // namespace city
