// An opaque 51-byte block a map object may carry; kept with the object, never interpreted.
#pragma once

#include <array>
#include <cstdint>

struct TKEXMapExtra {
    std::array<uint8_t, 51> Bytes = {};

    bool operator==(const TKEXMapExtra&) const = default;
};
