// The rich text of a firm card, built from the firm's rubrics, web and e-mail addresses and
// branches for a given width and text measure, and the telephone formatting it uses. Pure: the
// main window gathers the rows and measures on its canvas; tests pass a fixed measure.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/AnsiString.h"

namespace app {

struct FirmBranch {
    AnsiString Street;
    AnsiString House;
    AnsiString Apartment;
    // Telephone numbers separated by ",".
    AnsiString Contact;
};

struct FirmCardData {
    // In the order they are shown.
    std::vector<AnsiString> Rubrics;
    // Web and e-mail addresses separated by ",".
    AnsiString Inetref;
    std::vector<FirmBranch> Branches;
};

// The width in pixels a text takes in the card's font.
using TextWidthMeasure = std::function<int(const AnsiString&)>;

// The card as rich text for AvailableWidth pixels: rubric links wrapped by width, one line per
// web or e-mail address, then per branch an address link with its apartment and telephones.
// Field texts are escaped; widths are measured on the raw texts.
AnsiString firmCardText(const FirmCardData& Firm, int AvailableWidth, const TextWidthMeasure& Width);

} // namespace app

// Groups a telephone number's digits in pairs: "234567" gives "23-45-67", "88412234567"
// "8-(8412)23-45-67"; shorter than 6 characters it stays as it is.
AnsiString FormatPhone(const AnsiString& S);
