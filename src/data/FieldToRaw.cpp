// Field-buffer values and default expressions into raw field images.
#include "data/FieldToRaw.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "data/DbTexts.h"
#include "data/TDbDataSet.h"
#include "engine/CeEngine.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/DateTimeText.h"
#include "toolkit/Exception.h"
#include "toolkit/NumberText.h"
#include "toolkit/TDateTime.h"

namespace db {
namespace {

template <class T>
T valueOf(const void* value) {
    T v{};
    std::memcpy(&v, value, sizeof v);
    return v;
}

template <class T>
void put(char* slot, T value) {
    std::memcpy(slot, &value, sizeof value);
}

void writeNull(const TEngineFieldDef& def, bool vdt, char* slot) {
    const uint16_t type = def.EngineType;
    if (!vdt) {
        const bool zeroes = (type >= ceMemo && type <= ceShortInt) || type == ceCurDouble;
        std::memset(slot, zeroes ? 0 : ' ', def.Length);
        return;
    }
    switch (type) {
    case ceLogical:
        slot[0] = ' ';
        return;
    case ceDouble:
    case ceCurDouble:
        put(slot, uint32_t{0x00000020u});
        put(slot + 4, uint32_t{0x80000000u});
        return;
    case ceInteger:
        put(slot, uint32_t{0x80000000u});
        return;
    case ceShortInt:
        put(slot, uint16_t{0x8000u});
        return;
    case ceTime:
    case ceAutoInc:
        put(slot, uint32_t{0xFFFFFFFFu});
        return;
    case ceTimestamp:
        put(slot, uint32_t{0});
        put(slot + 4, uint32_t{0xFFFFFFFFu});
        return;
    default:
        std::memset(slot, 0, def.Length);
        return;
    }
}

// The engine's storage text of a toolkit day count, or empty when the engine has none. A failed
// conversion is reported like a text too long for the field, as the date functions' failure
// rather than the engine's own error: either way the engine gave no text that fits, the field is
// left as it was, and no date is ever written from a text the engine did not produce.
AnsiString dateText(int32_t day) {
    char text[13] = {};
    uint32_t length = sizeof text - 1;
    if (CeConvertJulianToString(double(tk::julianDayFromDayCount(day)), text, &length) != 0)
        return {};
    return AnsiString(text, length);
}

const char* writeNumeric(const TEngineFieldDef& def, TFieldType fieldType, const void* value, char* slot) {
    AnsiString text;
    if (fieldType == ftSmallint)
        text = IntToStr(valueOf<int16_t>(value));
    else if (def.Decimals > 0)
        text = FloatToStrF(valueOf<double>(value), ffFixed, int(def.Length) - 1, def.Decimals, tk::machineFormat());
    else
        text = FloatToStrF(valueOf<double>(value), ffFixed, int(def.Length), 0, tk::machineFormat());
    if (text.size() > def.Length || text.find('E') != AnsiString::npos)
        return SNumericOutOfRange;
    std::memset(slot, ' ', def.Length - text.size());
    std::memcpy(slot + def.Length - text.size(), text.data(), text.size());
    return nullptr;
}

const char* writeValue(const TEngineFieldDef& def, bool vdt, TFieldType fieldType, const void* value, char* slot) {
    switch (def.EngineType) {
    case ceLogical:
        slot[0] = valueOf<int16_t>(value) != 0 ? 'T' : 'F';
        return nullptr;
    case ceNumeric:
        return writeNumeric(def, fieldType, value, slot);
    case ceDate: {
        const int32_t day = valueOf<int32_t>(value);
        if (def.Length == 4) {
            put(slot, uint32_t(tk::julianDayFromDayCount(day)));
            return nullptr;
        }
        const AnsiString text = dateText(day);
        if (text.empty() || text.size() > def.Length)
            return SDateFunctions;
        std::memcpy(slot, text.data(), text.size());
        return nullptr;
    }
    case ceString: {
        const char* text = static_cast<const char*>(value);
        const std::size_t length = strnlen(text, def.Length);
        std::memset(slot, length == 0 && vdt ? 0 : ' ', def.Length);
        std::memcpy(slot, text, length);
        return nullptr;
    }
    case ceCompactDate: {
        const AnsiString text = dateText(valueOf<int32_t>(value));
        // The three bytes are packed from the digits yyyymmdd at fixed places: any other text (a
        // failed conversion, a year of five digits) would pack a different date without a word.
        if (text.size() != 8)
            return SDateFunctions;
        TDbDataSet::TextToCompactDate(text, reinterpret_cast<unsigned char*>(slot));
        return nullptr;
    }
    case ceDouble:
    case ceCurDouble:
        std::memcpy(slot, value, 8);
        return nullptr;
    case ceInteger:
    case ceTime:
    case ceAutoInc:
        std::memcpy(slot, value, 4);
        return nullptr;
    case ceShortInt:
        std::memcpy(slot, value, 2);
        return nullptr;
    case ceRaw:
        std::memcpy(slot, value, def.Length);
        return nullptr;
    case ceTimestamp: {
        const double msecs = valueOf<double>(value);
        const double days = std::trunc(msecs / MSecsPerDay);
        put(slot, uint32_t(int64_t(days) + tk::kJulianDayDelta));
        put(slot + 4, uint32_t(int64_t(msecs - days * MSecsPerDay)));
        return nullptr;
    }
    default:
        return nullptr;
    }
}

[[noreturn]] void outOfRange(const AnsiString& text) { throw EConvertError(SNumericOutOfRangeValue + text); }

} // namespace

const char* fieldToRaw(const TEngineFieldDef& Def, bool Vdt, TFieldType FieldType, const void* Value, char* Slot) {
    if (Value == nullptr) {
        writeNull(Def, Vdt, Slot);
        return nullptr;
    }
    return writeValue(Def, Vdt, FieldType, Value, Slot);
}

bool defaultToRaw(const TEngineFieldDef& Def, bool Vdt, TFieldType FieldType, const AnsiString& Expression,
                  char* Slot) {
    const AnsiString text = Trim(Expression);
    const auto store = [&](const void* value) {
        if (const char* refusal = writeValue(Def, Vdt, FieldType, value, Slot))
            throw EConvertError(refusal);
        return true;
    };
    switch (Def.EngineType) {
    case ceString: {
        if (text.size() < 2 || text.front() != '\'' || text.back() != '\'')
            return false;
        return store(text.substr(1, text.size() - 2).c_str());
    }
    case ceLogical: {
        const AnsiString upper = UpperCase(text);
        const int16_t value = upper == "TRUE" || upper == "T" || upper == ".T." || upper == "1" ? -1 : 0;
        return store(&value);
    }
    case ceNumeric:
    case ceDouble:
    case ceCurDouble: {
        const double value = StrToFloat(text, tk::machineFormat());
        if (FieldType != ftSmallint)
            return store(&value);
        // A numeric field read as a small integer takes its value in 16 bits: a default beyond
        // them would wrap into another number, so it is refused as a shortint's default is.
        if (!(std::fabs(value) <= 32767.0))
            outOfRange(text);
        const auto small = int16_t(value);
        return store(&small);
    }
    case ceInteger:
    case ceShortInt: {
        const int value = StrToInt(text);
        if (value == INT32_MIN || (Def.EngineType == ceShortInt && (value < -32767 || value > 32767)))
            outOfRange(text);
        if (Def.EngineType == ceInteger)
            return store(&value);
        const auto small = int16_t(value);
        return store(&small);
    }
    case ceDate:
    case ceCompactDate: {
        const auto day = int32_t(std::trunc(StrToDate(text)) + DateDelta);
        return store(&day);
    }
    case ceTime: {
        const TDateTime time = StrToTime(text);
        const auto msecs = int32_t(std::lround((time - std::floor(time)) * MSecsPerDay));
        return store(&msecs);
    }
    case ceTimestamp: {
        const double msecs = (StrToDateTime(text) + DateDelta) * MSecsPerDay;
        return store(&msecs);
    }
    default:
        return false;
    }
}

} // namespace db
