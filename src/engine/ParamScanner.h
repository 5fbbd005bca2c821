// The ":name" parameter markers of an SQL text, found and numbered by the one rule the toolkit's
// parameter parser follows too (tests/support/SqlParamVectors.txt states it and proves both): a
// marker is ":" and one or more name characters (ASCII letters, digits, "_", every byte from 0x80
// up); "::" is a literal colon; '...' and "..." literals, [...] names, "--" and "/* */" comments
// are copied untouched. Markers are numbered 1, 2, 3 ... by occurrence; a repeated name counts again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ce {

// How a marker is written in the rewritten text: "?" as the toolkit writes it, or "?N" with its
// number, which SQLite binds by number whatever else the text holds.
enum class MarkerStyle { Plain, Numbered };

struct ScannedSql {
    std::string text;               // markers replaced, "::" outside skipped parts turned into ":"
    std::vector<std::string> names; // marker names in text order, as written
    bool unterminated = false;      // a literal, [name] or comment runs to the end of the text
};

// The end of a literal, [name] or comment starting at i (just past its closing characters), or the
// text's end with unterminated set; i unchanged when none starts there.
size_t skippedEnd(std::string_view sql, size_t i, bool& unterminated);

// Works on CP1251 and on UTF-8 alike: every byte from 0x80 up is a name character.
ScannedSql scanParams(std::string_view sql, MarkerStyle style);

} // namespace ce
