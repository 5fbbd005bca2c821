// Key bytes of every engine type. Numbers are big-endian with the sign bit flipped (doubles in the
// order-preserving IEEE form), strings are CP1251 bytes or, for case-insensitive segments, the
// shared sort weights; an empty field keys as zero bytes and sorts first. Descending orders invert
// every byte so that prefix seeks and scopes work unchanged.
#include "engine/IndexDef.h"

#include "engine/FieldCodec.h"

#include "base/SortWeight.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ce {
namespace {

// Writes value's low bytes most significant first; returns the end.
unsigned char* putBigEndian(unsigned char* out, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        *out++ = static_cast<unsigned char>(value >> (8 * i));
    return out;
}

unsigned char* putDouble(unsigned char* out, double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    bits = (bits & 0x8000000000000000ull) ? ~bits : bits ^ 0x8000000000000000ull;
    return putBigEndian(out, bits, 8);
}

unsigned char* putInt32(unsigned char* out, int64_t value) {
    return putBigEndian(out, static_cast<uint32_t>(value) ^ 0x80000000u, 4);
}

// The sort weights of every byte, looked up once: keys of whole tables are built from them.
struct WeightTable {
    unsigned char weight[256];
    WeightTable() {
        for (int b = 0; b < 256; ++b)
            weight[b] = base::sortWeightCp1251(static_cast<unsigned char>(b));
    }
};

const unsigned char* weights() {
    static const WeightTable table;
    return table.weight;
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
    std::string key(keyLength, '\0');
    writeKey(layout, record, reinterpret_cast<unsigned char*>(key.data()));
    return key;
}

void IndexDef::writeKey(const RecordLayout& layout, const unsigned char* record, unsigned char* out) const {
    for (size_t i = 0; i < segments.size(); ++i)
        out = writeSegment(i, layout, record + layout.fields()[static_cast<size_t>(segments[i].field)].offset, out);
}

int IndexDef::compareKey(const RecordLayout& layout, const unsigned char* record, std::string_view key) const {
    const size_t length = std::min<size_t>(key.size(), keyLength);
    const auto* wanted = reinterpret_cast<const unsigned char*>(key.data());
    size_t at = 0;
    for (size_t i = 0; i < segments.size() && at < length; ++i) {
        const IndexSegment& seg = segments[i];
        const FieldDef& field = layout.fields()[static_cast<size_t>(seg.field)];
        const unsigned char* slot = record + field.offset;
        const size_t n = std::min<size_t>(seg.width, length - at);
        // Text parts at the first byte that differs, mostly the first or second.
        if (field.type == kString && !isEmptySlot(field, layout.family(), slot)) {
            const unsigned char flip = descending() ? 0xFF : 0;
            for (size_t k = 0; k < n; ++k) {
                const unsigned char c = slot[k] == 0 ? ' ' : slot[k];
                const unsigned char byte = static_cast<unsigned char>((seg.upper ? weights()[c] : c) ^ flip);
                if (byte != wanted[at + k])
                    return byte < wanted[at + k] ? -1 : 1;
            }
        } else {
            unsigned char made[kMaxKeyLength];
            writeSegment(i, layout, slot, made);
            if (const int c = std::memcmp(made, wanted + at, n))
                return c;
        }
        at += seg.width;
    }
    return 0;
}

void IndexDef::appendSegment(size_t segment, const RecordLayout& layout, const unsigned char* slot,
                             std::string& key) const {
    const size_t start = key.size();
    key.resize(start + segments[segment].width);
    writeSegment(segment, layout, slot, reinterpret_cast<unsigned char*>(key.data()) + start);
}

unsigned char* IndexDef::writeSegment(size_t segment, const RecordLayout& layout, const unsigned char* slot,
                                      unsigned char* out) const {
    const IndexSegment& seg = segments[segment];
    const FieldDef& field = layout.fields()[static_cast<size_t>(seg.field)];
    unsigned char* const start = out;
    if (isEmptySlot(field, layout.family(), slot)) {
        std::memset(out, 0, seg.width);
        out += seg.width;
    } else if (field.type == kString) {
        const unsigned char* weight = weights();
        for (uint32_t i = 0; i < field.length; ++i) {
            const unsigned char c = slot[i] == 0 ? ' ' : slot[i];
            *out++ = seg.upper ? weight[c] : c;
        }
    } else if (field.type == kRaw) {
        std::memcpy(out, slot, field.length);
        out += field.length;
    } else {
        const Value value = slotValue(field, layout.family(), slot);
        switch (field.type) {
        case kLogical:
            *out++ = value.logical ? 'T' : 'F';
            break;
        case kShortInt:
            out = putBigEndian(out, static_cast<uint16_t>(static_cast<int64_t>(value.number)) ^ 0x8000u, 2);
            break;
        case kNumeric:
        case kDouble:
        case kCurDouble:
            out = putDouble(out, value.number);
            break;
        case kTimestamp:
            out = putBigEndian(out, static_cast<uint64_t>(value.integer) ^ 0x8000000000000000ull, 8);
            break;
        case kDate:
        case kCompactDate:
            out = putInt32(out, value.integer);
            break;
        default:
            out = putInt32(out, static_cast<int64_t>(value.number));
        }
    }
    if (descending())
        for (unsigned char* p = start; p < out; ++p)
            *p = static_cast<unsigned char>(~*p);
    return out;
}

void IndexDef::appendPartialText(size_t segment, std::string_view text, std::string& key) const {
    const IndexSegment& seg = segments[segment];
    const size_t n = text.size() < seg.width ? text.size() : seg.width;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char byte = seg.upper ? weights()[c] : c;
        key += static_cast<char>(descending() ? ~byte : byte);
    }
}

} // namespace ce
