// makedb: writes the sample city's data dictionary from its map and manifest.
//   makedb --map FILE --manifest FILE --words FOLDER --out FILE.vdd
// The same inputs give the same database; the manifest's size factor scales the directory.
#include "makedb/CityManifest.h"
#include "makedb/DatabaseWriter.h"
#include "makedb/DirectoryPlan.h"
#include "makedb/MapCategoryPatch.h"
#include "makedb/WordLists.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: makedb --map FILE --manifest FILE --words FOLDER --out FILE.vdd\n";
    return 2;
}

int failure(const std::string& message) {
    std::cerr << "makedb: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2)
        options[argv[i]] = argv[i + 1];
    for (const char* name : {"--map", "--manifest", "--words", "--out"})
        if (options[name].empty())
            return usage();
    if (argc != 9)
        return usage();

    std::string error;
    makedb::CityManifest city;
    if (!makedb::CityManifest::load(options["--manifest"], city, error))
        return failure(error);
    makedb::WordLists words;
    if (!makedb::WordLists::load(options["--words"], words, error))
        return failure(error);
    std::ifstream mapFile(options["--map"], std::ios::binary);
    const std::string map((std::istreambuf_iterator<char>(mapFile)), std::istreambuf_iterator<char>());
    if (!mapFile || map.empty())
        return failure("cannot read " + options["--map"]);

    makedb::MapCategoryPatch patch;
    std::string patched;
    if (!patch.apply(map, patched, error))
        return failure(error);
    const makedb::DirectoryPlan plan = makedb::DirectoryPlan::make(city, words);
    if (!makedb::DatabaseWriter::write(options["--out"], patched, plan, error))
        return failure(error);
    return 0;
}
