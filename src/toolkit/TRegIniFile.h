// The registry as settings storage. There is no registry here: each root key is an INI file
// named after it ("HKEY_CURRENT_USER.ini") in one registry folder, and a registry key with a
// section below it is the INI section "<key>\<section>". Values written as strings are kept in
// double quotes so that they read back byte for byte, blanks and quotes included.
#pragma once

#include "toolkit/TCustomIniFile.h"
#include "toolkit/TIniFile.h"

using HKEY = unsigned;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr HKEY HKEY_USERS = 0x80000003u;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;
constexpr HKEY HKEY_DYN_DATA = 0x80000006u;

using REGSAM = unsigned;
constexpr REGSAM KEY_READ = 0x20019u;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003Fu;

class TRegIniFile : public TCustomIniFile {
public:
    // KEY_READ opens for reading only: nothing is created, and a write raises EIniFileException.
    // An unknown root raises EIniFileException.
    TRegIniFile(const AnsiString& Key, HKEY RootKey, REGSAM Access = KEY_ALL_ACCESS);

    const AnsiString& Key() const { return key_; }

    AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident,
                          const AnsiString& Default) const override;
    int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const override;
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override;
    void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) override;
    void EraseSection(const AnsiString& Section) override;

private:
    AnsiString sectionOf(const AnsiString& section) const;
    // Raises when read-only; otherwise makes sure the registry folder exists.
    void prepareWrite() const;

    AnsiString key_;
    bool readOnly_;
    TIniFile file_;
};

namespace tk {

// The folder holding the root files: "registry" in $XDG_CONFIG_HOME/ValdrenInfo, else in
// ~/.config/ValdrenInfo, unless setRegistryFolder chose another (an empty name restores that).
AnsiString registryFolder();
void setRegistryFolder(const AnsiString& folder);

} // namespace tk
