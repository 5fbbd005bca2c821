// Raw slot images of the engine types. Binary slots are little-endian; the VDT family marks an
// empty number with a sentinel, the DBF family with blanks.
#include "engine/FieldCodec.h"

#include "engine/JulianDate.h"
#include "engine/Settings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ce {
namespace {

constexpr uint32_t kEmptyInteger = 0x80000000u;
constexpr uint16_t kEmptyShort = 0x8000u;
constexpr uint32_t kEmptyTime = 0xFFFFFFFFu;
constexpr uint64_t kEmptyDouble = 0x8000000000000020ull;

uint32_t readU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void writeU32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

uint64_t readU64(const unsigned char* p) {
    return static_cast<uint64_t>(readU32(p)) | static_cast<uint64_t>(readU32(p + 4)) << 32;
}

void writeU64(unsigned char* p, uint64_t v) {
    writeU32(p, static_cast<uint32_t>(v));
    writeU32(p + 4, static_cast<uint32_t>(v >> 32));
}

double readDouble(const unsigned char* p) {
    const uint64_t bits = readU64(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void writeDouble(unsigned char* p, double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    writeU64(p, bits);
}

bool allBytes(const unsigned char* p, uint32_t n, unsigned char byte) {
    for (uint32_t i = 0; i < n; ++i)
        if (p[i] != byte)
            return false;
    return true;
}

bool isBlankOrZero(const unsigned char* p, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i)
        if (p[i] != ' ' && p[i] != 0)
            return false;
    return true;
}

Status notValid(const FieldDef& field) {
    return Status(kInvalidColumnValue, "Value not valid for column \"" + field.name + "\"");
}

bool toInteger(const Value& value, int64_t& out) {
    if (value.kind != Value::Kind::Number || !std::isfinite(value.number))
        return false;
    out = std::llround(value.number);
    return true;
}

bool dateValue(const Value& value, int64_t& julian) {
    if (value.kind == Value::Kind::Date) {
        julian = value.integer;
        return true;
    }
    return toInteger(value, julian);
}

// Compact date: big-endian word year << 1 | month bit 3, then month bits 0-2 in bits 5-7 and
// the day in bits 0-4.
void writeCompactDate(unsigned char* p, const CalendarDate& d) {
    const unsigned word = static_cast<unsigned>(d.year) << 1 | (static_cast<unsigned>(d.month) >> 3 & 1);
    p[0] = static_cast<unsigned char>(word >> 8);
    p[1] = static_cast<unsigned char>(word);
    p[2] = static_cast<unsigned char>((d.month & 7) << 5 | (d.day & 31));
}

CalendarDate readCompactDate(const unsigned char* p) {
    const unsigned word = static_cast<unsigned>(p[0]) << 8 | p[1];
    CalendarDate d;
    d.year = static_cast<int>(word >> 1);
    d.month = static_cast<int>((word & 1) << 3 | p[2] >> 5);
    d.day = p[2] & 31;
    return d;
}

} // namespace

bool isTrueLogical(unsigned char c) {
    return c == '1' || c == 'T' || c == 'Y' || c == 't' || c == 'y';
}

void writeEmptySlot(const FieldDef& field, TableFamily family, unsigned char* slot) {
    const bool dbf = family == TableFamily::Dbf;
    switch (field.type) {
    case kLogical:
        slot[0] = ' ';
        return;
    case kString:
        std::memset(slot, dbf ? ' ' : 0, field.length);
        return;
    case kDate:
        std::memset(slot, dbf && field.length != 4 ? ' ' : 0, field.length);
        return;
    case kNumeric:
        std::memset(slot, dbf ? ' ' : 0, field.length);
        return;
    case kDouble:
    case kCurDouble:
        writeU64(slot, kEmptyDouble);
        return;
    case kInteger:
        writeU32(slot, kEmptyInteger);
        return;
    case kShortInt:
        slot[0] = static_cast<unsigned char>(kEmptyShort);
        slot[1] = static_cast<unsigned char>(kEmptyShort >> 8);
        return;
    case kTime:
    case kAutoinc:
        writeU32(slot, kEmptyTime);
        return;
    case kTimestamp:
        writeU32(slot, 0);
        writeU32(slot + 4, kEmptyTime);
        return;
    default:
        std::memset(slot, 0, field.length);
    }
}

bool isEmptySlot(const FieldDef& field, TableFamily family, const unsigned char* slot) {
    const bool dbf = family == TableFamily::Dbf;
    switch (field.type) {
    case kLogical:
        return slot[0] == ' ' || slot[0] == 0;
    case kString:
        return dbf ? isBlankOrZero(slot, field.length) : allBytes(slot, field.length, 0);
    case kNumeric:
    case kDate:
        return field.length == 4 ? readU32(slot) == 0
                                 : (dbf ? isBlankOrZero(slot, field.length) : allBytes(slot, field.length, 0));
    case kDouble:
    case kCurDouble:
        return readU64(slot) == kEmptyDouble;
    case kInteger:
        return readU32(slot) == kEmptyInteger;
    case kShortInt:
        return (slot[0] | slot[1] << 8) == kEmptyShort;
    case kTime:
    case kAutoinc:
        return readU32(slot) == kEmptyTime;
    case kTimestamp:
        return readU32(slot + 4) == kEmptyTime;
    default:
        return allBytes(slot, field.length, 0);
    }
}

Value slotValue(const FieldDef& field, TableFamily family, const unsigned char* slot) {
    if (isBlobType(field.type) || isEmptySlot(field, family, slot))
        return {};
    switch (field.type) {
    case kLogical:
        return Value::makeLogical(isTrueLogical(slot[0]));
    case kNumeric: {
        const std::string text(reinterpret_cast<const char*>(slot), field.length);
        return Value::makeNumber(std::strtod(text.c_str(), nullptr));
    }
    case kDate: {
        if (field.length == 4)
            return Value::makeDate(static_cast<int32_t>(readU32(slot)));
        const auto julian = storageTextToJulian(std::string_view(reinterpret_cast<const char*>(slot), 8));
        return julian ? Value::makeDate(*julian) : Value{};
    }
    case kString:
        return Value::makeText(std::string(reinterpret_cast<const char*>(slot), field.length));
    case kCompactDate: {
        const CalendarDate d = readCompactDate(slot);
        return isValidDate(d) ? Value::makeDate(julianFromDate(d)) : Value{};
    }
    case kDouble:
    case kCurDouble:
        return Value::makeNumber(readDouble(slot));
    case kInteger:
        return Value::makeNumber(static_cast<int32_t>(readU32(slot)));
    case kShortInt:
        return Value::makeNumber(static_cast<int16_t>(slot[0] | slot[1] << 8));
    case kTime:
    case kAutoinc:
        return Value::makeNumber(readU32(slot));
    case kTimestamp:
        return Value::makeTimestamp(static_cast<int64_t>(static_cast<int32_t>(readU32(slot))) * kMillisecondsPerDay +
                                    readU32(slot + 4));
    case kRaw:
        return Value::makeText(std::string(reinterpret_cast<const char*>(slot), field.length));
    default:
        return {};
    }
}

Status writeSlot(const FieldDef& field, TableFamily family, const Value& value, unsigned char* slot) {
    if (value.isNull() || isBlobType(field.type)) {
        writeEmptySlot(field, family, slot);
        return {};
    }
    int64_t n = 0;
    switch (field.type) {
    case kLogical:
        if (value.kind != Value::Kind::Logical && !toInteger(value, n))
            return notValid(field);
        slot[0] = (value.kind == Value::Kind::Logical ? value.logical : n != 0) ? 'T' : 'F';
        return {};
    case kNumeric: {
        if (value.kind != Value::Kind::Number || !std::isfinite(value.number))
            return notValid(field);
        char text[64];
        const int width = std::snprintf(text, sizeof text, "%*.*f", static_cast<int>(field.length),
                                        static_cast<int>(field.decimals), value.number);
        if (width < 0 || static_cast<uint32_t>(width) > field.length)
            return notValid(field);
        std::memcpy(slot, text, field.length);
        return {};
    }
    case kString:
    case kRaw: {
        if (value.kind != Value::Kind::Text)
            return notValid(field);
        const size_t n2 = value.text.size() < field.length ? value.text.size() : field.length;
        std::memcpy(slot, value.text.data(), n2);
        std::memset(slot + n2, field.type == kString ? ' ' : 0, field.length - n2);
        return {};
    }
    case kDate:
    case kCompactDate: {
        if (!dateValue(value, n) || !isValidDate(dateFromJulian(n)))
            return notValid(field);
        if (field.type == kCompactDate)
            writeCompactDate(slot, dateFromJulian(n));
        else if (field.length == 4)
            writeU32(slot, static_cast<uint32_t>(n));
        else
            std::memcpy(slot, julianToStorageText(n).data(), 8);
        return {};
    }
    case kDouble:
    case kCurDouble:
        if (value.kind != Value::Kind::Number)
            return notValid(field);
        writeDouble(slot, value.number);
        return {};
    case kInteger:
        if (!toInteger(value, n) || n <= INT32_MIN || n > INT32_MAX)
            return notValid(field);
        writeU32(slot, static_cast<uint32_t>(n));
        return {};
    case kShortInt:
        if (!toInteger(value, n) || n <= INT16_MIN || n > INT16_MAX)
            return notValid(field);
        slot[0] = static_cast<unsigned char>(n);
        slot[1] = static_cast<unsigned char>(n >> 8);
        return {};
    case kTime:
        if (!toInteger(value, n) || n < 0 || n >= kMillisecondsPerDay)
            return notValid(field);
        writeU32(slot, static_cast<uint32_t>(n));
        return {};
    case kAutoinc:
        if (!toInteger(value, n) || n < 0 || n >= 0xFFFFFFFFll)
            return notValid(field);
        writeU32(slot, static_cast<uint32_t>(n));
        return {};
    case kTimestamp: {
        if (value.kind != Value::Kind::Timestamp && value.kind != Value::Kind::Date)
            return notValid(field);
        const int64_t ms = value.kind == Value::Kind::Date ? value.integer * kMillisecondsPerDay : value.integer;
        const int64_t day = ms >= 0 ? ms / kMillisecondsPerDay : -((-ms + kMillisecondsPerDay - 1) / kMillisecondsPerDay);
        writeU32(slot, static_cast<uint32_t>(day));
        writeU32(slot + 4, static_cast<uint32_t>(ms - day * kMillisecondsPerDay));
        return {};
    }
    default:
        return notValid(field);
    }
}

std::optional<Value> textValue(const FieldDef& field, std::string_view text) {
    size_t first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    size_t last = text.size();
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\0'))
        --last;
    const std::string trimmed(text.substr(first, last - first));
    switch (field.type) {
    case kString:
    case kRaw:
    case kMemo:
    case kVarchar:
        return Value::makeText(std::string(text));
    case kLogical:
        return trimmed.empty() ? Value{} : Value::makeLogical(isTrueLogical(static_cast<unsigned char>(trimmed[0])));
    case kDate:
    case kCompactDate: {
        if (trimmed.empty())
            return Value{};
        const auto julian = settings().dateFormat.read(trimmed);
        return julian ? std::optional<Value>(Value::makeDate(*julian)) : std::nullopt;
    }
    case kTimestamp: {
        if (trimmed.empty())
            return Value{};
        const size_t blank = trimmed.find(' ');
        const auto julian = settings().dateFormat.read(trimmed.substr(0, blank));
        if (!julian)
            return std::nullopt;
        int64_t ms = 0;
        if (blank != std::string::npos) {
            int h = 0, m = 0, sec = 0;
            if (std::sscanf(trimmed.c_str() + blank + 1, "%2d:%2d:%2d", &h, &m, &sec) < 2 || h > 23 || m > 59 ||
                sec > 59 || h < 0 || m < 0 || sec < 0)
                return std::nullopt;
            ms = ((h * 60 + m) * 60 + sec) * 1000;
        }
        return Value::makeTimestamp(*julian * kMillisecondsPerDay + ms);
    }
    default: {
        if (trimmed.empty())
            return Value{};
        char* end = nullptr;
        const double n = std::strtod(trimmed.c_str(), &end);
        if (end != trimmed.c_str() + trimmed.size())
            return std::nullopt;
        return Value::makeNumber(n);
    }
    }
}

} // namespace ce
