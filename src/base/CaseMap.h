// Upper and lower case over every code point of code page 1251.
#pragma once

#include <string>
#include <string_view>

namespace base {

unsigned char upperCp1251(unsigned char byte);
unsigned char lowerCp1251(unsigned char byte);
std::string upperCp1251(std::string_view text);
std::string lowerCp1251(std::string_view text);

// True for a byte that has a case partner (Latin and Cyrillic letters).
bool isLetterCp1251(unsigned char byte);

} // namespace base
