// The fill brush of a map object, as the map stream holds it (5 bytes there).
#pragma once

#include <cstdint>

struct TKEXMapBrush {
    uint32_t Color = 0; // 0x00BBGGRR
    uint8_t Style = 0;  // bsSolid 0 .. bsDiagCross 7

    bool operator==(const TKEXMapBrush&) const = default;
};
