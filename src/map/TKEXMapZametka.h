// The payload of a note (kind 7): an icon named by library and picture, shown at an anchor, with
// a text of up to 255 characters.
#pragma once

#include <cstdint>

#include "map/WorldPoint.h"
#include "toolkit/ShortString.h"

struct TKEXMapZametka {
    mapi::WorldPoint Anchor;
    ShortString<30> LibName;
    ShortString<30> PicName;
    int32_t Reserved = 0; // not interpreted; 330 after conversion from an old note
    ShortString<255> Text;

    bool operator==(const TKEXMapZametka&) const = default;
};
