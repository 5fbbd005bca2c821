// Variant conversions: numbers and dates through the display formats, text parsed back with
// them, and a clear EVariantError for a conversion that has no meaning.
#include "toolkit/Variant.h"

#include <cmath>
#include <limits>

#include "toolkit/DateTimeText.h"
#include "toolkit/NumberText.h"

namespace {

const char* typeName(TVarType t) {
    static const char* const names[] = {"Empty", "Null", "Boolean", "Integer", "Int64", "Double", "Currency", "Date", "String", "Bytes", "Array"};
    return names[t];
}

std::int64_t roundToInt64(double v) {
    if (!(std::fabs(v) < 9.2e18))
        throw EVariantError("Overflow while converting variant of type (Double) into type (Int64)");
    return std::llrint(v); // banker's rounding, as the class library rounds
}

} // namespace

Variant Variant::Null() { return Variant(Null_{}, 0); }
Variant Variant::Currency(double value) { return Variant(Currency_{value}, 0); }
Variant Variant::Date(double value) { return Variant(Date_{value}, 0); }
Variant Variant::Bytes(std::string bytes) { return Variant(Bytes_{std::move(bytes)}, 0); }
Variant Variant::Array(std::vector<Variant> items) { return Variant(std::move(items), 0); }

TVarType Variant::VarType() const { return static_cast<TVarType>(value_.index()); }

void Variant::cannotConvert(const char* to) const {
    throw EVariantError(AnsiString("Could not convert variant of type (") + typeName(VarType()) + ") into type (" + to + ")");
}

bool Variant::isNumber() const {
    switch (VarType()) {
    case varBoolean:
    case varInteger:
    case varInt64:
    case varDouble:
    case varCurrency:
    case varDate:
        return true;
    default:
        return false;
    }
}

double Variant::number() const {
    switch (VarType()) {
    case varBoolean:
        return std::get<bool>(value_) ? -1 : 0;
    case varInteger:
        return std::get<std::int32_t>(value_);
    case varInt64:
        return double(std::get<std::int64_t>(value_));
    case varDouble:
        return std::get<double>(value_);
    case varCurrency:
        return std::get<Currency_>(value_).value;
    case varDate:
        return std::get<Date_>(value_).value;
    default:
        return 0;
    }
}

AnsiString Variant::AsString() const {
    switch (VarType()) {
    case varEmpty:
    case varNull:
        return "";
    case varBoolean:
        return std::get<bool>(value_) ? "True" : "False";
    case varInteger:
        return std::to_string(std::get<std::int32_t>(value_));
    case varInt64:
        return std::to_string(std::get<std::int64_t>(value_));
    case varDouble:
    case varCurrency:
        return FloatToStr(number());
    case varDate:
        return DateTimeToStr(number());
    case varString:
        return std::get<AnsiString>(value_);
    case varBytes:
        return std::get<Bytes_>(value_).bytes;
    case varArray:
        break;
    }
    cannotConvert("String");
}

std::int64_t Variant::AsInt64() const {
    switch (VarType()) {
    case varEmpty:
        return 0;
    case varInteger:
        return std::get<std::int32_t>(value_);
    case varInt64:
        return std::get<std::int64_t>(value_);
    case varString: {
        const AnsiString& s = std::get<AnsiString>(value_);
        double v = 0;
        if (TryStrToFloat(s, v))
            return roundToInt64(v);
        cannotConvert("Integer");
    }
    default:
        if (isNumber())
            return roundToInt64(number());
        cannotConvert("Integer");
    }
}

std::int32_t Variant::AsInteger() const {
    const std::int64_t v = AsInt64();
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw EVariantError("Overflow while converting variant of type (" + AnsiString(typeName(VarType())) + ") into type (Integer)");
    return std::int32_t(v);
}

double Variant::AsFloat() const {
    if (VarType() == varEmpty)
        return 0;
    if (isNumber())
        return number();
    if (VarType() == varString) {
        double v = 0;
        if (TryStrToFloat(std::get<AnsiString>(value_), v))
            return v;
    }
    cannotConvert("Double");
}

bool Variant::AsBoolean() const {
    if (VarType() == varEmpty)
        return false;
    if (isNumber())
        return number() != 0;
    if (VarType() == varString) {
        const AnsiString& s = std::get<AnsiString>(value_);
        if (s.size() == 4 && (s[0] | 0x20) == 't' && (s[1] | 0x20) == 'r' && (s[2] | 0x20) == 'u' && (s[3] | 0x20) == 'e')
            return true;
        if (s.size() == 5 && (s[0] | 0x20) == 'f' && (s[1] | 0x20) == 'a' && (s[2] | 0x20) == 'l' && (s[3] | 0x20) == 's' && (s[4] | 0x20) == 'e')
            return false;
        double v = 0;
        if (TryStrToFloat(s, v))
            return v != 0;
    }
    cannotConvert("Boolean");
}

double Variant::AsDateTime() const {
    if (VarType() == varEmpty)
        return 0;
    if (isNumber())
        return number();
    if (VarType() == varString) {
        try {
            return StrToDateTime(std::get<AnsiString>(value_));
        } catch (const EConvertError&) {
        }
    }
    cannotConvert("Date");
}

std::string Variant::AsBytes() const { return VarType() == varBytes ? std::get<Bytes_>(value_).bytes : AsString(); }

int Variant::ArrayCount() const { return IsArray() ? int(std::get<Array_>(value_).size()) : 0; }

const Variant& Variant::operator[](int index) const {
    if (!IsArray())
        cannotConvert("Array");
    const Array_& items = std::get<Array_>(value_);
    if (index < 0 || index >= int(items.size()))
        throw EVariantError("Variant array index out of bounds");
    return items[std::size_t(index)];
}

bool Variant::operator==(const Variant& other) const {
    if (isNumber() && other.isNumber())
        return number() == other.number();
    return value_ == other.value_;
}

Variant VarArrayOf(std::initializer_list<Variant> items) { return Variant::Array(std::vector<Variant>(items)); }
