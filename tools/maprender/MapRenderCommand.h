// maprender: renders a map stream through a real map control (offscreen) with the main window's
// settings and writes the picture to a PNG file.
//   maprender STREAM OUT.png [--width W] [--height H] [--scale S] [--x X --y Y | --fit]
//             [--background $BBGGRR] [--index] [--address STREET HOUSE]
//             [--preview]
// The view fits the whole map unless --x and --y name the world point for the picture's centre,
// or --address names a building, which is zoomed to as the program's find does; --scale then
// zooms about that centre. --preview writes the mini-map of that view instead: the whole map
// at the picture's size with the frame of the view.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ProgramSettings.h"
#include "toolkit/TColor.h"

namespace maprender {

// Exit codes.
constexpr int kOk = 0;
constexpr int kFailed = 1;     // arguments that make no request, or a PNG that cannot be written
constexpr int kUnreadable = 2; // the stream file cannot be read
constexpr int kDamaged = 3;    // the picture of what loaded is still written
constexpr int kNoAddress = 4;  // no object at the address; nothing is written

struct RenderRequest {
    std::string stream;
    std::string output;
    int width = 1024;
    int height = 768;
    std::optional<int> scale;
    std::optional<float> x;
    std::optional<float> y;
    // The main window's map background when the settings file sets none.
    TColor background = app::ProgramSettings{}.backgroundColor;
    bool useIndex = false;
    bool preview = false;
    // UTF-8, as typed.
    std::optional<std::string> street;
    std::string house;
};

// Nullopt when the arguments do not make a request.
std::optional<RenderRequest> parseArguments(const std::vector<std::string>& arguments);

// Renders and writes the picture; returns the exit code. Messages go to stderr.
int render(const RenderRequest& request);

} // namespace maprender
