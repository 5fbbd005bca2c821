// The display lines of rich text counted without laying it out, where the count is certain: when
// every paragraph, measured generously (each character at its own advance, tabs to their stops,
// and a margin for kerning), fits the line width, each paragraph is one line.
#pragma once

#include <optional>

#include <QFont>
#include <QTextCharFormat>

#include "toolkit/AnsiString.h"

namespace tk {

// The lines the text would take, loaded with that base format into an empty document of that
// default font and tab stop distance whose lines are that wide; none when a paragraph may wrap.
std::optional<int> unwrappedLineCount(const AnsiString& rtf, const QTextCharFormat& base, const QFont& defaultFont,
                                      qreal lineWidth, qreal tabStop);

} // namespace tk
