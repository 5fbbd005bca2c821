// Lets SQLite search an UPPER index for "Upper(Name) LIKE :Name" when the bound pattern is a
// plain beginning such as 'АВТО%': our LIKE is a registered function, which SQLite never turns
// into an index range by itself. The engine prepares a second form of such a statement in which
// each of those comparisons also carries the byte range every match lies in, and runs that form
// only when every pattern bound to them is a plain beginning, so the rows stay the same.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

// One "UPPER(column) LIKE ?N" of a text: its marker (0-based) and the numbers of the two extra
// parameters that take the range's low and high ends.
struct PrefixLikeTerm {
    size_t marker = 0;
    int low = 0;
    int high = 0;
};

struct PrefixLikeForm {
    std::string text;                 // the statement with the ranges added
    std::vector<PrefixLikeTerm> terms; // empty: the text has no comparison that can take a range
};

// Finds in a UTF-8 text with numbered markers ("?1" ... "?markers") the comparisons
// "UPPER(column) LIKE ?N" that stand alone between WHERE/ON/HAVING/AND/OR/"(" and
// AND/OR/")"/ORDER/GROUP/LIMIT/the end, and writes each as
// "(UPPER(column) LIKE ?N AND UPPER(column) >= ?L AND UPPER(column) < ?H)", which has the same
// value whenever the pattern is a plain beginning.
PrefixLikeForm prefixLikeForm(std::string_view utf8, size_t markers);

// The range [low, high) of SQLite's byte order that holds every text the UTF-8 pattern matches as
// our LIKE does without an escape, when the pattern is a plain beginning: at least one character,
// then only "%" signs, no "_", well-formed UTF-8 without U+FFFD (so that matching characters
// means matching bytes). False for every other pattern.
bool prefixLikeRange(std::string_view pattern, std::string& low, std::string& high);

} // namespace ce
