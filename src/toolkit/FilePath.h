// The system's file names on this platform: CP1251 names with "\" or "/" separators; relative
// names resolve against the current directory, as the program's "data\mapdata.vdd" does.
#pragma once

#include <string>

#include "toolkit/AnsiString.h"

// True for an existing file that is not a directory.
bool FileExists(const AnsiString& FileName);
// The drive and directory part, with its trailing separator ("data\" of "data\mapdata.vdd").
AnsiString ExtractFilePath(const AnsiString& FileName);
// The part after the last separator.
AnsiString ExtractFileName(const AnsiString& FileName);
AnsiString GetCurrentDir();
// False when the directory cannot be entered.
bool SetCurrentDir(const AnsiString& Dir);

namespace tk {

// The name as a UTF-8 path with "/" separators, for the operating system.
std::string nativePath(const AnsiString& fileName);

// The running executable's full name, and its directory with a trailing separator.
AnsiString executableFileName();
AnsiString executableDirectory();

} // namespace tk
