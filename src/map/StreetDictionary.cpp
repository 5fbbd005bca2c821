// Sorted insertion and binary search over the street names.
#include "map/StreetDictionary.h"

#include <algorithm>

#include "toolkit/AnsiStrings.h"

namespace mapi {
namespace {

bool isSameName(const StreetEntry& a, const StreetEntry& b) {
    return AnsiCompareText(a.Name, b.Name) == 0;
}

} // namespace

std::vector<StreetEntry>::const_iterator StreetDictionary::lowerBound(std::string_view name) const {
    return std::lower_bound(entries_.begin(), entries_.end(), name,
                            [](const StreetEntry& entry, std::string_view key) {
                                return AnsiCompareText(entry.Name, key) < 0;
                            });
}

std::optional<uint16_t> StreetDictionary::Find(std::string_view name) const {
    const auto it = lowerBound(name);
    if (it == entries_.end() || AnsiCompareText(it->Name, name) != 0)
        return std::nullopt;
    return it->Id;
}

bool StreetDictionary::Add(AnsiString name, uint16_t id) {
    const auto it = lowerBound(name);
    if (it != entries_.end() && AnsiCompareText(it->Name, name) == 0)
        return false;
    entries_.insert(it, StreetEntry{std::move(name), id});
    return true;
}

void StreetDictionary::AddAll(std::vector<StreetEntry> entries) {
    // Held entries come first and equal names keep their order, so the first of each run wins.
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const StreetEntry& a, const StreetEntry& b) {
                         return AnsiCompareText(a.Name, b.Name) < 0;
                     });
    entries_.erase(std::unique(entries_.begin(), entries_.end(), isSameName), entries_.end());
}

AnsiString StreetDictionary::NameOf(uint16_t id) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [id](const StreetEntry& entry) { return entry.Id == id; });
    return it == entries_.end() ? AnsiString() : it->Name;
}

} // namespace mapi
