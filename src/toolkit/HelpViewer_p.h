// The help viewer: help books open in windows of our own (class "HH Parent") inside the process,
// as the shell would open them in the platform's help viewer.
#pragma once

#include "toolkit/AnsiString.h"

namespace tk {

// A name the help viewer opens rather than the desktop: one ending in ".chm", in any case.
bool isHelpBook(const AnsiString& fileName);

// Opens the book in a new viewer window, shown and active; false, with nothing shown, when the
// file cannot be read. The name is relative to the current directory.
bool openHelpBook(const AnsiString& fileName);

} // namespace tk
