// A form's window placement written to and read from a placement section: the flags, the show
// command, the screen's pixels per inch, and the minimised, maximised and normal positions kept
// per screen resolution.
#pragma once

#include "toolkit/AnsiString.h"

class TForm;
class TCustomIniFile;

// Writes "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos" and "NormPos".
void WriteFormPlacement(TForm* Form, TCustomIniFile* IniFile, const AnsiString& Section);
// Applies a stored position only when it was saved at the screen's pixels per inch, and a stored
// state from the show command.
void ReadFormPlacement(TForm* Form, const TCustomIniFile* IniFile, const AnsiString& Section, bool LoadState,
                       bool LoadPosition);
