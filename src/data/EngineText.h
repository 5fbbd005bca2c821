// Texts the engine hands back for errors, fetched into the 600-character room the components
// give them (a longer text is cut there, never lost as a whole).
#pragma once

#include <cstdint>

#include "toolkit/AnsiString.h"

namespace db {

// The engine's last error of this thread: Code and its text. False when the engine gives none.
bool lastEngineError(uint32_t& Code, AnsiString& Text);
// The engine's text for Code; false when it has none.
bool engineErrorString(uint32_t Code, AnsiString& Text);

} // namespace db
