// INI files as the settings read them, then changed in place: a key written, a key and a section
// removed, each change read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "toolkit/Exception.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TStringList.h"

namespace {

// The section and key names of the seeds, so that the fuzzer finds them to vary.
const char* const kSections[] = {"Main", "Map", "Window", ""};
const char* const kKeys[] = {"Left", "Name", "Scale", "Visible", ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::scratchDirectory() + "/fuzz.ini";
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    TIniFile ini(path);
    TStringList names;
    try {
        for (const char* section : kSections) {
            (void)ini.SectionExists(section);
            ini.ReadSection(section, names);
            for (const char* key : kKeys) {
                (void)ini.ReadString(section, key, "-");
                (void)ini.ReadInteger(section, key, -1);
                (void)ini.ReadBool(section, key, false);
            }
        }
        ini.WriteString("Map", "Name", "Valdren");
        ini.WriteInteger("Window", "Left", 12);
        ini.DeleteKey("Main", "Scale");
        ini.EraseSection("Window");
        (void)ini.ReadString("Map", "Name", "");
    } catch (const Exception&) {
        // A file that cannot be written is reported so; nothing else may escape.
    }
    return 0;
}
