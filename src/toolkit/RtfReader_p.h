// Reads the rich text the program writes (a font table, a colour table, paragraphs, tabs,
// fonts, sizes, colours, bold, italic, underline and the link mark \lnkd) into a Qt document.
#pragma once

#include <QTextCharFormat>
#include <QTextCursor>

#include "toolkit/AnsiString.h"

namespace tk {

// Inserts the text at the cursor; what the reader does not know is skipped, damaged text ends
// the reading where it stops making sense. Base is the format of plain text.
void insertRtf(QTextCursor& cursor, const AnsiString& rtf, const QTextCharFormat& base);

// Link text carries this format property.
bool isLinkFormat(const QTextCharFormat& format);
void setLinkFormat(QTextCharFormat& format, bool link);

} // namespace tk
