// The payload of a text label (kind 3): anchor, angle, face, height and at most 70 characters.
#pragma once

#include <cstdint>

#include "map/WorldPoint.h"
#include "toolkit/ShortString.h"

struct TKEXMapText {
    mapi::WorldPoint Anchor; // top-left reference point, world units
    int32_t Angle = 0;       // tenths of a degree, counter-clockwise on the screen
    uint8_t FontIndex = 0;   // 1: the option FontSystem1; any other value: FontSystem
    int32_t Size = 0;        // text height in world units
    ShortString<70> Text;

    bool operator==(const TKEXMapText&) const = default;
};
