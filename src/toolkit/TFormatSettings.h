// How numbers and dates are written. FormatSettings holds the display conventions of the Russian
// interface (decimal ",", thousands the no-break space, dates "dd.MM.yyyy"); the engine settings
// component may change its date format at run time. Machine texts (expressions, SQL, INI files)
// use tk::machineFormat(), whose decimal separator is always ".".
#pragma once

#include "toolkit/AnsiString.h"

struct TFormatSettings {
    char DecimalSeparator = ',';
    char ThousandSeparator = '\xA0'; // the no-break space of code page 1251
    char DateSeparator = '.';
    char TimeSeparator = ':';
    // In date formats "/" stands for DateSeparator and ":" for TimeSeparator.
    AnsiString ShortDateFormat = "dd.MM.yyyy";
    AnsiString LongTimeFormat = "h:mm:ss";
};

// The display conventions; process-wide, changed without locking (one thread).
extern TFormatSettings FormatSettings;

namespace tk {

// "." as decimal separator, "," between thousands, dates as "yyyy-MM-dd".
const TFormatSettings& machineFormat();

} // namespace tk
