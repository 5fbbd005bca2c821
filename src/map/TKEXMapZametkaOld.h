// The note payload of map streams below version 5: an icon number instead of a library and a
// picture name. Read only to be turned into a TKEXMapZametka.
#pragma once

#include <array>
#include <cstdint>

#include "map/WorldPoint.h"
#include "toolkit/ShortString.h"

struct TKEXMapZametkaOld {
    mapi::WorldPoint Anchor;
    int32_t IconNumber = 0;
    std::array<uint8_t, 4> Reserved = {};
    ShortString<255> Text;
};
