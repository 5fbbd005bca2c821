// Object ids and the street look-up of the city plan.
#include "makecity/CityPlan.h"

#include <algorithm>
#include <iterator>

namespace city {

uint32_t CityPlan::takeId() {
    while (std::find(std::begin(kDistrictIds), std::end(kDistrictIds), nextId_) !=
           std::end(kDistrictIds))
        ++nextId_;
    return nextId_++;
}

void CityPlan::giveIds(Feature& feature) {
    if (feature.id == 0)
        feature.id = takeId();
    highestId_ = std::max(highestId_, feature.id);
    for (Feature& child : feature.children)
        giveIds(child);
}

Feature& CityPlan::add(Feature feature) {
    giveIds(feature);
    features.push_back(std::move(feature));
    return features.back();
}

const CityPlan::Street* CityPlan::findStreet(uint16_t id) const {
    const auto it = std::find_if(streets.begin(), streets.end(),
                                 [id](const Street& s) { return s.id == id; });
    return it == streets.end() ? nullptr : &*it;
}

} // namespace city
