// Attribute reads and writes go through the character formats of the rich edit's document; the
// default attributes are the control's font, so a change to them goes through SetFont.
#include "toolkit/TTextAttributes.h"

#include <QTextDocument>
#include <cmath>

#include "toolkit/RichEditFormat_p.h"
#include "toolkit/RichText_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TRichEdit.h"

namespace {

tk::RichText& textOf(const TRichEdit& edit) { return edit.richText(); }

TColor tColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

// The selection's format with what it leaves unset taken from the document's default font.
QFont resolvedFont(const tk::RichText& text, const QTextCharFormat& format) {
    return format.font().resolve(text.document().defaultFont());
}

// A write: the default attributes change the control's font, the selected ones the selection.
template <class FontChange>
void apply(TRichEdit& edit, TAttributeType type, FontChange changeFont, const QTextCharFormat& change) {
    if (type == atSelected) {
        tk::mergeSelectionFormat(textOf(edit), change);
        return;
    }
    TFont font;
    font.Assign(*edit.Font());
    changeFont(font);
    edit.SetFont(font);
}

} // namespace

TColor TTextAttributes::Color() const {
    if (type_ == atDefaultText)
        return edit_.Font()->Color();
    const QTextCharFormat format = tk::selectionFormat(textOf(edit_));
    return format.hasProperty(QTextFormat::ForegroundBrush) ? tColor(format.foreground().color())
                                                            : edit_.Font()->Color();
}

TFontStyles TTextAttributes::Style() const {
    if (type_ == atDefaultText)
        return edit_.Font()->Style();
    const QFont font = resolvedFont(textOf(edit_), tk::selectionFormat(textOf(edit_)));
    TFontStyles style;
    if (font.bold())
        style << fsBold;
    if (font.italic())
        style << fsItalic;
    if (font.underline())
        style << fsUnderline;
    return style;
}

AnsiString TTextAttributes::Name() const {
    if (type_ == atDefaultText)
        return edit_.Font()->Name();
    const QTextCharFormat format = tk::selectionFormat(textOf(edit_));
    const AnsiString name = tk::faceName(format);
    return name.empty() ? edit_.Font()->Name() : name;
}

int TTextAttributes::Size() const {
    if (type_ == atDefaultText)
        return edit_.Font()->Size();
    const tk::RichText& text = textOf(edit_);
    const QFont font = resolvedFont(text, tk::selectionFormat(text));
    // The control's own font is set in pixels, rich text in points; both read at 96 per inch.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    return static_cast<int>(std::lround(points));
}

void TTextAttributes::SetColor(TColor Value) {
    QTextCharFormat change;
    change.setForeground(tk::qColor(Value));
    apply(edit_, type_, [Value](TFont& font) { font.SetColor(Value); }, change);
}

void TTextAttributes::SetStyle(TFontStyles Value) {
    QTextCharFormat change;
    change.setFontWeight(Value.Contains(fsBold) ? QFont::Bold : QFont::Normal);
    change.setFontItalic(Value.Contains(fsItalic));
    change.setFontUnderline(Value.Contains(fsUnderline));
    apply(edit_, type_, [Value](TFont& font) { font.SetStyle(Value); }, change);
}

void TTextAttributes::SetName(const AnsiString& Value) {
    QTextCharFormat change;
    tk::setFaceName(change, Value);
    apply(edit_, type_, [&Value](TFont& font) { font.SetName(Value); }, change);
}

void TTextAttributes::SetSize(int Value) {
    QTextCharFormat change;
    change.setFontPointSize(Value > 0 ? Value : 1);
    apply(edit_, type_, [Value](TFont& font) { font.SetSize(Value); }, change);
}
