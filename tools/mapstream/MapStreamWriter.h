// Writes map streams for tests and build-time tools (the program itself only reads maps): a map
// document in the layout of any format version, below 4, 4, 5, 6 or above 6, with the
// conversions of the reader undone for the older ones.
//
// What is written is what the document holds: the header as given except the two counts, the
// street names in the given order, and every record with its Count, blocks and payload as they
// stand. So a test makes a damaged stream by overriding a count, by giving a record a Count its
// payload does not have, or by cutting the returned bytes anywhere.
//
// Making a map that the program shows as its own editing would have made it:
//   mapstream::MapDocument map;
//   map.Header.Version = 6;               // the current layout
//   map.Header.Scale = 100;               // and XWind, YWind: the view the map opens with
//   map.Header.Mashtab = 1644;            // metres per 1000 world units
//   map.Header.NextObjectId = ...;        // above every Id used
//   map.Header.NextStreetId = ...;        // above every street id used
//   map.Streets.push_back({tk::fromUtf8("САДОВАЯ"), 1});    // upper case, trimmed, CP1251
//   TKEXMapObjectMem house;
//   house.Id = 1;
//   house.Kind = mapi::kindPolygon;
//   house.Category = 13;                  // the Category table's id
//   house.SetPoints({{0, 0}, {20, 0}, {20, 15}, {0, 15}});  // sets Count
//   house.Address = TKEXMapAddress{1, ...};                 // House: upper case, at most 6
//   CalcObjectBounds(house, metrics);     // map/ObjectBounds.h: the frame in Corners
//   house.Center = ...;                   // middle of corners 0 and 2; texts and notes: corner 0
//   map.Objects.AddObjectCopy(std::move(house));
//   const std::string bytes = mapstream::WriteMapStream(map);
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
