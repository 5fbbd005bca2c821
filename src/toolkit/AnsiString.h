// The system's string: a std::string of code page 1251 bytes, as in the map stream and the engine's
// records. Russian literals are written in UTF-8 in the sources and turned into CP1251 by fromUtf8.
#pragma once

#include <string>
#include <string_view>

using AnsiString = std::string;

namespace tk {

// "Объект не найден!" written in the source as UTF-8, as the system's CP1251 string.
AnsiString fromUtf8(std::string_view utf8);

// A CP1251 string as UTF-8, for Qt, the file system and people.
std::string toUtf8(std::string_view ansi);

} // namespace tk
