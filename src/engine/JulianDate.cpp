// Conversions between calendar dates and Julian day numbers (Fliegel and Van Flandern's integer
// algorithm, valid for every date of the proleptic Gregorian calendar after 4800 BC).
#include "engine/JulianDate.h"

namespace ce {

bool isValidDate(const CalendarDate& date) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = kDays[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
    return date.day <= days;
}

int64_t julianFromDate(const CalendarDate& date) {
    const int64_t a = (14 - date.month) / 12;
    const int64_t y = date.year + 4800 - a;
    const int64_t m = date.month + 12 * a - 3;
    return date.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

CalendarDate dateFromJulian(int64_t julian) {
    const int64_t a = julian + 32044;
    const int64_t b = (4 * a + 3) / 146097;
    const int64_t c = a - 146097 * b / 4;
    const int64_t d = (4 * c + 3) / 1461;
    const int64_t e = c - 1461 * d / 4;
    const int64_t m = (5 * e + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    date.month = static_cast<int>(m + 3 - 12 * (m / 10));
    date.year = static_cast<int>(100 * b + d - 4800 + m / 10);
    return date;
}

std::string julianToStorageText(int64_t julian) {
    const CalendarDate date = dateFromJulian(julian);
    if (!isValidDate(date))
        return {};
    std::string text(8, '0');
    int value = date.year * 10000 + date.month * 100 + date.day;
    for (int i = 7; i >= 0; --i, value /= 10)
        text[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
    return text;
}

std::optional<int64_t> storageTextToJulian(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    const CalendarDate date{value / 10000, value / 100 % 100, value % 100};
    if (!isValidDate(date))
        return std::nullopt;
    return julianFromDate(date);
}

} // namespace ce
