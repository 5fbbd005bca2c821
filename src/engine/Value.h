// A value of the expression language and of field slots: text (CP1251), number, date (Julian day),
// timestamp (milliseconds since Julian day 0), logical or null.
#pragma once

#include <cstdint>
#include <string>

namespace ce {

struct Value {
    enum class Kind { Null, Text, Number, Date, Timestamp, Logical };

    Kind kind = Kind::Null;
    std::string text;
    double number = 0;
    int64_t integer = 0; // Julian day of a date, milliseconds of a timestamp
    bool logical = false;

    static Value makeText(std::string t) {
        Value v;
        v.kind = Kind::Text;
        v.text = std::move(t);
        return v;
    }
    static Value makeNumber(double n) {
        Value v;
        v.kind = Kind::Number;
        v.number = n;
        return v;
    }
    static Value makeDate(int64_t julian) {
        Value v;
        v.kind = Kind::Date;
        v.integer = julian;
        return v;
    }
    static Value makeTimestamp(int64_t ms) {
        Value v;
        v.kind = Kind::Timestamp;
        v.integer = ms;
        return v;
    }
    static Value makeLogical(bool b) {
        Value v;
        v.kind = Kind::Logical;
        v.logical = b;
        return v;
    }
    bool isNull() const { return kind == Kind::Null; }
};

} // namespace ce
