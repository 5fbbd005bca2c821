// makecity: writes the sample city "Валдрен" as a map stream and its manifest.
//   makecity --map FILE --manifest FILE [--seed N] [--size F] [--version V] [--missing-icons]
// The same seed and size give the same bytes; size 1 is the bundled city, 10 and 100 serve
// the benchmarks; version 6 is the current layout, 5, 4 and 3 the older ones. --missing-icons
// gives two notes an icon and a library the program lacks, for tests of the missing-icon picture.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
#include "makecity/Manifest.h"
#include "mapstream/MapStreamWriter.h"

namespace {

struct Options {
    uint64_t seed = 2003;
    int size = 1;
    uint32_t version = 6;
    bool missingIcons = false;
    std::string map;
    std::string manifest;
};

int usage() {
    std::cerr << "usage: makecity --map FILE --manifest FILE [--seed N] [--size 1..100] "
                 "[--version 3..6] [--missing-icons]\n";
    return 2;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--missing-icons") {
            options.missingIcons = true;
            continue;
        }
        if (i + 1 == argc)
            return false;
        const char* value = argv[++i];
        if (name == "--seed")
            options.seed = std::strtoull(value, nullptr, 10);
        else if (name == "--size")
            options.size = std::atoi(value);
        else if (name == "--version")
            options.version = static_cast<uint32_t>(std::atoi(value));
        else if (name == "--map")
            options.map = value;
        else if (name == "--manifest")
            options.manifest = value;
        else
            return false;
    }
    return !options.map.empty() && !options.manifest.empty() && options.size >= 1 && options.size <= 100 &&
           options.version >= 3 && options.version <= 6;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options))
        return usage();
    const city::CityPlan plan = city::buildCity(options.seed, options.size, options.missingIcons);

    std::ofstream map(options.map, std::ios::binary);
    map << mapstream::WriteMapStream(city::cityDocument(plan, options.version));
    std::ofstream manifest(options.manifest, std::ios::binary);
    city::writeManifest(plan, manifest);
    map.close();
    manifest.close();
    if (!map || !manifest) {
        std::cerr << "makecity: cannot write " << options.map << " or " << options.manifest << "\n";
        return 1;
    }
    return 0;
}
