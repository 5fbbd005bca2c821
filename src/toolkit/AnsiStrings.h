// Case, comparison and trimming of the system's CP1251 strings. The Ansi* functions know the
// Cyrillic letters (through the same tables as the engine's SQL); UpperCase and LowerCase touch
// only the ASCII letters.
#pragma once

#include <string_view>

#include "toolkit/AnsiString.h"

AnsiString AnsiUpperCase(std::string_view s);
AnsiString AnsiLowerCase(std::string_view s);

// Case-insensitive; negative, zero or positive. A strict weak order with the Russian letters in
// alphabet order and Ё beside Е.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

AnsiString UpperCase(std::string_view s);
AnsiString LowerCase(std::string_view s);

// Remove the characters up to the blank (control characters and blanks) at both ends, the
// start or the end.
AnsiString Trim(std::string_view s);
AnsiString TrimLeft(std::string_view s);
AnsiString TrimRight(std::string_view s);
