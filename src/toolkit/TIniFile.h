// A settings file in the Windows INI syntax: "[Section]" lines and "Key=Value" lines; section and
// key names compare without case, names and values are trimmed, lines starting with ";" are
// comments. The file is read at every call and written through at every change, keeping its
// comments, other sections, order and bytes (CP1251 text, not converted). A missing or unreadable
// file reads as empty; a file that cannot be written raises EIniFileException.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"
#include "toolkit/TCustomIniFile.h"

class TStrings;

class EIniFileException : public Exception {
    using Exception::Exception;
};

class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(const AnsiString& FileName) : fileName_(FileName) {}

    const AnsiString& FileName() const { return fileName_; }

    // The first such key of the first such section wins; a value enclosed in a pair of quotes
    // loses them.
    AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) const override;
    // Decimal, or hexadecimal after "$" or "0x"; Default when absent or not a number.
    int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const override;
    // A non-zero integer is True.
    bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) const;
    // Replaces the value in place, or adds the key at the end of its section, or the section at the
    // end of the file. A name or value with a line break, a key with "=", or a section with "["
    // or "]", raises.
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override;
    void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) override;
    // Written as "1" or "0".
    void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);

    // Replaces Strings with the section's key names in file order, each once.
    void ReadSection(const AnsiString& Section, TStrings& Strings) const;
    bool SectionExists(const AnsiString& Section) const;
    bool ValueExists(const AnsiString& Section, const AnsiString& Ident) const;
    // Removes the section's header and every line up to the next section.
    void EraseSection(const AnsiString& Section) override;
    void DeleteKey(const AnsiString& Section, const AnsiString& Ident);

private:
    AnsiString fileName_;
};
