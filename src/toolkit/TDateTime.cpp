// Calendar arithmetic on the proleptic Gregorian calendar, through a day number counted from
// 1 March of year 0 so that the leap day falls at the end of each counted year.
#include "toolkit/TDateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

#include "toolkit/Exception.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
// Days from 1 January 1970 to 30 December 1899.
constexpr int64_t kUnixToDateTimeDays = 25569;
// Beyond 1 January of year 1 .. 31 December 9999 by a margin: a value outside is damage, and
// converting it to integers would overflow.
constexpr double kDateTimeLimit = 3000000.0;

[[noreturn]] void outOfRange(double value) {
    throw EConvertError("Date value out of range (" + std::to_string(value) + ")");
}

// Days since 1 January 1970 of a civil date.
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int daysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

TDateTime EncodeDate(int Year, int Month, int Day) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > daysInMonth(Year, Month))
        throw EConvertError("Invalid argument to date encode");
    return static_cast<TDateTime>(daysFromCivil(Year, Month, Day) + kUnixToDateTimeDays);
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
    const TTimeStamp stamp = DateTimeToTimeStamp(Date);
    civilFromDays(int64_t{stamp.Date} - DateDelta - kUnixToDateTimeDays, Year, Month, Day);
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        throw EConvertError("Invalid argument to time encode");
    return ((Hour * 60 + Min) * 60 + Sec) * 1000.0 / MSecsPerDay + MSec / MSecsPerDay;
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
    int ms = DateTimeToTimeStamp(Time).Time;
    MSec = ms % 1000;
    ms /= 1000;
    Sec = ms % 60;
    ms /= 60;
    Min = ms % 60;
    Hour = ms / 60;
}

TDateTime Now() {
    const auto now = std::chrono::system_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    const TDateTime day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return day + EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms % 1000));
}

TDateTime Date() { return std::floor(Now()); }

TTimeStamp DateTimeToTimeStamp(TDateTime DateTime) {
    if (!(std::fabs(DateTime) <= kDateTimeLimit))
        outOfRange(DateTime);
    const int64_t total = std::llround(std::fabs(DateTime) * MSecsPerDay);
    const int64_t days = total / kMSecsPerDay;
    TTimeStamp stamp;
    stamp.Time = static_cast<int>(total % kMSecsPerDay);
    stamp.Date = static_cast<int>(DateDelta + (DateTime < 0 ? -days : days));
    return stamp;
}

TDateTime TimeStampToDateTime(const TTimeStamp& TimeStamp) {
    if (TimeStamp.Time < 0 || TimeStamp.Date <= 0)
        throw EConvertError("'" + std::to_string(TimeStamp.Date) + "." + std::to_string(TimeStamp.Time) +
                            "' is not a valid timestamp");
    const double days = static_cast<double>(TimeStamp.Date) - DateDelta;
    const double fraction = TimeStamp.Time / MSecsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

double TimeStampToMSecs(const TTimeStamp& TimeStamp) {
    return static_cast<double>(TimeStamp.Date) * MSecsPerDay + TimeStamp.Time;
}

TTimeStamp MSecsToTimeStamp(double MSecs) {
    if (!(std::fabs(MSecs) <= (kDateTimeLimit + DateDelta) * MSecsPerDay))
        outOfRange(MSecs);
    const double days = std::trunc(MSecs / MSecsPerDay);
    TTimeStamp stamp;
    stamp.Date = static_cast<int>(days);
    stamp.Time = static_cast<int>(MSecs - days * MSecsPerDay);
    return stamp;
}

namespace tk {

int64_t julianDayFromDateTime(TDateTime dateTime) {
    if (!(std::fabs(dateTime) <= kDateTimeLimit))
        outOfRange(dateTime);
    return julianDayFromDayCount(static_cast<int>(std::trunc(dateTime)) + DateDelta);
}

} // namespace tk
