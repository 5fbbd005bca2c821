// The outline pen of a map object, as the map stream holds it (13 bytes there).
#pragma once

#include <cstdint>

struct TKEXMapPen {
    uint32_t Color = 0; // 0x00BBGGRR
    uint8_t Style = 0;  // psSolid 0 .. psInsideFrame 6
    int32_t Width = 0;  // world units; 0 or less draws one pixel
    int32_t Caps = 0;   // polylines: -1 custom pixel line, 0 round ends, 1 square ends

    bool operator==(const TKEXMapPen&) const = default;
};
