// The registry stand-in: root keys as INI files in the registry folder.
#include "toolkit/TRegIniFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "toolkit/FilePath.h"

namespace {

AnsiString& chosenFolder() {
    static AnsiString folder;
    return folder;
}

AnsiString rootFileName(HKEY root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT.ini";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER.ini";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE.ini";
    case HKEY_USERS:
        return "HKEY_USERS.ini";
    case HKEY_CURRENT_CONFIG:
        return "HKEY_CURRENT_CONFIG.ini";
    case HKEY_DYN_DATA:
        return "HKEY_DYN_DATA.ini";
    default:
        throw EIniFileException("Unknown registry root key");
    }
}

} // namespace

AnsiString tk::registryFolder() {
    if (!chosenFolder().empty())
        return chosenFolder();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    AnsiString base;
    if (config != nullptr && *config != '\0')
        base = config;
    else
        base = AnsiString(home != nullptr ? home : "") + "/.config";
    return base + "/ValdrenInfo/registry";
}

void tk::setRegistryFolder(const AnsiString& folder) { chosenFolder() = folder; }

TRegIniFile::TRegIniFile(const AnsiString& Key, HKEY RootKey, REGSAM Access)
    : key_(Key), readOnly_(Access == KEY_READ), file_(tk::registryFolder() + "/" + rootFileName(RootKey)) {}

AnsiString TRegIniFile::sectionOf(const AnsiString& section) const { return key_ + "\\" + section; }

void TRegIniFile::prepareWrite() const {
    if (readOnly_)
        throw EIniFileException("The registry key " + key_ + " is open for reading only");
    std::error_code error;
    std::filesystem::create_directories(tk::nativePath(tk::registryFolder()), error);
    // A folder that cannot be made shows as the file's own write error.
}

AnsiString TRegIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident,
                                   const AnsiString& Default) const {
    return file_.ReadString(sectionOf(Section), Ident, Default);
}

int TRegIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const {
    return file_.ReadInteger(sectionOf(Section), Ident, Default);
}

void TRegIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    prepareWrite();
    // The reader strips one pair of quotes after trimming, so the quotes guard blanks and quotes.
    file_.WriteString(sectionOf(Section), Ident, '"' + Value + '"');
}

void TRegIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
    prepareWrite();
    file_.WriteInteger(sectionOf(Section), Ident, Value);
}

void TRegIniFile::EraseSection(const AnsiString& Section) {
    prepareWrite();
    file_.EraseSection(sectionOf(Section));
}
