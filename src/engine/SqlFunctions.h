// The SQL functions and the collation the engine registers on every SQLite connection it opens, so
// that its dialect is code-page aware: UPPER and LOWER fold every letter of code page 1251
// (Cyrillic with Ё, the Ukrainian and Belarusian letters) as well as ASCII, exactly as src/base
// does; LIKE compares case-sensitively (an "Upper(Name) LIKE :Name" pattern is upper-cased by the
// caller); and the collation CE_ANSI, declared on the engine's text columns, orders text as the
// case-insensitive (UPPER) index orders do, with exact byte order breaking ties, so that "="
// stays exact and "order by name" lists names as the NAME index does.
#pragma once

#include "engine/Status.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace ce {

inline constexpr const char* kAnsiCollation = "CE_ANSI";

Status registerSqlFunctions(sqlite3* db);

// The same operations on UTF-8 text, for the engine's own use and for tests.
std::string upperUtf8(std::string_view utf8);
std::string lowerUtf8(std::string_view utf8);
// Negative, zero or positive: sort weights of code page 1251 first (base::compareTextCp1251 on
// the text's CP1251 form), then bytes; zero only for equal texts.
int compareAnsiUtf8(std::string_view a, std::string_view b);
// compareAnsiUtf8 of the UTF-8 forms of two CP1251 texts, without converting them.
int compareAnsiCp1251(std::string_view a, std::string_view b);
// Whether a string slot of length bytes that utf8ToCp1251Slot wrote from utf8 gives utf8 back:
// every character has its own CP1251 byte, the text fits, and it does not end in a blank or zero
// (which writing the slot back would trim).
bool isExactSlotText(std::string_view utf8, const unsigned char* slot, uint32_t length);
// SQLite's UTF-8 text into a CP1251 string slot of length bytes, blank-padded and cut to fit:
// the bytes base::utf8ToCp1251 gives, without building a string (rows are read in bulk).
void utf8ToCp1251Slot(std::string_view utf8, unsigned char* slot, uint32_t length);
// SQL LIKE without case folding: "%" any run, "_" one character, escape (0 for none) quoting the
// next pattern character.
bool likeUtf8(std::string_view pattern, std::string_view text, char32_t escape);

} // namespace ce
