// The directive walker of Format; number texts come from NumberText.
#include "toolkit/Format.h"

#include <cstdlib>

#include "toolkit/Exception.h"
#include "toolkit/NumberText.h"

namespace tk {
namespace {

struct Directive {
    bool leftJustify = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

[[noreturn]] void invalid(std::string_view format) {
    throw EConvertError("Format '" + AnsiString(format) + "' invalid or incompatible with argument");
}

int readNumber(std::string_view format, size_t& pos) {
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9' && value < 100000)
        value = value * 10 + (format[pos++] - '0');
    return value;
}

Directive parseDirective(std::string_view format, size_t& pos) {
    Directive d;
    if (pos < format.size() && format[pos] == '-') {
        d.leftJustify = true;
        ++pos;
    }
    if (pos < format.size() && format[pos] >= '0' && format[pos] <= '9')
        d.width = readNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        d.precision = readNumber(format, pos);
    }
    if (pos >= format.size())
        invalid(format);
    d.type = format[pos++];
    if (d.type >= 'A' && d.type <= 'Z')
        d.type = static_cast<char>(d.type - 'A' + 'a');
    return d;
}

AnsiString padDigits(AnsiString digits, int precision) {
    const bool negative = !digits.empty() && digits[0] == '-';
    const int count = static_cast<int>(digits.size()) - (negative ? 1 : 0);
    if (precision > count)
        digits.insert(negative ? 1 : 0, static_cast<size_t>(precision - count), '0');
    return digits;
}

AnsiString convert(const Directive& d, const FormatArg& arg, std::string_view format, const TFormatSettings& settings) {
    const bool isInteger = arg.kind == FormatArg::Kind::Integer;
    const bool isFloat = arg.kind == FormatArg::Kind::Float;
    switch (d.type) {
    case 'd':
        if (!isInteger)
            invalid(format);
        return padDigits(IntToStr(arg.integer), d.precision);
    case 'u':
        if (!isInteger)
            invalid(format);
        return padDigits(IntToStr(arg.integer < 0 ? static_cast<uint32_t>(arg.integer) : arg.integer), d.precision);
    case 'x':
        if (!isInteger)
            invalid(format);
        return IntToHex(arg.integer, d.precision);
    case 's':
        if (arg.kind != FormatArg::Kind::String)
            invalid(format);
        return AnsiString(d.precision >= 0 ? arg.text.substr(0, static_cast<size_t>(d.precision)) : arg.text);
    case 'f':
    case 'n':
    case 'e':
    case 'g':
        break;
    default:
        invalid(format);
    }
    if (!isFloat)
        invalid(format);
    if (d.type == 'f')
        return FloatToStrF(arg.number, ffFixed, 15, d.precision < 0 ? 2 : d.precision, settings);
    if (d.type == 'n')
        return FloatToStrF(arg.number, ffNumber, 15, d.precision < 0 ? 2 : d.precision, settings);
    if (d.type == 'e')
        return FloatToStrF(arg.number, ffExponent, d.precision < 0 ? 15 : d.precision, 3, settings);
    return FloatToStrF(arg.number, ffGeneral, d.precision < 0 ? 15 : d.precision, 3, settings);
}

} // namespace

AnsiString formatArgs(std::string_view format, const std::vector<FormatArg>& args, const TFormatSettings& settings) {
    AnsiString result;
    size_t next = 0;
    size_t pos = 0;
    while (pos < format.size()) {
        const size_t percent = format.find('%', pos);
        result += format.substr(pos, percent == std::string_view::npos ? std::string_view::npos : percent - pos);
        if (percent == std::string_view::npos)
            break;
        pos = percent + 1;
        if (pos < format.size() && format[pos] == '%') {
            result += '%';
            ++pos;
            continue;
        }
        const Directive d = parseDirective(format, pos);
        if (next >= args.size())
            invalid(format);
        AnsiString text = convert(d, args[next++], format, settings);
        const int padding = d.width - static_cast<int>(text.size());
        if (padding > 0)
            text.insert(d.leftJustify ? text.size() : 0, static_cast<size_t>(padding), ' ');
        result += text;
    }
    return result;
}

} // namespace tk
