// The variant value of the dataset layer: what fields, parameters, Locate and Lookup pass around
// when the type is only known at run time (null, unassigned, numbers, dates, text, bytes, arrays).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"

// A variant that cannot be converted to the type asked for, or an array index out of range.
class EVariantError : public Exception {
    using Exception::Exception;
};

enum TVarType { varEmpty, varNull, varBoolean, varInteger, varInt64, varDouble, varCurrency, varDate, varString, varBytes, varArray };

class Variant {
public:
    // Unassigned (varEmpty).
    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(std::int32_t(value)) {}
    Variant(std::int64_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(const char* value) : value_(AnsiString(value)) {}
    Variant(AnsiString value) : value_(std::move(value)) {}

    static Variant Null();
    static Variant Currency(double value);
    // A date-time: days since 30 December 1899, the fraction the time of day.
    static Variant Date(double value);
    static Variant Bytes(std::string bytes);
    static Variant Array(std::vector<Variant> items);

    TVarType VarType() const;
    bool IsNull() const { return VarType() == varNull; }
    bool IsEmpty() const { return VarType() == varEmpty; }
    bool IsArray() const { return VarType() == varArray; }

    // Conversions with the class library's rules: text uses the display formats (decimal
    // separator, short date format); null and unassigned read as "" here and as 0 / false in
    // the numeric conversions, except that AsInteger/AsFloat/AsBoolean/AsDateTime of null raise.
    AnsiString AsString() const;
    std::int32_t AsInteger() const;
    std::int64_t AsInt64() const;
    double AsFloat() const;
    bool AsBoolean() const;
    double AsDateTime() const;
    // The bytes of a bytes value, or the text of any other value.
    std::string AsBytes() const;

    int ArrayCount() const;
    // Raises EVariantError for an index out of range or a value that is not an array.
    const Variant& operator[](int index) const;

    // Same type and same value; numbers of different kinds compare by value, text exactly.
    bool operator==(const Variant& other) const;

private:
    struct Null_ {
        bool operator==(const Null_&) const = default;
    };
    struct Currency_ {
        double value;
        bool operator==(const Currency_&) const = default;
    };
    struct Date_ {
        double value;
        bool operator==(const Date_&) const = default;
    };
    struct Bytes_ {
        std::string bytes;
        bool operator==(const Bytes_&) const = default;
    };
    using Array_ = std::vector<Variant>;

    template <class T>
    explicit Variant(T value, int) : value_(std::move(value)) {}

    [[noreturn]] void cannotConvert(const char* to) const;
    bool isNumber() const;
    double number() const;

    std::variant<std::monostate, Null_, bool, std::int32_t, std::int64_t, double, Currency_, Date_, AnsiString, Bytes_, Array_> value_;
};

// An array variant of the given items (KeyValues of a Locate on several fields).
Variant VarArrayOf(std::initializer_list<Variant> items);
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
