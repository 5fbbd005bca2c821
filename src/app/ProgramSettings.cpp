// Reads the settings file through the toolkit's INI file, which reads a missing or unreadable
// file as empty and never writes unless asked to.
#include "app/ProgramSettings.h"

#include "app/ProgramDirectory.h"
#include "toolkit/TIniFile.h"

namespace app {

AnsiString settingsFileName() { return programDirectory() + "ValInfo.ini"; }

ProgramSettings readProgramSettings() {
    const TIniFile ini(settingsFileName());
    ProgramSettings settings;
    settings.wheelDownZoomsIn = ini.ReadString("Navigation", "WeelDownDecreasesScale", "1") == "1";
    // An integer, hexadecimal after "$" as the settings dialog writes it.
    settings.backgroundColor = ini.ReadInteger("Appearance", "BackGroundColor", settings.backgroundColor);
    return settings;
}

} // namespace app
