// The display lines of rich text counted without putting it into a document. Each paragraph is
// broken into lines twice, with its characters' advances (read once per font) made as wide and
// as narrow as shaping can make them; where both agree the count is certain, and otherwise the
// paragraph alone is laid out as the document would lay it out.
#pragma once

#include <optional>

#include <QFont>
#include <QTextCharFormat>
#include <QTextOption>

#include "toolkit/AnsiString.h"

namespace tk {

// The lines the text takes, loaded with that base format into an empty document of that default
// font and text option whose lines are that wide; none for text with breaks inside paragraphs,
// characters beyond the basic plane or lines narrower than a tab stop, which only the document
// follows.
std::optional<int> countLines(const AnsiString& rtf, const QTextCharFormat& base, const QFont& defaultFont,
                              qreal lineWidth, const QTextOption& option);

} // namespace tk
