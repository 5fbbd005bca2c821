// Dates and times as text, after a TFormatSettings (the display conventions by default).
// Format letters, case-insensitive: d dd (day), m mm (month; minutes right after an hour), yy yyyy,
// h hh, n nn (minutes), s ss, z zzz (milliseconds), c (short date, then the long time unless it
// is midnight); "/" and ":" stand for the date and time separators; text in quotes is copied.
#pragma once

#include <string_view>

#include "toolkit/AnsiString.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TFormatSettings.h"

AnsiString FormatDateTime(std::string_view Format, TDateTime DateTime, const TFormatSettings& Settings = FormatSettings);
AnsiString DateToStr(TDateTime Date, const TFormatSettings& Settings = FormatSettings);
AnsiString TimeToStr(TDateTime Time, const TFormatSettings& Settings = FormatSettings);
AnsiString DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings = FormatSettings);

// Day, month and year in the order of ShortDateFormat, split by DateSeparator; a missing year is
// this year, a year of one or two digits the nearest such year within fifty years. Raises EConvertError
// "'S' is not a valid date".
TDateTime StrToDate(std::string_view S, const TFormatSettings& Settings = FormatSettings);
// Hours, minutes, optional seconds and milliseconds ("h:mm[:ss[.zzz]]"). Raises EConvertError.
TDateTime StrToTime(std::string_view S, const TFormatSettings& Settings = FormatSettings);
// A date, optionally followed by blanks and a time. Raises EConvertError.
TDateTime StrToDateTime(std::string_view S, const TFormatSettings& Settings = FormatSettings);
