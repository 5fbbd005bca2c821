// JSON string literals for the tools that print JSON (the map dump and the city manifest).
#pragma once

#include <string>
#include <string_view>

namespace jsontext {

// The UTF-8 text in double quotes, with quotes and backslashes escaped and control characters
// written as \u00XX; other bytes pass unchanged.
std::string quoted(std::string_view utf8);

} // namespace jsontext
