// Plans the whole sample city "Валдрен" from a seed and a size factor.
#pragma once

#include <cstdint>

#include "makecity/CityPlan.h"

namespace city {

// Size 1 is the bundled city of about 10 by 7.5 km; a factor multiplies its area and its object
// and street counts. The same seed and size always give the same plan. With missingIcons two of
// its notes name an icon or a library the program lacks (drawn with the missing-icon picture):
// cases for tests, not for the city people see; everything else stays as it is.
CityPlan buildCity(uint64_t seed, int sizeFactor, bool missingIcons = false);

} // namespace city
