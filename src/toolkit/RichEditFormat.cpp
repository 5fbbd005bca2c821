// The selection's character format read and changed the way the platform's rich edit does it.
#include "toolkit/RichEditFormat_p.h"

#include <QTextBlock>
#include <QTextCursor>

#include "toolkit/RichText_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TFont_p.h"

namespace tk {
namespace {

constexpr int faceNameProperty = QTextFormat::UserProperty + 1;

} // namespace

QTextCharFormat formatAt(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    if (position == block.position() + block.length() - 1) {
        const QTextBlock next = block.next();
        return next.isValid() ? next.charFormat() : block.charFormat();
    }
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(position))
            return it.fragment().charFormat();
    return block.charFormat();
}

QTextCharFormat selectionFormat(const RichText& text) {
    const auto [start, end] = text.selection();
    if (start == end)
        return text.currentFormat();
    return formatAt(text.document(), start);
}

void mergeSelectionFormat(RichText& text, const QTextCharFormat& change) {
    const auto [start, end] = text.selection();
    if (start == end) {
        text.mergeCurrentFormat(change);
        return;
    }
    QTextCursor caret = text.cursor();
    caret.mergeCharFormat(change);
}

void setFaceName(QTextCharFormat& format, const AnsiString& name) {
    format.setFontFamilies(QStringList{fontFamily(name)});
    format.setProperty(faceNameProperty, qString(name));
}

AnsiString faceName(const QTextCharFormat& format) {
    return format.hasProperty(faceNameProperty) ? ansiString(format.stringProperty(faceNameProperty)) : AnsiString();
}

} // namespace tk
