// The Qt fonts of a canvas's recent text settings, with the widths of the texts measured in
// each: a map redraws the same labels in a handful of sizes frame after frame, and making a font
// or shaping a text to measure it costs as much as drawing it.
#pragma once

#include <QFont>

#include <array>
#include <cstdint>
#include <unordered_map>

#include "toolkit/AnsiString.h"
#include "toolkit/TFont.h"

namespace tk {

class TextFonts {
public:
    struct Font {
        QFont font;
        int ascent = 0;
        int descent = 0;
    };

    // The Qt font of font at its current face, height and style; it stays valid until a font
    // of other settings is asked for.
    const Font& of(const TFont& font);
    // The width of text in the Qt font of font.
    int width(const TFont& font, const AnsiString& text);

private:
    struct Entry {
        bool used = false;
        AnsiString name;
        int height = 0;
        TFontStyles style;
        bool antialiased = false;
        Font font;
        std::unordered_map<AnsiString, int> widths;
        std::uint64_t lastUse = 0;
    };

    Entry& entryOf(const TFont& font);

    // Enough for the label sizes of one map view; the least recently used gives way.
    std::array<Entry, 16> entries_;
    std::uint64_t clock_ = 0;
};

} // namespace tk
