// The layout's break rules between two characters, as its boundary finder applies them, for the
// few kinds of character a card's paragraphs are made of; between these the rule depends on the
// pair alone, but for a stop before a digit (as in "1.5"), which looks further back.
#include "toolkit/RichTextBreaks_p.h"

#include <QTextBoundaryFinder>
#include <optional>

namespace tk {
namespace {

enum class Kind { letter, digit, hyphen, stop, open, close, glue, tab, other };

Kind kindOf(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= 0x0400 && u <= 0x045F) || u == 0x0490 || u == 0x0491)
        return Kind::letter;
    switch (u) {
    // The telephone, web and bullet signs break as letters do; the envelope does not.
    case 0x260E:
    case 0x2295:
    case 0x2022:
        return Kind::letter;
    case '-':
        return Kind::hyphen;
    case ',':
    case '.':
    case ';':
    case ':':
        return Kind::stop;
    case '(':
        return Kind::open;
    case ')':
        return Kind::close;
    case 0x00A0:
        return Kind::glue;
    case '\t':
        return Kind::tab;
    default:
        return u >= '0' && u <= '9' ? Kind::digit : Kind::other;
    }
}

// Whether the layout may break between the two, or nothing where the pair does not tell.
std::optional<bool> breaksBetween(Kind before, Kind after) {
    switch (before) {
    case Kind::hyphen:
        return after == Kind::letter || after == Kind::open || after == Kind::glue;
    case Kind::stop:
        if (after == Kind::digit)
            return std::nullopt;
        return after == Kind::open;
    case Kind::close:
        return after == Kind::open;
    case Kind::tab:
        return after == Kind::letter || after == Kind::digit || after == Kind::open || after == Kind::glue;
    case Kind::other:
        return std::nullopt;
    default:
        return false;
    }
}

// The ends from the pairs of characters, or nothing when a pair does not tell.
std::optional<std::vector<bool>> endsByPairs(const QString& text) {
    std::vector<bool> ends(size_t(text.size()), false);
    Kind before = Kind::other;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // None of the kinds is a breakable space.
        const Kind kind = kindOf(text[i]);
        if (kind == Kind::other) {
            if (!isBreakableSpace(text[i]))
                return std::nullopt;
            if (i > 0)
                ends[size_t(i - 1)] = true;
            before = Kind::other;
            continue;
        }
        // After a space the line breaks anyway; only breaks between two characters are asked.
        if (i > 0 && before != Kind::other) {
            const std::optional<bool> breaks = breaksBetween(before, kind);
            if (!breaks)
                return std::nullopt;
            ends[size_t(i - 1)] = *breaks;
        }
        before = kind;
    }
    if (!ends.empty())
        ends.back() = true;
    return ends;
}

} // namespace

bool isBreakableSpace(QChar c) {
    // Most of a card is ASCII and Cyrillic, whose spaces are known without asking Qt's tables.
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u == ' ' || (u >= 0x0A && u <= 0x0D);
    if (u >= 0x0400 && u <= 0x04FF)
        return false;
    return c.isSpace() && c.decompositionTag() != QChar::NoBreak;
}

std::vector<bool> wordEnds(const QString& paragraph) {
    if (std::optional<std::vector<bool>> ends = endsByPairs(paragraph))
        return *std::move(ends);
    std::vector<bool> ends(size_t(paragraph.size()), false);
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype next = 1; next <= paragraph.size(); ++next) {
        if (next == paragraph.size() || isBreakableSpace(paragraph[next])) {
            ends[size_t(next - 1)] = true;
            continue;
        }
        breaks.setPosition(next);
        ends[size_t(next - 1)] = breaks.isAtBoundary();
    }
    return ends;
}

} // namespace tk
