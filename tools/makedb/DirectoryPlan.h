// The directory of the sample city: rubrics, firms with their rubrics, web and e-mail addresses,
// and branches at the map's addresses (a few off the map) with telephones. Made deterministically
// from the manifest's seed and size factor and the word lists; every text is CP1251, as the
// engine stores it.
#pragma once

#include "makedb/CityManifest.h"
#include "makedb/WordLists.h"

#include <cstdint>
#include <string>
#include <vector>

namespace makedb {

struct Branch {
    std::string street;    // upper case
    std::string house;     // upper case
    std::string apartment; // may be empty
    std::string contact;   // telephone numbers separated by "," or ", "
    int32_t mapObject = 0; // the map object at this address, 0 when it is not on the map
};

struct Firm {
    int32_t id = 0;
    std::string name;
    int32_t flags = 0;    // value 1: a marked firm
    std::string inetref;  // web and e-mail addresses separated by "," or ", "
    std::vector<int32_t> topics; // rubric ids, ascending
    std::vector<Branch> branches;
};

struct DirectoryPlan {
    static constexpr int kFirmsPerSize = 2000;

    std::vector<std::string> rubrics; // rubric id = position + 1
    std::vector<std::string> streets; // the map's streets, then the few that are not on it
    std::vector<Firm> firms;          // firm id = position + 1

    static DirectoryPlan make(const CityManifest& city, const WordLists& words);
};

} // namespace makedb
