// The address block of map streams below version 4: a 4-character house number. Read only to be
// turned into a TKEXMapAddress.
#pragma once

#include <cstdint>

#include "toolkit/ShortString.h"

struct TKEXMapAddressOld {
    uint16_t StreetId = 0;
    ShortString<4> House;
};
