// The map stream reader. Every piece is checked against the bytes left before it is read; the
// first shortfall or impossible count throws a private damage note, caught at the boundary.
#include "map/MapStreamReader.h"

#include <algorithm>
#include <string>

#include "map/MapConversions.h"
#include "map/MapStreamLayout.h"

namespace mapi {
namespace {

// Groups nest at most this deep; deeper is taken for damage rather than recursed into.
constexpr int kMaxGroupDepth = 64;

struct StreamDamage {
    AnsiString message;
};

} // namespace

MapReadResult MapStreamReader::Read(TKEXMapHeader& header, StreetDictionary& names,
                                    TKexMapList& objects) {
    start_ = stream_.Position();
    size_ = std::max<int64_t>(0, stream_.Size() - start_);
    position_ = 0;
    record_ = -1;
    loaded_ = 0;
    streets_.clear();
    MapReadResult result;
    try {
        readMap(header, objects);
    } catch (const StreamDamage& damage) {
        result.damaged = true;
        result.message = damage.message;
    }
    names.AddAll(std::move(streets_));
    streets_.clear();
    progress(loaded_, header.ObjectCount); // 100 for a map that says it is empty
    header.ObjectCount = objects.Count();
    return result;
}

void MapStreamReader::readMap(TKEXMapHeader& header, TKexMapList& objects) {
    header = decodePiece<TKEXMapHeader>(readPiece(kHeaderSize, "header"));
    if (header.ObjectCount == 0)
        return; // an empty map: nothing more is read, not even street names
    readStreetNames(header);
    const int32_t stored = header.ObjectCount;
    if (header.Version < 4) {
        while (position_ < size_) {
            TKEXMapObjectMem record;
            if (readOldRecord(header.Version, record))
                appendTopLevel(objects, std::move(record), stored);
        }
        return;
    }
    if (header.Version > 6)
        return; // a newer format: its records are not ours to read
    if (stored < 0)
        fail("the header's object count " + std::to_string(stored) + " is negative");
    for (int32_t i = 0; i < stored; ++i)
        appendTopLevel(objects, readRecord(header.Version, 0), stored);
}

void MapStreamReader::readStreetNames(const TKEXMapHeader& header) {
    streets_.reserve(static_cast<std::size_t>(
        std::clamp<int64_t>(header.StreetCount, 0, (size_ - position_) / kStreetNameSize)));
    for (int32_t i = 0; i < header.StreetCount; ++i) {
        const TKEXMapStreetName street = decodePiece<TKEXMapStreetName>(
            readPiece(kStreetNameSize, "street name " + std::to_string(i)));
        streets_.push_back({street.Name.str(), street.Id});
    }
}

void MapStreamReader::appendTopLevel(TKexMapList& objects, TKEXMapObjectMem&& record,
                                     int32_t storedCount) {
    objects.AddObjectCopy(std::move(record));
    ++loaded_;
    if (loaded_ % 100 == 0)
        progress(loaded_, storedCount);
}

bool MapStreamReader::readOldRecord(uint32_t version, TKEXMapObjectMem& record) {
    ++record_;
    recordStart_ = position_;
    const TKEXMapObjectOld old = decodePiece<TKEXMapObjectOld>(readPiece(kObjectOldSize, "record"));
    record = convertObjectOld(old);
    checkCount(record, 0);
    readBlocks(record, old.HasAddress == 1, old.HasExtra == 1, /*oldAddress=*/true);
    if (record.Kind == kindGroup) {
        // No child encoding exists below version 4: the Count bytes are passed over.
        checkCount(record, 1);
        skip(record.Count, "group bytes");
        return false;
    }
    readPayload(record, version);
    return true;
}

TKEXMapObjectMem MapStreamReader::readRecord(uint32_t version, int depth) {
    ++record_;
    recordStart_ = position_;
    TKEXMapObjectMem record;
    const BlockFlags flags = decodeRecord(readPiece(kObjectSize, "record"), record);
    checkCount(record, 0);
    readBlocks(record, flags.hasAddress, flags.hasExtra, /*oldAddress=*/false);
    if (record.Kind != kindGroup) {
        readPayload(record, version);
        return record;
    }
    if (depth >= kMaxGroupDepth)
        fail("groups nested deeper than " + std::to_string(kMaxGroupDepth) + " levels");
    checkCount(record, kObjectSize);
    TKexMapList children;
    for (int32_t i = 0; i < record.Count; ++i)
        children.AddObjectCopy(readRecord(version, depth + 1));
    record.SetChildren(std::move(children));
    return record;
}

void MapStreamReader::readBlocks(TKEXMapObjectMem& record, bool hasAddress, bool hasExtra,
                                 bool oldAddress) {
    if (hasAddress && oldAddress)
        record.Address = convertAddressOld(
            decodePiece<TKEXMapAddressOld>(readPiece(kAddressOldSize, "address block")));
    else if (hasAddress)
        record.Address = decodePiece<TKEXMapAddress>(readPiece(kAddressSize, "address block"));
    if (hasExtra)
        record.Extra = decodePiece<TKEXMapExtra>(readPiece(kExtraSize, "extra block"));
}

void MapStreamReader::readPayload(TKEXMapObjectMem& record, uint32_t version) {
    static_assert(sizeof(WorldPoint) == kPointSize, "points are read as they lie on the stream");
    if (isPointKind(record.Kind)) {
        checkCount(record, kPointSize);
        std::vector<WorldPoint> points(static_cast<std::size_t>(record.Count));
        readInto(points.data(), int64_t{record.Count} * kPointSize, "points");
        record.Data = std::move(points);
        widenTwoPointEllipse(record);
        return;
    }
    switch (record.Kind) {
    case kindBitmap: {
        checkCount(record, 1);
        std::vector<uint8_t> bytes(static_cast<std::size_t>(record.Count));
        readInto(bytes.data(), record.Count, "bitmap bytes");
        record.Data = std::move(bytes);
        return;
    }
    case kindText: {
        TKEXMapText text = decodePiece<TKEXMapText>(readPiece(kTextSize, "text"));
        if (version < 6)
            text.Angle = convertTextAngle(text.Angle);
        record.Data = Boxed<TKEXMapText>(text);
        return;
    }
    case kindZametka:
        if (version < 5)
            record.Data = Boxed<TKEXMapZametka>(
                convertNoteOld(decodePiece<TKEXMapZametkaOld>(readPiece(kNoteOldSize, "note"))));
        else
            record.Data =
                Boxed<TKEXMapZametka>(decodePiece<TKEXMapZametka>(readPiece(kNoteSize, "note")));
        return;
    default:
        return; // other kinds carry nothing
    }
}

const uint8_t* MapStreamReader::readPiece(int64_t size, std::string_view what) {
    scratch_.resize(static_cast<std::size_t>(size));
    readInto(scratch_.data(), size, what);
    return scratch_.data();
}

void MapStreamReader::ensureLeft(int64_t size, std::string_view what) const {
    const int64_t left = size_ - position_;
    if (size > left)
        fail(AnsiString(what) + " cut short: " + std::to_string(size) + " bytes needed, " +
             std::to_string(left) + " left");
}

void MapStreamReader::readInto(void* target, int64_t size, std::string_view what) {
    ensureLeft(size, what);
    if (size > 0 && stream_.Read(target, size) != size)
        fail(AnsiString(what) + " could not be read");
    position_ += size;
}

void MapStreamReader::skip(int64_t size, std::string_view what) {
    ensureLeft(size, what);
    position_ += size;
    stream_.SetPosition(start_ + position_);
}

void MapStreamReader::checkCount(const TKEXMapObjectMem& record, int64_t unitSize) const {
    if (record.Count < 0)
        fail("negative Count " + std::to_string(record.Count));
    if (unitSize > 0 && int64_t{record.Count} * unitSize > size_ - position_)
        fail("Count " + std::to_string(record.Count) + " of kind " + std::to_string(record.Kind) +
             " cannot fit in the " + std::to_string(size_ - position_) + " bytes left");
}

void MapStreamReader::fail(std::string_view what) const {
    const AnsiString record = record_ < 0 ? AnsiString()
                                          : "record " + std::to_string(record_) + " (from byte " +
                                                std::to_string(recordStart_) + "): ";
    throw StreamDamage{"map stream damaged at byte " + std::to_string(position_) + ": " + record +
                       AnsiString(what)};
}

void MapStreamReader::progress(int loaded, int32_t storedCount) {
    if (!OnProgress)
        return;
    const int64_t percent = storedCount <= 0 ? 100 : int64_t{loaded} * 100 / storedCount;
    OnProgress(static_cast<int>(std::min<int64_t>(percent, 100)));
}

} // namespace mapi
