// The system's dates: TDateTime counts days since 30 December 1899 as a double (the fraction is
// the time of day; before that date the fraction still counts forwards from midnight).
// TTimeStamp is the record-buffer form: a day count where 1 is 1 January of year 1, and the
// milliseconds since midnight. The engine speaks Julian day numbers.
#pragma once

#include <cstdint>

using TDateTime = double;

struct TTimeStamp {
    int Time; // milliseconds since midnight
    int Date; // days; 1 is 1 January of year 1
};

// Day count of 30 December 1899, the TDateTime zero.
constexpr int DateDelta = 693594;
constexpr double MSecsPerDay = 86400000.0;

// Years 1..9999; raises EConvertError for a day that does not exist.
TDateTime EncodeDate(int Year, int Month, int Day);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
// Raises EConvertError outside 0:00:00.000 .. 23:59:59.999.
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
bool IsLeapYear(int Year);

// Today at midnight and the present moment, local time.
TDateTime Date();
TDateTime Now();

// These raise EConvertError for a value far outside years 1..9999 (damaged input), never overflow.
TTimeStamp DateTimeToTimeStamp(TDateTime DateTime);
// Raises EConvertError for a negative time or a day count below 1.
TDateTime TimeStampToDateTime(const TTimeStamp& TimeStamp);
// Milliseconds since the start of 1 January of year 1 (the record-buffer form of a date-time).
double TimeStampToMSecs(const TTimeStamp& TimeStamp);
TTimeStamp MSecsToTimeStamp(double MSecs);

namespace tk {

// A day count d is the engine's Julian day d + kJulianDayDelta.
constexpr int kJulianDayDelta = 1721425;

inline int64_t julianDayFromDayCount(int dayCount) { return int64_t{dayCount} + kJulianDayDelta; }
inline int64_t dayCountFromJulianDay(int64_t julianDay) { return julianDay - kJulianDayDelta; }
// The Julian day of the date part; raises EConvertError far outside years 1..9999 (30 December 1899 is Julian day 2415019).
int64_t julianDayFromDateTime(TDateTime dateTime);

} // namespace tk
