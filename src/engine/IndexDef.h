// An index tag: its segments (fields, each possibly case-insensitive), condition and flags, and the
// byte keys it gives records. Keys compare as bytes in the order's sequence: each segment has a
// fixed width, so a prefix of a key is a key of its leading segments.
#pragma once

#include "engine/RecordLayout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

enum IndexFlag : uint32_t {
    kIndexUnique = 1,
    kIndexDescending = 2,
    kIndexCustom = 4,
    kIndexCaseInsensitive = 8,
};

constexpr uint32_t kMaxKeyLength = 256;

struct IndexSegment {
    int field = -1;
    bool upper = false;
    uint32_t width = 0;
};

struct IndexDef {
    std::string tag;       // CP1251
    std::string file;      // index file base name, empty for the table's structural file
    std::vector<IndexSegment> segments;
    std::string condition; // xBase expression, empty when none
    uint32_t flags = 0;
    uint32_t keyLength = 0;

    bool unique() const { return flags & kIndexUnique; }
    bool descending() const { return flags & kIndexDescending; }

    // Sets the widths and the key length; false when the key would exceed kMaxKeyLength.
    bool computeWidths(const RecordLayout& layout);

    // The key of a record image.
    std::string recordKey(const RecordLayout& layout, const unsigned char* record) const;
    // The same into keyLength bytes at out, without allocating (whole tables are keyed at once).
    void writeKey(const RecordLayout& layout, const unsigned char* record, unsigned char* out) const;
    // memcmp of a record's key, cut to key.size() bytes, with key; without making the whole key.
    int compareKey(const RecordLayout& layout, const unsigned char* record, std::string_view key) const;
    // One segment's key bytes from its field's raw slot (descending inversion included).
    void appendSegment(size_t segment, const RecordLayout& layout, const unsigned char* slot, std::string& key) const;
    // The same into the segment's width at out; returns the end of what it wrote.
    unsigned char* writeSegment(size_t segment, const RecordLayout& layout, const unsigned char* slot,
                                unsigned char* out) const;
    // A partial string segment: the weights of the first bytes of text, no padding.
    void appendPartialText(size_t segment, std::string_view text, std::string& key) const;
};

// Key width of a field, 0 for types that cannot be segments (blobs).
uint32_t keyWidth(const FieldDef& field);

} // namespace ce
