// Case-insensitive collation of code page 1251 text, shared by the toolkit's string comparison
// and the engine's case-insensitive index keys.
#pragma once

#include <string>
#include <string_view>

namespace base {

// Weight of one byte, 1..255; case partners share a weight.
unsigned char sortWeightCp1251(unsigned char byte);

// Negative, zero or positive; a strict weak order in which a prefix sorts first.
int compareTextCp1251(std::string_view a, std::string_view b);

// The bytes' weights: comparing two keys as bytes orders them as compareTextCp1251 does.
std::string sortKeyCp1251(std::string_view text);

} // namespace base
