// Format: the system's printf. Directives are "%" [ "-" ] [ width ] [ "." precision ] type, with
// type d (integer; precision = least digits), u, x (upper-case hexadecimal), s (string; precision
// = most characters), f (fixed, 2 decimals unless a precision is given), n (as f, with thousand
// separators), e (scientific), g (general, 15 digits), and "%%" for a percent sign. A directive
// that does not fit its argument, or a missing argument, raises EConvertError.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/TFormatSettings.h"

namespace tk {

// One argument of Format: an integer, a floating-point number or a string.
struct FormatArg {
    enum class Kind { Integer, Float, String } kind;
    int64_t integer = 0;
    double number = 0;
    std::string_view text;

    template <class T>
    FormatArg(const T& value) : kind(kindOf<T>()) { // NOLINT: arguments convert implicitly
        if constexpr (std::is_same_v<T, bool>)
            integer = value ? 1 : 0;
        else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
            integer = static_cast<int64_t>(value);
        else if constexpr (std::is_floating_point_v<T>)
            number = static_cast<double>(value);
        else
            text = std::string_view(value);
    }

private:
    template <class T>
    static constexpr Kind kindOf() {
        if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
            return Kind::Integer;
        else if constexpr (std::is_floating_point_v<T>)
            return Kind::Float;
        else
            return Kind::String;
    }
};

AnsiString formatArgs(std::string_view format, const std::vector<FormatArg>& args, const TFormatSettings& settings);

} // namespace tk

template <class... Args>
AnsiString Format(std::string_view format, const Args&... args) {
    return tk::formatArgs(format, {tk::FormatArg(args)...}, FormatSettings);
}

// The same with other conventions, for machine texts: Format(tk::machineFormat(), "%.2f", x).
template <class... Args>
AnsiString Format(const TFormatSettings& settings, std::string_view format, const Args&... args) {
    return tk::formatArgs(format, {tk::FormatArg(args)...}, settings);
}
