// The whole sample city as the builder plans it: header values, the street-name dictionary,
// the districts and every top-level object in drawing order.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "makecity/Feature.h"

namespace city {

struct CityPlan {
    struct Street {
        uint16_t id = 0;
        std::string name; // UTF-8, upper case, at most 30 characters (Street.Name)
    };
    struct District {
        uint32_t id = 0; // the id of the district's own map object
        std::string name;
    };

    // The ids the program names its districts by; ordinary objects never take them.
    static constexpr uint32_t kDistrictIds[3] = {54, 1574, 6326};

    std::string name;
    std::string author;
    int32_t mashtab = 0;
    double created = 0; // days since 30 December 1899
    int32_t scale = 100;
    Point view;         // world point at the view's top-left corner
    uint64_t seed = 0;
    int sizeFactor = 1;
    std::vector<Street> streets;
    std::vector<District> districts;
    std::vector<Feature> features;

    // A fresh object id; the district ids are skipped.
    uint32_t takeId();
    // The header's next-object-id counter: above every id in use, the district ids included.
    uint32_t nextId() const { return std::max(nextId_, highestId_ + 1); }

    // Appends the object, giving it and its children fresh ids where they have none.
    Feature& add(Feature feature);

    const Street* findStreet(uint16_t id) const;

private:
    void giveIds(Feature& feature);

    uint32_t nextId_ = 1;
    uint32_t highestId_ = 0;
};

} // namespace city
