// Julian day numbers of the proleptic Gregorian calendar (JD 1721426 is 0001-01-01, JD 2415019 is
// 1899-12-30) and the engine's storage text "CCYYMMDD" for dates.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ce {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

bool isValidDate(const CalendarDate& date);
int64_t julianFromDate(const CalendarDate& date);
CalendarDate dateFromJulian(int64_t julian);

// "CCYYMMDD"; years outside 1..9999 give an empty text.
std::string julianToStorageText(int64_t julian);
// Parses exactly eight digits forming a valid date.
std::optional<int64_t> storageTextToJulian(std::string_view text);

constexpr int64_t kMillisecondsPerDay = 86400000;

} // namespace ce
