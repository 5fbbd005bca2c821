// Writes map streams for tests and build-time tools (the program itself only reads maps): a map
// document in the layout of any format version, below 4, 4, 5, 6 or above 6, with the
// conversions of the reader undone for the older ones.
//
// What is written is what the document holds: the header as given except the two counts, the
// street names in the given order, and every record with its Count, blocks and payload as they
// stand. So a test makes a damaged stream by overriding a count, by giving a record a Count its
// payload does not have, or by cutting the returned bytes anywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "map/StreetDictionary.h"
#include "map/TKEXMapHeader.h"
#include "map/TKexMapList.h"

namespace mapstream {

struct MapDocument {
    // Version selects the layout; ObjectCount and StreetCount are filled in on writing.
    TKEXMapHeader Header;
    std::vector<mapi::StreetEntry> Streets; // stream order; names longer than 40 are cut
    TKexMapList Objects;                    // top-level records; groups carry their children
};

struct WriteOptions {
    std::optional<int32_t> ObjectCount; // written instead of the number of top-level records
    std::optional<int32_t> StreetCount; // written instead of the number of street names
};

// The stream's bytes. By version:
//  - below 4: 70-byte records, 7-byte addresses (house cut to 4), 272-byte notes (the picture
//    name read as the icon number, 0 when it is none), text angles in whole degrees;
//  - 4: 83-byte records, 272-byte notes, whole degrees;
//  - 5: 330-byte notes, whole degrees;
//  - 6 and above: the current layout throughout (a reader of version 7 reads no records).
// A group's children follow it in every version; below 4 that is no valid stream, and a test of
// that case gives a kind-8 record raw bytes instead (SetBitmap, then Kind 8).
std::string WriteMapStream(const MapDocument& map, const WriteOptions& options = {});

} // namespace mapstream
