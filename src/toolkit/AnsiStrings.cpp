// The case and comparison functions go through src/base so that the program and the engine's
// SQL agree on every letter.
#include "toolkit/AnsiStrings.h"

#include "base/CaseMap.h"
#include "base/SortWeight.h"

namespace {

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

} // namespace

AnsiString AnsiUpperCase(std::string_view s) { return base::upperCp1251(s); }

AnsiString AnsiLowerCase(std::string_view s) { return base::lowerCp1251(s); }

int AnsiCompareText(std::string_view a, std::string_view b) { return base::compareTextCp1251(a, b); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

AnsiString UpperCase(std::string_view s) {
    AnsiString result(s);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

AnsiString LowerCase(std::string_view s) {
    AnsiString result(s);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

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
