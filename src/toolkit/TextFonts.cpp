// Recent fonts, kept by face, height, style and smoothing, least recently used first out.
#include "toolkit/TextFonts_p.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

#include "toolkit/TFont_p.h"

namespace tk {

namespace {

// Widths kept per font before they are forgotten and measured again.
constexpr std::size_t kMaxWidths = 4096;

} // namespace

TextFonts::Entry& TextFonts::entryOf(const TFont& font) {
    const bool antialiased = textAntialiasing();
    ++clock_;
    const auto matches = [&](const Entry& e) {
        return e.used && e.height == font.Height() && e.style == font.Style() && e.antialiased == antialiased &&
               e.name == font.Name();
    };
    auto found = std::find_if(entries_.begin(), entries_.end(), matches);
    if (found == entries_.end()) {
        found = std::min_element(entries_.begin(), entries_.end(),
                                 [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        Entry& entry = *found;
        entry.used = true;
        entry.name = font.Name();
        entry.height = font.Height();
        entry.style = font.Style();
        entry.antialiased = antialiased;
        entry.font.font = qtFont(font);
        const QFontMetrics metrics(entry.font.font);
        entry.font.ascent = metrics.ascent();
        entry.font.descent = metrics.descent();
        entry.widths.clear();
    }
    found->lastUse = clock_;
    return *found;
}

const TextFonts::Font& TextFonts::of(const TFont& font) { return entryOf(font).font; }

int TextFonts::width(const TFont& font, const AnsiString& text) {
    // A leading tab reaches the first tab stop whatever follows, and the text after it is shaped
    // on its own: the widths add up, and the rest is often measured next without its tab.
    if (text.size() > 1 && text.front() == '\t')
        return width(font, "\t") + width(font, text.substr(1));
    Entry& entry = entryOf(font);
    if (const auto known = entry.widths.find(text); known != entry.widths.end()) return known->second;
    if (entry.widths.size() >= kMaxWidths) entry.widths.clear();
    const int measured = QFontMetrics(entry.font.font).horizontalAdvance(QString::fromStdString(toUtf8(text)));
    entry.widths.emplace(text, measured);
    return measured;
}

} // namespace tk
