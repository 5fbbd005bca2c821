// The date and time texts: a small format walker and a scanner of separated numbers.
#include "toolkit/DateTimeText.h"

#include <cmath>
#include <optional>
#include <vector>

#include "toolkit/Exception.h"

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

AnsiString twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

AnsiString padded(int value, size_t width) {
    AnsiString text = std::to_string(value);
    return text.size() < width ? AnsiString(width - text.size(), '0') + text : text;
}

void appendFormatted(AnsiString& out, std::string_view format, TDateTime value, const TFormatSettings& s, int depth) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    bool afterHour = false;
    size_t i = 0;
    while (i < format.size()) {
        const char c = lower(format[i]);
        size_t run = 1;
        while (i + run < format.size() && lower(format[i + run]) == c)
            ++run;
        if (c == '"' || c == '\'') {
            const size_t close = format.find(format[i], i + 1);
            out += format.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
            i = close == std::string_view::npos ? format.size() : close + 1;
            continue;
        }
        const bool nextIsHour = c == 'h';
        switch (c) {
        case 'd':
            out += run >= 2 ? twoDigits(day) : std::to_string(day);
            break;
        case 'm':
            if (afterHour)
                out += run >= 2 ? twoDigits(minute) : std::to_string(minute);
            else
                out += run >= 2 ? twoDigits(month) : std::to_string(month);
            break;
        case 'y':
            out += run >= 3 ? padded(year, 4) : twoDigits(year % 100);
            break;
        case 'h':
            out += run >= 2 ? twoDigits(hour) : std::to_string(hour);
            break;
        case 'n':
            out += run >= 2 ? twoDigits(minute) : std::to_string(minute);
            break;
        case 's':
            out += run >= 2 ? twoDigits(second) : std::to_string(second);
            break;
        case 'z':
            out += run >= 3 ? padded(msec, 3) : std::to_string(msec);
            break;
        case 'c':
            // One level only: a short date format that itself holds "c" must not recurse forever.
            if (depth > 0)
                break;
            appendFormatted(out, s.ShortDateFormat, value, s, depth + 1);
            if (hour != 0 || minute != 0 || second != 0 || msec != 0) {
                out += ' ';
                appendFormatted(out, s.LongTimeFormat, value, s, depth + 1);
            }
            break;
        case '/':
            out += AnsiString(run, s.DateSeparator);
            break;
        case ':':
            out += AnsiString(run, s.TimeSeparator);
            break;
        default:
            out += format.substr(i, run);
            break;
        }
        // Only letters count: in "h:mm" the minutes still follow the hour.
        if (c >= 'a' && c <= 'z')
            afterHour = nextIsHour;
        i += run;
    }
}

struct Number {
    int value;
    size_t digits;
};

// Up to `most` unsigned numbers separated by `separator`; nullopt for anything else.
std::optional<std::vector<Number>> scanNumbers(std::string_view text, char separator, size_t most) {
    std::vector<Number> numbers;
    size_t i = 0;
    while (true) {
        int value = 0;
        size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 9) {
            value = value * 10 + (text[i++] - '0');
            ++digits;
        }
        if (digits == 0 || numbers.size() == most)
            return std::nullopt;
        numbers.push_back({value, digits});
        if (i == text.size())
            return numbers;
        if (text[i++] != separator)
            return std::nullopt;
    }
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<TDateTime> scanDate(std::string_view text, const TFormatSettings& s) {
    const auto numbers = scanNumbers(text, s.DateSeparator, 3);
    if (!numbers || numbers->size() < 2)
        return std::nullopt;
    // The order of day, month and year as the short date format writes them.
    std::string order;
    for (char c : s.ShortDateFormat) {
        c = lower(c);
        if ((c == 'd' || c == 'm' || c == 'y') && order.find(c) == std::string::npos)
            order += c;
    }
    if (order.size() != 3)
        order = "dmy";
    int thisYear = 0, unusedMonth = 0, unusedDay = 0;
    DecodeDate(Date(), thisYear, unusedMonth, unusedDay);
    int day = 0, month = 0, year = thisYear;
    bool shortYear = false;
    size_t next = 0;
    for (char part : order) {
        if (part == 'y' && numbers->size() == 2)
            continue;
        const Number number = (*numbers)[next++];
        if (part == 'd') {
            day = number.value;
        } else if (part == 'm') {
            month = number.value;
        } else {
            year = number.value;
            shortYear = number.digits <= 2;
        }
    }
    if (shortYear) {
        year += thisYear / 100 * 100;
        if (year > thisYear + 50)
            year -= 100;
        else if (year < thisYear - 50)
            year += 100;
    }
    try {
        return EncodeDate(year, month, day);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<TDateTime> scanTime(std::string_view text, const TFormatSettings& s) {
    int msec = 0;
    const size_t point = text.find('.');
    if (point != std::string_view::npos) {
        const auto fraction = scanNumbers(text.substr(point + 1), '\0', 1);
        if (!fraction || (*fraction)[0].value > 999)
            return std::nullopt;
        msec = (*fraction)[0].value;
        text = text.substr(0, point);
    }
    const auto numbers = scanNumbers(text, s.TimeSeparator, 3);
    if (!numbers || numbers->size() < 2)
        return std::nullopt;
    try {
        const auto& n = *numbers;
        return EncodeTime(n[0].value, n[1].value, n.size() == 3 ? n[2].value : 0, msec);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

[[noreturn]] void invalid(std::string_view text, const char* what) {
    throw EConvertError("'" + AnsiString(text) + "' is not a valid " + what);
}

} // namespace

AnsiString FormatDateTime(std::string_view Format, TDateTime DateTime, const TFormatSettings& Settings) {
    AnsiString out;
    appendFormatted(out, Format, DateTime, Settings, 0);
    return out;
}

AnsiString DateToStr(TDateTime Date, const TFormatSettings& Settings) {
    return FormatDateTime(Settings.ShortDateFormat, Date, Settings);
}

AnsiString TimeToStr(TDateTime Time, const TFormatSettings& Settings) {
    return FormatDateTime(Settings.LongTimeFormat, Time, Settings);
}

AnsiString DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings) {
    return FormatDateTime("c", DateTime, Settings);
}

TDateTime StrToDate(std::string_view S, const TFormatSettings& Settings) {
    const auto date = scanDate(trimmed(S), Settings);
    if (!date)
        invalid(S, "date");
    return *date;
}

TDateTime StrToTime(std::string_view S, const TFormatSettings& Settings) {
    const auto time = scanTime(trimmed(S), Settings);
    if (!time)
        invalid(S, "time");
    return *time;
}

TDateTime StrToDateTime(std::string_view S, const TFormatSettings& Settings) {
    const std::string_view text = trimmed(S);
    const size_t blank = text.find(' ');
    const auto date = scanDate(text.substr(0, blank), Settings);
    if (!date)
        invalid(S, "date and time");
    if (blank == std::string_view::npos)
        return *date;
    const auto time = scanTime(trimmed(text.substr(blank)), Settings);
    if (!time)
        invalid(S, "date and time");
    return *date + *time;
}
