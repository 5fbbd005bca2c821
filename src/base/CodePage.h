// Code pages 1251 and 866 to and from Unicode, and UTF-8 encoding and decoding.
// Characters that a code page cannot hold become "?".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

char32_t cp1251ToUnicode(unsigned char byte);
char32_t cp866ToUnicode(unsigned char byte);
unsigned char unicodeToCp1251(char32_t codePoint);
unsigned char unicodeToCp866(char32_t codePoint);

std::string cp1251ToUtf8(std::string_view bytes);
std::string cp866ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view utf8);
std::string utf8ToCp866(std::string_view utf8);

// Appends the code point's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t codePoint);

// Decodes one code point at pos and advances pos; a malformed sequence yields U+FFFD and
// consumes at least one byte. pos must be below utf8.size().
char32_t decodeUtf8(std::string_view utf8, size_t& pos);

} // namespace base
