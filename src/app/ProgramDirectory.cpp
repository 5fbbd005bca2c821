// The program's directory, kept as the one text a test may set.
#include "app/ProgramDirectory.h"

#include "toolkit/FilePath.h"

namespace app {
namespace {

// Empty while the executable's directory is meant.
AnsiString& chosenDirectory() {
    static AnsiString directory;
    return directory;
}

} // namespace

AnsiString programDirectory() {
    const AnsiString& chosen = chosenDirectory();
    return chosen.empty() ? tk::executableDirectory() : chosen;
}

void setProgramDirectory(const AnsiString& Directory) {
    const bool hasSeparator = Directory.empty() || Directory.back() == '\\' || Directory.back() == '/';
    chosenDirectory() = hasSeparator ? Directory : Directory + "\\";
}

} // namespace app
