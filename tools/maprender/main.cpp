// maprender: the command line of the map renderer; see MapRenderCommand.h.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "maprender/MapRenderCommand.h"
#include "toolkit/TApplication.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto request = maprender::parseArguments(arguments);
    if (!request) {
        std::cerr << "usage: maprender STREAM OUT.png [--width W] [--height H] [--scale S] "
                     "[--x X --y Y | --fit] [--background $BBGGRR] [--index] [--address STREET HOUSE] "
                     "[--preview]\n";
        return maprender::kFailed;
    }
    // Offscreen: the tool draws into bitmaps and shows no window.
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    Application->Initialize();
    const int code = maprender::render(*request);
    tk::shutDownApplication();
    return code;
}
