// Conversions between the system's CP1251 strings and UTF-8.
#include "toolkit/AnsiString.h"

#include "base/CodePage.h"

namespace tk {

AnsiString fromUtf8(std::string_view utf8) { return base::utf8ToCp1251(utf8); }

std::string toUtf8(std::string_view ansi) { return base::cp1251ToUtf8(ansi); }

} // namespace tk
