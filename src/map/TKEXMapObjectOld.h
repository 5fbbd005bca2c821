// The 70-byte object record of map streams below version 4. Read only to be turned into a
// TKEXMapObjectMem; it lacks Reserved1, Reserved2 and Center.
#pragma once

#include <array>
#include <cstdint>

#include "map/TKEXMapBrush.h"
#include "map/TKEXMapPen.h"
#include "map/WorldPoint.h"

struct TKEXMapObjectOld {
    uint32_t Id = 0;
    std::array<mapi::WorldPoint, 4> Corners = {};
    int32_t Plane = 0;
    int32_t Category = 0;
    uint8_t Locked = 0;
    uint8_t Kind = 0;
    int32_t Count = 0;
    TKEXMapPen Pen;
    TKEXMapBrush Brush;
    uint8_t HasAddress = 0;
    uint8_t HasExtra = 0;
};
