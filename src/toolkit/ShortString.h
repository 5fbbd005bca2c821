// A length-prefixed string with a fixed room, laid out as in the system's binary records: one
// length byte, then Room bytes. A length byte larger than the room (damaged input) is clamped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "toolkit/AnsiString.h"

template <std::size_t Room>
struct ShortString {
    static_assert(Room >= 1 && Room <= 255, "a length byte holds at most 255");

    unsigned char bytes[Room + 1] = {};

    std::size_t length() const { return std::min<std::size_t>(bytes[0], Room); }

    AnsiString str() const { return AnsiString(reinterpret_cast<const char*>(bytes + 1), length()); }

    // Keeps the first Room bytes of text; the rest of the room is zeroed.
    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), Room);
        bytes[0] = static_cast<unsigned char>(n);
        std::memcpy(bytes + 1, text.data(), n);
        std::memset(bytes + 1 + n, 0, Room - n);
    }

    bool operator==(const ShortString& other) const { return str() == other.str(); }
};
