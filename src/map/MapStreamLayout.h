// The byte layouts of the map stream: the sizes of its pieces and the decoding of each piece
// from exactly that many bytes (little-endian, packed). The writer for tests and tools mirrors
// these in its own encoder.
#pragma once

#include <cstdint>

#include "map/TKEXMapAddress.h"
#include "map/TKEXMapAddressOld.h"
#include "map/TKEXMapExtra.h"
#include "map/TKEXMapHeader.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKEXMapObjectOld.h"
#include "map/TKEXMapStreetName.h"
#include "map/TKEXMapText.h"
#include "map/TKEXMapZametka.h"
#include "map/TKEXMapZametkaOld.h"
#include "map/WorldPoint.h"

namespace mapi {

constexpr int kHeaderSize = 602;
constexpr int kStreetNameSize = 43;
constexpr int kObjectSize = 83;    // versions 4 to 6
constexpr int kObjectOldSize = 70; // below 4
constexpr int kAddressSize = 9;
constexpr int kAddressOldSize = 7;
constexpr int kExtraSize = 51;
constexpr int kTextSize = 88;
constexpr int kNoteSize = 330;
constexpr int kNoteOldSize = 272; // below 5
constexpr int kPointSize = 8;
constexpr int kPenSize = 13;
constexpr int kBrushSize = 5;

// The block flags of a record: a value of 1 means the block follows on the stream.
struct BlockFlags {
    bool hasAddress = false;
    bool hasExtra = false;
};

TKEXMapHeader decodeHeader(const uint8_t* bytes);
TKEXMapStreetName decodeStreetName(const uint8_t* bytes);
// The 83 bytes of a current record into its fields; payload and blocks stay empty.
BlockFlags decodeObject(const uint8_t* bytes, TKEXMapObjectMem& record);
TKEXMapObjectOld decodeObjectOld(const uint8_t* bytes);
TKEXMapAddress decodeAddress(const uint8_t* bytes);
TKEXMapAddressOld decodeAddressOld(const uint8_t* bytes);
TKEXMapExtra decodeExtra(const uint8_t* bytes);
TKEXMapText decodeText(const uint8_t* bytes);
TKEXMapZametka decodeNote(const uint8_t* bytes);
TKEXMapZametkaOld decodeNoteOld(const uint8_t* bytes);

} // namespace mapi
