// The dataset core's fields: the buffer of the current state, the empty test of each engine type
// in both table families, the conversion of raw images into the toolkit's field-buffer forms,
// and the calculated area.
#include "data/TDbDataSet.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbBlobCache.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/Exception.h"
#include "toolkit/TField.h"

namespace {

// A toolkit day count d is the engine's Julian day d + 1721425.
constexpr double kJulianOffset = 1721425.0;
constexpr double kMSecsPerDay = 86400000.0;

uint32_t readU32(const char* p) {
    uint32_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

bool allBytes(const char* p, uint32_t length, char value) {
    for (uint32_t i = 0; i < length; ++i)
        if (p[i] != value)
            return false;
    return true;
}

bool allZeroOrBlank(const char* p, uint32_t length) {
    for (uint32_t i = 0; i < length; ++i)
        if (p[i] != 0 && p[i] != ' ')
            return false;
    return true;
}

// The decimal text of a numeric slot ("." as the decimal point, blanks around).
double numericValue(const char* p, uint32_t length) {
    std::string_view text(p, length);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\0'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw EConvertError("'" + AnsiString(text) + "' is not a valid number");
    return value;
}

// The day count of a date text, or false when the engine cannot read it. The engine's answer is
// examined: a text it rejects leaves the Julian day unset, and reading on would give a date that
// is in no row, so the field reads empty instead.
bool dayOfText(const char* text, uint32_t length, int32_t& day) {
    double julian = 0;
    if (CeConvertStringToJulian(text, length, &julian) != 0)
        return false;
    day = int32_t(std::trunc(julian - kJulianOffset));
    return true;
}

} // namespace

char* TDbDataSet::GetStateRecordBuffer() {
    switch (State()) {
    case dsBrowse:
    case dsBlockRead:
        return IsEmpty() ? nullptr : ActiveBuffer();
    case dsEdit:
    case dsInsert:
    case dsNewValue:
        return ActiveBuffer();
    case dsSetKey:
        return keyBuffer_ + kKeyHeaderSize;
    case dsCalcFields:
        return CalcBuffer();
    case dsFilter:
        return FilterBuffer();
    case dsOldValue:
        return oldRecord_.get();
    default:
        return nullptr;
    }
}

bool TDbDataSet::GetFieldData(TField* Field, void* Buffer) {
    char* record = GetStateRecordBuffer();
    if (record == nullptr)
        return false;
    if (Field->FieldNo() < 1) {
        const TDataSetState state = State();
        if (state != dsBrowse && state != dsEdit && state != dsInsert && state != dsCalcFields && state != dsFilter)
            return false;
        const char* slot = record + rawSize_ + Field->Offset();
        if (slot[0] != 0 && Buffer != nullptr)
            std::memcpy(Buffer, slot + 1, std::size_t(Field->DataSize()));
        return slot[0] != 0;
    }
    const TEngineFieldDef* def = engineFieldDefs_.ByFieldNo(Field->FieldNo());
    if (def == nullptr)
        return false;
    const bool vdt = IsVdtTable();
    if (isEmptyRaw(*def, Field, record, vdt))
        return false;
    if (Buffer == nullptr)
        return true;
    return rawToField(*def, Field, record + def->Offset, Buffer);
}

bool TDbDataSet::isEmptyRaw(const TEngineFieldDef& def, const TField* field, char* record, bool vdt) {
    const char* slot = record + def.Offset;
    if (db::isBlobLike(def.EngineType)) {
        if (State() == dsEdit || State() == dsInsert) {
            TDbBlobCache* cache = BlobCache(record, field->Offset());
            if (cache->IsModified())
                return cache->Size() == 0;
        }
        return readU32(slot) == 0;
    }
    switch (def.EngineType) {
    case db::ceLogical:
        return vdt ? slot[0] == ' ' : allZeroOrBlank(slot, def.Length);
    case db::ceNumeric:
    case db::ceString:
        return vdt ? allBytes(slot, def.Length, 0) : allZeroOrBlank(slot, def.Length);
    case db::ceDate:
        if (vdt)
            return allBytes(slot, def.Length, 0);
        return def.Length == 4 ? readU32(slot) == 0 : allZeroOrBlank(slot, def.Length);
    case db::ceCompactDate:
        return allBytes(slot, 3, 0);
    case db::ceDouble:
    case db::ceCurDouble:
        return vdt && readU32(slot) == 0x00000020u && readU32(slot + 4) == 0x80000000u;
    case db::ceInteger:
        return vdt && readU32(slot) == 0x80000000u;
    case db::ceShortInt:
        return vdt && uint8_t(slot[0]) == 0x00 && uint8_t(slot[1]) == 0x80;
    case db::ceTime:
    case db::ceAutoInc:
        return !vdt || readU32(slot) == 0xFFFFFFFFu;
    case db::ceTimestamp:
        return !vdt || readU32(slot) == 0;
    case db::ceRaw:
        return !vdt || allBytes(slot, def.Length, 0);
    default:
        return true;
    }
}

bool TDbDataSet::rawToField(const TEngineFieldDef& def, TField* field, const char* raw, void* target) {
    switch (def.EngineType) {
    case db::ceLogical: {
        const char c = raw[0];
        const int16_t value = c == '1' || c == 'T' || c == 'Y' || c == 't' || c == 'y' ? -1 : 0;
        std::memcpy(target, &value, sizeof value);
        return true;
    }
    case db::ceNumeric: {
        const double value = numericValue(raw, def.Length);
        if (field->DataType() == ftSmallint) {
            const auto small = int16_t(value);
            std::memcpy(target, &small, sizeof small);
        } else {
            std::memcpy(target, &value, sizeof value);
        }
        return true;
    }
    case db::ceDate: {
        int32_t day = 0;
        if (def.Length == 4)
            day = int32_t(readU32(raw) - uint32_t(kJulianOffset));
        else if (!dayOfText(raw, def.Length, day))
            return false;
        std::memcpy(target, &day, sizeof day);
        return true;
    }
    case db::ceString: {
        uint32_t length = def.Length;
        while (length > 0 && (raw[length - 1] == ' ' || raw[length - 1] == '\0'))
            --length;
        std::memcpy(target, raw, length);
        static_cast<char*>(target)[length] = '\0';
        return true;
    }
    case db::ceCompactDate: {
        const AnsiString text = CompactDateToText(reinterpret_cast<const unsigned char*>(raw));
        int32_t day = 0;
        if (!dayOfText(text.c_str(), 8, day))
            return false;
        std::memcpy(target, &day, sizeof day);
        return true;
    }
    case db::ceDouble:
    case db::ceCurDouble:
        std::memcpy(target, raw, 8);
        return true;
    case db::ceInteger:
    case db::ceTime:
    case db::ceAutoInc:
        std::memcpy(target, raw, 4);
        return true;
    case db::ceShortInt:
        std::memcpy(target, raw, 2);
        return true;
    case db::ceRaw:
        std::memcpy(target, raw, def.Length);
        return true;
    case db::ceTimestamp: {
        const double value = (double(readU32(raw)) - kJulianOffset) * kMSecsPerDay + double(readU32(raw + 4));
        const double clamped = value < 0 ? 0.0 : value;
        std::memcpy(target, &clamped, sizeof clamped);
        return true;
    }
    default:
        return false;
    }
}

AnsiString TDbDataSet::CompactDateToText(const unsigned char* Raw) {
    const unsigned word = unsigned(Raw[0]) << 8 | Raw[1];
    const unsigned year = word >> 1;
    const unsigned month = (word & 1u) * 8u + (Raw[2] >> 5);
    const unsigned day = Raw[2] & 0x1Fu;
    char text[16];
    std::snprintf(text, sizeof text, "%04u%02u%02u", year % 10000u, month, day);
    return text;
}

void TDbDataSet::TextToCompactDate(const AnsiString& Text, unsigned char* Raw) {
    const auto number = [&](std::size_t from, std::size_t count) {
        unsigned value = 0;
        for (std::size_t i = from; i < from + count && i < Text.size(); ++i)
            value = value * 10u + unsigned(Text[i] >= '0' && Text[i] <= '9' ? Text[i] - '0' : 0);
        return value;
    };
    const unsigned year = number(0, 4);
    const unsigned month = number(4, 2);
    const unsigned day = number(6, 2);
    const unsigned word = (year << 1) | ((month >> 3) & 1u);
    Raw[0] = static_cast<unsigned char>(word >> 8);
    Raw[1] = static_cast<unsigned char>(word);
    Raw[2] = static_cast<unsigned char>(((month & 7u) << 5) | (day & 0x1Fu));
}
