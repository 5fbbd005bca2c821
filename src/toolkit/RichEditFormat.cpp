// The selection's character format read and changed the way the platform's rich edit does it.
#include "toolkit/RichEditFormat_p.h"

#include <QTextCursor>

#include "toolkit/TControl_p.h"
#include "toolkit/TFont_p.h"

namespace tk {
namespace {

constexpr int faceNameProperty = QTextFormat::UserProperty + 1;

} // namespace

QTextCharFormat selectionFormat(const QTextEdit& edit) {
    const QTextCursor caret = edit.textCursor();
    if (!caret.hasSelection())
        return caret.charFormat();
    QTextCursor first(edit.document());
    first.setPosition(caret.selectionStart() + 1);
    return first.charFormat();
}

void mergeSelectionFormat(QTextEdit& edit, const QTextCharFormat& change) {
    QTextCursor caret = edit.textCursor();
    if (caret.hasSelection())
        caret.mergeCharFormat(change);
    else
        edit.mergeCurrentCharFormat(change);
}

void setFaceName(QTextCharFormat& format, const AnsiString& name) {
    format.setFontFamilies(QStringList{fontFamily(name)});
    format.setProperty(faceNameProperty, qString(name));
}

AnsiString faceName(const QTextCharFormat& format) {
    return format.hasProperty(faceNameProperty) ? ansiString(format.stringProperty(faceNameProperty)) : AnsiString();
}

} // namespace tk
