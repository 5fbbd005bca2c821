// The system's file names on this platform: CP1251 names with "\" or "/" separators; relative
// names resolve against the current directory, as the program's "data\mapdata.vdd" does.
#pragma once

#include <string>

#include "toolkit/AnsiString.h"

namespace tk {

// The name as a UTF-8 path with "/" separators, for the operating system.
std::string nativePath(const AnsiString& fileName);

} // namespace tk
