// The street names of a map with their 16-bit ids, kept sorted by name (the toolkit's
// case-insensitive comparison) for look-up by binary search.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/AnsiString.h"

namespace mapi {

struct StreetEntry {
    AnsiString Name;
    uint16_t Id = 0;
};

class StreetDictionary {
public:
    // The id of the name, compared without regard to case.
    std::optional<uint16_t> Find(std::string_view name) const;
    // Adds the name as given unless the dictionary already holds it; true when added.
    bool Add(AnsiString name, uint16_t id);
    // Adds every entry whose name is not held yet, in one sort; of equal names the one held
    // before, else the first given, keeps its id.
    void AddAll(std::vector<StreetEntry> entries);
    // The first name (in sorted order) carrying the id, or the empty string.
    AnsiString NameOf(uint16_t id) const;

    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::vector<StreetEntry>& Entries() const { return entries_; }

private:
    std::vector<StreetEntry>::const_iterator lowerBound(std::string_view name) const;

    std::vector<StreetEntry> entries_;
};

} // namespace mapi
