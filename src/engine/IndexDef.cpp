// Key bytes of every engine type. Numbers are big-endian with the sign bit flipped (doubles in the
// order-preserving IEEE form), strings are CP1251 bytes or, for case-insensitive segments, the
// shared sort weights; an empty field keys as zero bytes and sorts first. Descending orders invert
// every byte so that prefix seeks and scopes work unchanged.
#include "engine/IndexDef.h"

#include "engine/FieldCodec.h"

#include "base/SortWeight.h"

#include <cmath>
#include <cstring>

namespace ce {
namespace {

void appendBigEndian(std::string& key, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        key += static_cast<char>(value >> (8 * i));
}

void appendDouble(std::string& key, double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    bits = (bits & 0x8000000000000000ull) ? ~bits : bits ^ 0x8000000000000000ull;
    appendBigEndian(key, bits, 8);
}

void appendInt32(std::string& key, int64_t value) {
    appendBigEndian(key, static_cast<uint32_t>(value) ^ 0x80000000u, 4);
}

} // namespace

uint32_t keyWidth(const FieldDef& field) {
    switch (field.type) {
    case kLogical:
        return 1;
    case kString:
    case kRaw:
        return field.length;
    case kShortInt:
        return 2;
    case kNumeric:
    case kDouble:
    case kCurDouble:
    case kTimestamp:
        return 8;
    case kDate:
    case kCompactDate:
    case kInteger:
    case kTime:
    case kAutoinc:
        return 4;
    default:
        return 0;
    }
}

bool IndexDef::computeWidths(const RecordLayout& layout) {
    keyLength = 0;
    for (IndexSegment& segment : segments) {
        if (segment.field < 0 || static_cast<size_t>(segment.field) >= layout.fields().size())
            return false;
        segment.width = keyWidth(layout.fields()[static_cast<size_t>(segment.field)]);
        if (segment.width == 0)
            return false;
        keyLength += segment.width;
    }
    return !segments.empty() && keyLength <= kMaxKeyLength;
}

std::string IndexDef::recordKey(const RecordLayout& layout, const unsigned char* record) const {
    std::string key;
    key.reserve(keyLength);
    for (size_t i = 0; i < segments.size(); ++i)
        appendSegment(i, layout, record + layout.fields()[static_cast<size_t>(segments[i].field)].offset, key);
    return key;
}

void IndexDef::appendSegment(size_t segment, const RecordLayout& layout, const unsigned char* slot,
                             std::string& key) const {
    const IndexSegment& seg = segments[segment];
    const FieldDef& field = layout.fields()[static_cast<size_t>(seg.field)];
    const size_t start = key.size();
    if (isEmptySlot(field, layout.family(), slot)) {
        key.append(seg.width, '\0');
    } else if (field.type == kString) {
        for (uint32_t i = 0; i < field.length; ++i) {
            const unsigned char c = slot[i] == 0 ? ' ' : slot[i];
            key += static_cast<char>(seg.upper ? base::sortWeightCp1251(c) : c);
        }
    } else if (field.type == kRaw) {
        key.append(reinterpret_cast<const char*>(slot), field.length);
    } else {
        const Value value = slotValue(field, layout.family(), slot);
        switch (field.type) {
        case kLogical:
            key += value.logical ? 'T' : 'F';
            break;
        case kShortInt:
            appendBigEndian(key, static_cast<uint16_t>(static_cast<int64_t>(value.number)) ^ 0x8000u, 2);
            break;
        case kNumeric:
        case kDouble:
        case kCurDouble:
            appendDouble(key, value.number);
            break;
        case kTimestamp:
            appendBigEndian(key, static_cast<uint64_t>(value.integer) ^ 0x8000000000000000ull, 8);
            break;
        case kDate:
        case kCompactDate:
            appendInt32(key, value.integer);
            break;
        default:
            appendInt32(key, static_cast<int64_t>(value.number));
        }
    }
    if (descending())
        for (size_t i = start; i < key.size(); ++i)
            key[i] = static_cast<char>(~key[i]);
}

void IndexDef::appendPartialText(size_t segment, std::string_view text, std::string& key) const {
    const IndexSegment& seg = segments[segment];
    const size_t n = text.size() < seg.width ? text.size() : seg.width;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char byte = seg.upper ? base::sortWeightCp1251(c) : c;
        key += static_cast<char>(descending() ? ~byte : byte);
    }
}

} // namespace ce
