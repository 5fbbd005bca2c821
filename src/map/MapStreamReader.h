// Reads a map stream (header, street names, object records of every format version) into a map's
// header, street dictionary and object list. It never reads past the end of the stream and never
// makes a record from bytes it did not read: damage ends the reading, complete records are kept
// and the result says where the damage is. A layout newer than it knows is read no further than
// its street names and reported as damage too.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "map/StreetDictionary.h"
#include "map/TKEXMapHeader.h"
#include "map/TKexMapList.h"
#include "map/WorldRect.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TStream.h"

namespace mapi {

struct [[nodiscard]] MapReadResult {
    bool damaged = false;
    // The damaged record and its byte offset from the map's start, or the unknown layout version.
    AnsiString message;
    // The box of the frames (corners 0 and 2) of the records read, as MapModel::CalcMapBounds
    // finds it; all zero when none was read.
    WorldRect extent;
};

class MapStreamReader {
public:
    explicit MapStreamReader(TStream& stream) : stream_(stream) {}

    // Load progress in percent (0..100): every 100 top-level records, and once at the end.
    std::function<void(int position)> OnProgress;

    // Reads from the stream's position into an emptied map. The header's object count becomes
    // the number of top-level records read, whatever the stream stored: the map goes by that
    // count for the objects it has, and a count that disagrees with the list (a cut stream, a
    // record given up at damage) would name objects that are not there.
    MapReadResult Read(TKEXMapHeader& header, StreetDictionary& names, TKexMapList& objects);

private:
    void readMap(TKEXMapHeader& header, TKexMapList& objects);
    void readStreetNames(const TKEXMapHeader& header);
    // Reads a current record into a new last place of objects; damage takes the place away.
    void appendRecord(TKexMapList& objects, uint32_t version, int32_t storedCount);
    // Counts a top-level record appended, and takes its frame into the extent.
    void counted(const TKEXMapObjectMem& record, int32_t storedCount);
    bool readOldRecord(uint32_t version, TKEXMapObjectMem& record);
    void readRecord(uint32_t version, int depth, TKEXMapObjectMem& record);
    void readBlocks(TKEXMapObjectMem& record, bool hasAddress, bool hasExtra, bool oldAddress);
    void readPayload(TKEXMapObjectMem& record, uint32_t version);
    const uint8_t* readPiece(int64_t size, std::string_view what);
    void readInto(void* target, int64_t size, std::string_view what);
    // Holds at least size unread bytes in the read-ahead buffer (the caller checked that the map
    // has them).
    void fillBuffer(std::size_t size, std::string_view what);
    void skip(int64_t size, std::string_view what);
    // The checks run for every piece and record, so the damage notes are made out of line.
    void ensureLeft(int64_t size, std::string_view what) const {
        if (size > size_ - position_)
            cutShort(size, what);
    }
    void checkCount(const TKEXMapObjectMem& record, int64_t unitSize) const {
        const int64_t left = size_ - position_;
        if (record.Count < 0 || (unitSize > 0 && int64_t{record.Count} * unitSize > left))
            badCount(record);
    }
    [[noreturn]] void cutShort(int64_t size, std::string_view what) const;
    [[noreturn]] void badCount(const TKEXMapObjectMem& record) const;
    [[noreturn]] void fail(std::string_view what) const;
    void progress(int loaded, int32_t storedCount);

    TStream& stream_;
    int64_t start_ = 0;
    int64_t position_ = 0; // from the map's start
    int64_t size_ = 0;     // from the map's start to the stream's end
    int64_t record_ = -1;  // records begun, in stream order, children included
    int64_t recordStart_ = 0;
    int loaded_ = 0; // top-level records appended
    WorldRect extent_;
    // Read ahead from the stream in large blocks, so that each small piece is not a stream call:
    // bytes at_..end_ of window_ are the map's next unread bytes. The window is buffer_, or the
    // whole map where a memory stream holds it, which is then read in place.
    std::vector<uint8_t> buffer_;
    const uint8_t* window_ = nullptr;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    std::vector<StreetEntry> streets_;
};

} // namespace mapi
