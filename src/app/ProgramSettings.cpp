// Reads and writes the settings file through the toolkit's INI file, which reads a missing or
// unreadable file as empty, never writes unless asked to, and replaces the file whole on a write.
#include "app/ProgramSettings.h"

#include "app/ProgramDirectory.h"
#include "toolkit/NumberText.h"
#include "toolkit/TIniFile.h"

namespace app {
namespace {

constexpr const char* kNavigation = "Navigation";
constexpr const char* kWheelKey = "WeelDownDecreasesScale";
constexpr const char* kAppearance = "Appearance";
constexpr const char* kColourKey = "BackGroundColor";

bool isWheelDownZoomIn(const TIniFile& ini) { return ini.ReadString(kNavigation, kWheelKey, "1") == "1"; }

} // namespace

AnsiString settingsFileName() { return programDirectory() + "ValInfo.ini"; }

ProgramSettings readProgramSettings() {
    const TIniFile ini(settingsFileName());
    ProgramSettings settings;
    settings.wheelDownZoomsIn = isWheelDownZoomIn(ini);
    // An integer, hexadecimal after "$" as the settings dialog writes it.
    settings.backgroundColor = ini.ReadInteger(kAppearance, kColourKey, settings.backgroundColor);
    return settings;
}

void writeWheelSetting(bool wheelDownZoomsIn) {
    TIniFile ini(settingsFileName());
    if (isWheelDownZoomIn(ini) != wheelDownZoomsIn)
        ini.WriteString(kNavigation, kWheelKey, wheelDownZoomsIn ? "1" : "0");
}

void writeBackgroundColor(TColor color) {
    TIniFile ini(settingsFileName());
    ini.WriteString(kAppearance, kColourKey, "$" + IntToHex(color, 8));
}

} // namespace app
