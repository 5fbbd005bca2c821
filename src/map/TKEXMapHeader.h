// The 602-byte header that opens every map stream; the map keeps one, and with it its stored
// view (Scale, XWind, YWind).
#pragma once

#include <array>
#include <cstdint>

#include "toolkit/ShortString.h"

struct TKEXMapHeader {
    std::array<uint8_t, 41> Reserved0 = {}; // not interpreted (no signature check)
    uint32_t Version = 0;
    ShortString<255> NameMap;
    ShortString<255> CreatedBy;
    std::array<uint8_t, 5> Reserved1 = {};
    int32_t Mashtab = 0;     // metres per 1000 world units
    double CreateDate = 0;   // days since 30 December 1899
    int32_t ObjectCount = 0; // top-level objects
    uint32_t NextObjectId = 0;
    int32_t Scale = 0; // percent: pixels per 100 world units
    float XWind = 0;   // world point of the view's top-left corner
    float YWind = 0;
    int32_t StreetCount = 0; // street-name records on the stream
    int32_t NextStreetId = 0;

    bool operator==(const TKEXMapHeader&) const = default;
};
