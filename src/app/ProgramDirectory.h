// The program's directory: where its settings file lies, and what the settings dialog makes the
// current directory. It is the executable's directory unless a test has put it elsewhere.
#pragma once

#include "toolkit/AnsiString.h"

namespace app {

// With a trailing separator.
AnsiString programDirectory();
// Directory (with or without a trailing separator) stands for the executable's directory from now
// on; the empty text gives the executable's directory back.
void setProgramDirectory(const AnsiString& Directory);

} // namespace app
