// The map stream reader. Every piece is checked against the bytes left before it is read; the
// first shortfall or impossible count throws a private damage note, caught at the boundary.
#include "map/MapStreamReader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "map/MapConversions.h"
#include "map/MapGeometry.h"
#include "map/MapStreamLayout.h"
#include "toolkit/TMemoryStream.h"

namespace mapi {
namespace {

// Groups nest at most this deep; deeper is taken for damage rather than recursed into.
constexpr int kMaxGroupDepth = 64;

// The stream is read ahead in blocks of this size; a larger payload is read straight into place.
constexpr std::size_t kReadAhead = std::size_t{1} << 16;

// The newest layout this reader knows; a later one keeps its header and street names only.
constexpr uint32_t kNewestVersion = 6;

struct StreamDamage {
    AnsiString message;
};

} // namespace

MapReadResult MapStreamReader::Read(TKEXMapHeader& header, StreetDictionary& names,
                                    TKexMapList& objects) {
    start_ = stream_.Position();
    size_ = std::max<int64_t>(0, stream_.Size() - start_);
    position_ = 0;
    at_ = 0;
    end_ = 0;
    window_ = buffer_.data();
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream_); memory && size_ > 0) {
        window_ = reinterpret_cast<const uint8_t*>(memory->Memory()) + start_;
        end_ = static_cast<std::size_t>(size_);
    }
    record_ = -1;
    loaded_ = 0;
    extent_ = {};
    streets_.clear();
    MapReadResult result;
    try {
        readMap(header, objects);
    } catch (const StreamDamage& damage) {
        result.damaged = true;
        result.message = damage.message;
    }
    // Bytes of a layout the reader does not know (random bytes most likely) are no map it can
    // show; that is the reason to report, also when its street names were cut short as well.
    if (header.Version > kNewestVersion) {
        result.damaged = true;
        result.message = "unknown map format version " + std::to_string(header.Version);
    }
    // The stream stands after the last byte taken, whatever was read ahead.
    stream_.SetPosition(start_ + position_);
    names.AddAll(std::move(streets_));
    streets_.clear();
    progress(loaded_, header.ObjectCount); // 100 for a map that says it is empty
    header.ObjectCount = objects.Count();
    result.extent = extent_;
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
                counted(objects[objects.AddObjectCopy(std::move(record))], stored);
        }
        return;
    }
    if (header.Version > kNewestVersion)
        return; // a newer format: its records are not ours to read
    if (stored < 0)
        fail("the header's object count " + std::to_string(stored) + " is negative");
    // Every record takes at least its head's bytes, which bounds the room a damaged count asks.
    const int64_t room = std::min<int64_t>(stored, (size_ - position_) / kObjectSize);
    objects.items_.reserve(objects.items_.size() + static_cast<std::size_t>(room));
    for (int32_t i = 0; i < stored; ++i)
        appendRecord(objects, header.Version, stored);
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

void MapStreamReader::appendRecord(TKexMapList& objects, uint32_t version, int32_t storedCount) {
    TKEXMapObjectMem& record = objects.items_.emplace_back();
    try {
        readRecord(version, 0, record);
    } catch (...) {
        objects.items_.pop_back();
        throw;
    }
    counted(record, storedCount);
}

void MapStreamReader::counted(const TKEXMapObjectMem& record, int32_t storedCount) {
    const WorldPoint least = record.Corners[0];
    const WorldPoint greatest = record.Corners[2];
    if (loaded_ == 0)
        extent_ = {least.x, least.y, greatest.x, greatest.y};
    extendBounds(extent_, least, greatest);
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

void MapStreamReader::readRecord(uint32_t version, int depth, TKEXMapObjectMem& record) {
    ++record_;
    recordStart_ = position_;
    const BlockFlags flags = decodeRecord(readPiece(kObjectSize, "record"), record);
    checkCount(record, 0);
    readBlocks(record, flags.hasAddress, flags.hasExtra, /*oldAddress=*/false);
    if (record.Kind != kindGroup) {
        readPayload(record, version);
        return;
    }
    if (depth >= kMaxGroupDepth)
        fail("groups nested deeper than " + std::to_string(kMaxGroupDepth) + " levels");
    checkCount(record, kObjectSize);
    TKexMapList children;
    children.items_.reserve(static_cast<std::size_t>(record.Count));
    for (int32_t i = 0; i < record.Count; ++i)
        readRecord(version, depth + 1, children.items_.emplace_back());
    record.SetChildren(std::move(children));
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
        PointList& points = record.Data.emplace<PointList>();
        readInto(points.resizeForOverwrite(static_cast<std::size_t>(record.Count)),
                 int64_t{record.Count} * kPointSize, "points");
        if (record.Kind == kindEllipse)
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
    ensureLeft(size, what);
    const auto count = static_cast<std::size_t>(size);
    if (end_ - at_ < count)
        fillBuffer(count, what);
    const uint8_t* piece = window_ + at_;
    at_ += count;
    position_ += size;
    return piece;
}

void MapStreamReader::fillBuffer(std::size_t size, std::string_view what) {
    const std::size_t held = end_ - at_;
    if (held > 0)
        std::memmove(buffer_.data(), buffer_.data() + at_, held);
    at_ = 0;
    end_ = held;
    // Never ahead past the map's last byte: the stream may hold more after it.
    const auto left = static_cast<std::size_t>(size_ - position_);
    const std::size_t room = std::min(std::max(size, kReadAhead), left);
    if (buffer_.size() < room)
        buffer_.resize(room);
    window_ = buffer_.data();
    const auto wanted = static_cast<int64_t>(room - held);
    const int64_t got = stream_.Read(buffer_.data() + held, wanted);
    end_ += static_cast<std::size_t>(std::clamp<int64_t>(got, 0, wanted));
    if (end_ < size)
        fail(AnsiString(what) + " could not be read");
}

void MapStreamReader::cutShort(int64_t size, std::string_view what) const {
    fail(AnsiString(what) + " cut short: " + std::to_string(size) + " bytes needed, " +
         std::to_string(size_ - position_) + " left");
}

void MapStreamReader::readInto(void* target, int64_t size, std::string_view what) {
    if (size <= 0)
        return;
    if (static_cast<std::size_t>(size) <= std::max(kReadAhead, end_ - at_)) {
        std::memcpy(target, readPiece(size, what), static_cast<std::size_t>(size));
        return;
    }
    // A large payload: what was read ahead, then the rest straight from the stream.
    ensureLeft(size, what);
    const std::size_t held = end_ - at_;
    if (held > 0)
        std::memcpy(target, window_ + at_, held);
    at_ = 0;
    end_ = 0;
    const int64_t rest = size - static_cast<int64_t>(held);
    if (stream_.Read(static_cast<uint8_t*>(target) + held, rest) != rest)
        fail(AnsiString(what) + " could not be read");
    position_ += size;
}

void MapStreamReader::skip(int64_t size, std::string_view what) {
    ensureLeft(size, what);
    position_ += size;
    if (static_cast<std::size_t>(size) <= end_ - at_) {
        at_ += static_cast<std::size_t>(size);
        return;
    }
    at_ = 0;
    end_ = 0;
    stream_.SetPosition(start_ + position_);
}

void MapStreamReader::badCount(const TKEXMapObjectMem& record) const {
    if (record.Count < 0)
        fail("negative Count " + std::to_string(record.Count));
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
