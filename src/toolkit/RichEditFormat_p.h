// Character formats of a rich edit's selection, shared by its format message and its attribute
// objects.
#pragma once

#include <QTextCharFormat>
#include <QTextDocument>

#include "toolkit/TFont.h"

namespace tk {

class RichText;

// The format of the character at the position; a paragraph break's is that of the paragraph
// it starts.
QTextCharFormat formatAt(const QTextDocument& document, int position);

// The format of the selection's first character; with an empty selection the one before the
// caret (the first character at the start of a paragraph), or the one set for what comes next.
QTextCharFormat selectionFormat(const RichText& text);
// Merges the change into the selection; with an empty selection into what is typed next.
void mergeSelectionFormat(RichText& text, const QTextCharFormat& change);

// The system's face name travels with the format, as Qt's family is the installed stand-in.
void setFaceName(QTextCharFormat& format, const AnsiString& name);
AnsiString faceName(const QTextCharFormat& format);

} // namespace tk
