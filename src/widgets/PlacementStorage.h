// Where placements and layouts are stored: the readers and writers over an INI file or the
// registry, the position strings kept per screen resolution, and the default section, file and
// key names.
#pragma once

#include "toolkit/AnsiString.h"

class TComponent;
class TCustomIniFile;

// The storage is an INI file or the registry; anything else (null, or another kind of settings
// object) reads as the default and takes no writes.
AnsiString IniReadString(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident,
                         const AnsiString& Default);
int IniReadInteger(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Default);
// In an INI file, a value that begins and ends with the same quote gets one more pair of double
// quotes, which the reader strips, so that it reads back unchanged; the registry stores it as is.
void IniWriteString(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
void IniWriteInteger(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Value);
void IniEraseSection(TCustomIniFile* Storage, const AnsiString& Section);

// "(1024x768)": the screen's size in pixels, appended to the keys of position strings.
AnsiString ScreenResSuffix();
// Read from the key with the suffix first, then the plain key; written under both.
AnsiString ReadPosString(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident);
void WritePosString(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);

// Empty for none; a form's class name; a control's name after its form's class name (its
// parent's name without a form); another component's name, after "<form class>." when a form
// owns it.
AnsiString GetDefaultSection(const TComponent* Component);
// The executable's name without its folder, the extension made ".INI".
AnsiString GetDefaultIniName();
// "Software\" and the executable's name without folder and extension.
AnsiString GetDefaultRegKey();
