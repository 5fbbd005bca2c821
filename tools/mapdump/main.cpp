// mapdump FILE: prints the map stream in FILE as JSON. Exit code 0 for an intact stream, 3 for a
// damaged one (the reason on standard error), 2 when the file cannot be read.
#include <iostream>

#include "MapJson.h"
#include "map/MapModel.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"
#include "toolkit/TMemoryStream.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mapdump FILE\n";
        return 2;
    }
    TMemoryStream stream;
    try {
        stream.LoadFromFile(tk::fromUtf8(argv[1])); // the system's names are CP1251
    } catch (const Exception& e) {
        std::cerr << "mapdump: " << tk::toUtf8(e.Message) << '\n';
        return 2;
    }
    mapi::MapModel map;
    map.LoadFromStream(stream);
    mapdump::printMapJson(map, std::cout);
    if (map.Damaged()) {
        std::cerr << "mapdump: " << map.DamageMessage() << '\n';
        return 3;
    }
    return 0;
}
