// One entry of the street-name table of a map stream: a 16-bit id and a name of up to 40
// characters.
#pragma once

#include <cstdint>

#include "toolkit/ShortString.h"

struct TKEXMapStreetName {
    uint16_t Id = 0;
    ShortString<40> Name;
};
