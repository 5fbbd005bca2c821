// The settings storage that placements and layouts write through: sections of named values,
// held either in an INI file or in the registry stand-in.
#pragma once

#include "toolkit/AnsiString.h"

class TCustomIniFile {
public:
    TCustomIniFile() = default;
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    virtual AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident,
                                  const AnsiString& Default) const = 0;
    virtual int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const = 0;
    virtual void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) = 0;
    virtual void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) = 0;
    // Removes the section with its values.
    virtual void EraseSection(const AnsiString& Section) = 0;
};
