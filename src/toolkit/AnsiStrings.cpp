// The case and comparison functions go through src/base so that the program and the engine's
// SQL agree on every letter.
#include "toolkit/AnsiStrings.h"

#include "base/CaseMap.h"
#include "base/SortWeight.h"

namespace {

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Moves the letters first..last by the distance between the two cases of ASCII.
AnsiString shiftAsciiLetters(std::string_view s, char first, char last, int shift) {
    AnsiString result(s);
    for (char& c : result) {
        if (c >= first && c <= last)
            c = static_cast<char>(c + shift);
    }
    return result;
}

} // namespace

AnsiString AnsiUpperCase(std::string_view s) { return base::upperCp1251(s); }

AnsiString AnsiLowerCase(std::string_view s) { return base::lowerCp1251(s); }

int AnsiCompareText(std::string_view a, std::string_view b) { return base::compareTextCp1251(a, b); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

AnsiString UpperCase(std::string_view s) { return shiftAsciiLetters(s, 'a', 'z', 'A' - 'a'); }

AnsiString LowerCase(std::string_view s) { return shiftAsciiLetters(s, 'A', 'Z', 'a' - 'A'); }

AnsiString TrimLeft(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && isBlankOrControl(s[start]))
        ++start;
    return AnsiString(s.substr(start));
}

AnsiString TrimRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && isBlankOrControl(s[end - 1]))
        --end;
    return AnsiString(s.substr(0, end));
}

AnsiString Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }
