// A result cursor of the engine as JSON lines: one object per row, the field names as keys, text
// in UTF-8; numbers as numbers, logicals as true/false, dates as "YYYY-MM-DD", times and
// timestamps with milliseconds, binary data as hexadecimal text, empty fields as null.
#pragma once

#include "engine/CeEngine.h"

#include <ostream>

namespace cesql {

// Writes every row from the cursor's top; a failing engine call ends it with that call's result.
[[nodiscard]] CERESULT writeRows(CEHANDLE cursor, std::ostream& out);

} // namespace cesql
