// The address block of a building: a street-name id of the map's dictionary and a house number
// (upper case, trimmed, at most 6 characters).
#pragma once

#include <cstdint>

#include "toolkit/ShortString.h"

struct TKEXMapAddress {
    uint16_t StreetId = 0;
    ShortString<6> House;

    bool operator==(const TKEXMapAddress&) const = default;
};
