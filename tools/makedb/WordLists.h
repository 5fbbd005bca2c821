// The word lists of tools/data the directory's names are made from: rubric names, firm words,
// owners' surnames, firm-name patterns and street names that are not on the map.
#pragma once

#include <string>
#include <vector>

namespace makedb {

struct WordLists {
    std::vector<std::string> rubrics; // UTF-8, one rubric each
    std::vector<std::string> firmWords;
    std::vector<std::string> surnames;
    std::vector<std::string> patterns; // {W} a firm word, {S} a surname
    std::vector<std::string> extraStreets;

    // Reads the five files from a folder; false with a message when one is missing or empty.
    static bool load(const std::string& folder, WordLists& out, std::string& error);
    // The lines of one list's text: blank lines and "#" comments are left out.
    static std::vector<std::string> lines(const std::string& text);
};

} // namespace makedb
