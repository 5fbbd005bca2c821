// Number texts without the C locale: std::to_chars and std::from_chars never look at it, and the
// windowing library may switch it to the user's.
#include "toolkit/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "toolkit/Exception.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A finite, non-zero value rounded to `precision` significant digits: value = 0.digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int exponent = 0;
};

Decimal toDecimal(double value, int precision) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    const size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.')
            d.digits += c;
    }
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
    return d;
}

// Keeps `keep` leading digits, rounding half away from zero; may carry into a new digit.
void roundTo(Decimal& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9')
        d.digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<size_t>(i)];
        return;
    }
    d.digits.insert(d.digits.begin(), '1');
    ++d.exponent;
}

void trimTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(index)] : '0';
}

AnsiString sign(const Decimal& d) { return d.negative && !d.digits.empty() ? "-" : ""; }

AnsiString scientific(const Decimal& d, int mantissaDigits, bool plusSign, int exponentDigits, const TFormatSettings& s) {
    AnsiString text = sign(d);
    text += digitAt(d, 0);
    if (mantissaDigits > 1) {
        text += s.DecimalSeparator;
        for (int i = 1; i < mantissaDigits; ++i)
            text += digitAt(d, i);
    }
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    text += 'E';
    if (exponent < 0)
        text += '-';
    else if (plusSign)
        text += '+';
    AnsiString magnitude = std::to_string(std::abs(exponent));
    if (static_cast<int>(magnitude.size()) < exponentDigits)
        magnitude.insert(0, static_cast<size_t>(exponentDigits) - magnitude.size(), '0');
    return text + magnitude;
}

AnsiString fixed(const Decimal& d, int decimals, bool thousands, const TFormatSettings& s) {
    AnsiString integer;
    if (d.digits.empty() || d.exponent <= 0) {
        integer = "0";
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            if (thousands && i > 0 && (d.exponent - i) % 3 == 0)
                integer += s.ThousandSeparator;
            integer += digitAt(d, i);
        }
    }
    AnsiString text = sign(d) + integer;
    if (decimals > 0) {
        text += s.DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            text += d.digits.empty() ? '0' : digitAt(d, d.exponent + i);
    }
    return text;
}

AnsiString general(double value, int precision, const TFormatSettings& s) {
    Decimal d = toDecimal(value, precision);
    trimTrailingZeros(d);
    if (d.digits.empty())
        return "0";
    if (d.exponent > precision || d.exponent < -4)
        return scientific(d, static_cast<int>(d.digits.size()), /*plusSign=*/false, 0, s);
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return fixed(d, decimals, /*thousands=*/false, s);
}

} // namespace

AnsiString IntToStr(int64_t Value) { return std::to_string(Value); }

bool TryStrToInt(std::string_view S, int& Value) {
    size_t i = 0;
    while (i < S.size() && isBlank(S[i]))
        ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == '-' || S[i] == '+'))
        negative = S[i++] == '-';
    int base = 10;
    if (i < S.size() && S[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == S.size())
        return false;
    uint64_t magnitude = 0;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    for (; i < S.size(); ++i) {
        const int digit = hexDigit(S[i]);
        if (digit < 0 || digit >= base)
            return false;
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            return false;
    }
    const int64_t signedValue = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    Value = static_cast<int>(static_cast<uint32_t>(signedValue));
    return true;
}

int StrToInt(std::string_view S) {
    int value = 0;
    if (!TryStrToInt(S, value))
        throw EConvertError("'" + AnsiString(S) + "' is not a valid integer value");
    return value;
}

int StrToIntDef(std::string_view S, int Default) {
    int value = 0;
    return TryStrToInt(S, value) ? value : Default;
}

AnsiString IntToHex(int64_t Value, int Digits) {
    const uint64_t pattern = Value < 0 ? static_cast<uint32_t>(Value) : static_cast<uint64_t>(Value);
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, pattern, 16);
    AnsiString text(buffer, result.ptr);
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'a' ? static_cast<char>(c - 32) : c; });
    if (static_cast<int>(text.size()) < Digits)
        text.insert(0, static_cast<size_t>(Digits) - text.size(), '0');
    return text;
}

AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings& Settings) {
    if (std::isnan(Value))
        return "NAN";
    if (std::isinf(Value))
        return Value < 0 ? "-INF" : "INF";
    Precision = std::clamp(Precision, 2, 18);
    Digits = std::clamp(Digits, 0, 18);
    switch (Format) {
    case ffGeneral:
        return general(Value, Precision, Settings);
    case ffExponent:
        return scientific(toDecimal(Value, Precision), Precision, /*plusSign=*/true, std::min(Digits, 4), Settings);
    case ffFixed:
    case ffNumber: {
        Decimal d = toDecimal(Value, Precision);
        if (d.exponent > Precision)
            return general(Value, Precision, Settings);
        roundTo(d, d.exponent + Digits);
        return fixed(d, Digits, Format == ffNumber, Settings);
    }
    }
    return general(Value, Precision, Settings);
}

AnsiString FloatToStr(double Value, const TFormatSettings& Settings) { return FloatToStrF(Value, ffGeneral, 15, 0, Settings); }

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings) {
    while (!S.empty() && isBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && isBlank(S.back()))
        S.remove_suffix(1);
    // Rewrite into the one form from_chars reads: "." as the point, no "+" sign.
    std::string plain;
    size_t i = 0;
    if (i < S.size() && (S[i] == '+' || S[i] == '-'))
        plain += S[i++] == '-' ? "-" : "";
    bool digits = false, point = false;
    for (; i < S.size() && S[i] != 'e' && S[i] != 'E'; ++i) {
        if (S[i] >= '0' && S[i] <= '9') {
            digits = true;
            plain += S[i];
        } else if (S[i] == Settings.DecimalSeparator && !point) {
            point = true;
            plain += '.';
        } else {
            return false;
        }
    }
    if (!digits)
        return false;
    if (i < S.size()) {
        plain += 'e';
        ++i;
        if (i < S.size() && (S[i] == '+' || S[i] == '-'))
            plain += S[i++] == '-' ? "-" : "";
        if (i == S.size())
            return false;
        for (; i < S.size(); ++i) {
            if (S[i] < '0' || S[i] > '9')
                return false;
            plain += S[i];
        }
    }
    double parsed = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return false;
    Value = parsed;
    return true;
}

double StrToFloat(std::string_view S, const TFormatSettings& Settings) {
    double value = 0;
    if (!TryStrToFloat(S, value, Settings))
        throw EConvertError("'" + AnsiString(S) + "' is not a valid floating point value");
    return value;
}
