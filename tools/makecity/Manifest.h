// The city's manifest: a UTF-8 JSON file listing its categories, districts, streets, addresses
// and objects, from which the database builder fills the directory tables.
#pragma once

#include <ostream>

#include "makecity/CityPlan.h"

namespace city {

void writeManifest(const CityPlan& plan, std::ostream& out);

} // namespace city
