// The program's settings file "ValInfo.ini" in the program's directory: the mouse wheel's
// direction and the map's background colour. Reading never writes; a missing or unreadable file,
// or a value that does not parse, reads as the default. Only the settings dialog writes, and a
// failed write raises.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"

namespace app {

struct ProgramSettings {
    // [Navigation] WeelDownDecreasesScale: only "1" (the default) makes rolling the wheel down
    // zoom in; any other text swaps the two directions.
    bool wheelDownZoomsIn = true;
    // [Appearance] BackGroundColor: "$00008000", green, by default.
    TColor backgroundColor = clGreen;
};

// The settings file's full name.
AnsiString settingsFileName();
ProgramSettings readProgramSettings();
// Writes the wheel's key only when the file says otherwise.
void writeWheelSetting(bool wheelDownZoomsIn);
// Always written, as "$" and 8 upper-case hexadecimal digits.
void writeBackgroundColor(TColor color);

} // namespace app
