// Rich edits over Qt text edits. Character positions count one for each paragraph break, as the
// platform's rich edit does and as Qt's document positions do.
#include "toolkit/TRichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "toolkit/RichEditFormat_p.h"
#include "toolkit/RichText_p.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TFont_p.h"

namespace tk {
namespace {

QTextEdit& textEdit(const TRichEdit& edit) { return static_cast<QTextEdit&>(*edit.peer().widget()); }

QColor formatColor(TColor color) { return qColor(color); }

bool isMouseMessage(unsigned msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

// What the style gives a text edit: the width of its styled frame and of its vertical scroll bar,
// read once from a text edit that is never shown.
struct EditMetrics {
    int frame;
    int scrollBar;
};

const EditMetrics& editMetrics() {
    static const EditMetrics metrics = [] {
        QTextEdit sample;
        sample.setFrameShape(QFrame::StyledPanel);
        return EditMetrics{sample.frameWidth(), sample.verticalScrollBar()->sizeHint().width()};
    }();
    return metrics;
}

// The font a text edit made for the control now would take: the text edits' own with what the
// parent's font sets, under the control's own font when it was given one.
QFont peerFont(const TRichEdit& edit, bool ownFont) {
    QFont font = QApplication::font("QTextEdit");
    if (const TWinControl* parent = edit.Parent(); parent != nullptr && parent->hasPeer())
        font = parent->peer().widget()->font().resolve(font);
    return ownFont ? qtFont(*edit.Font()).resolve(font) : font;
}

} // namespace
} // namespace tk

TRichEdit::TRichEdit(TComponent* AOwner)
    : TWinControl(AOwner, [](TControl& self) { return tk::makePeer<QTextEdit, tk::NativePeer>(self); }),
      text_(std::make_unique<tk::RichText>(*this)),
      lines_(std::make_unique<TRichEditStrings>(*this)),
      selAttributes_(std::make_unique<TTextAttributes>(*this, atSelected)),
      defAttributes_(std::make_unique<TTextAttributes>(*this, atDefaultText)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    // It keeps no reference to other components but its popup menu, which turns hearing back on;
    // so a window of thousands of rich edits makes and frees each without telling the others.
    SetHearsSiblings(false);
    text_->setDefaultFont(tk::peerFont(*this, /*ownFont=*/false));
}

TRichEdit::~TRichEdit() {
    Destroying();
    if (hasPeer())
        tk::textEdit(*this).disconnect();
    text_.reset();
}

void TRichEdit::PeerCreated() {
    TWinControl::PeerCreated();
    QTextEdit& edit = tk::textEdit(*this);
    edit.setAcceptRichText(false);
    edit.viewport()->setMouseTracking(true);
    text_->attach(edit);
    edit.setReadOnly(readOnly_);
    edit.setLineWrapMode(wordWrap_ ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    SetScrollBars(scrollBars_);
    SetBorderStyle(borderStyle_);
    // A change of the anchor alone moves no cursor position, a caret move changes no selection:
    // both signals are watched, and the range decides whether anything changed.
    QObject::connect(&edit, &QTextEdit::cursorPositionChanged, [this] { tk::guarded(this, [this] { selectionMoved(); }); });
    QObject::connect(&edit, &QTextEdit::selectionChanged, [this] { tk::guarded(this, [this] { selectionMoved(); }); });
    applyHideSelection();
    if (hasOwnFont())
        FontChanged();
}

AnsiString TRichEdit::Text() const {
    AnsiString text;
    for (int i = 0; i < lines_->Count(); ++i)
        text += lines_->Strings(i) + "\r\n";
    return text;
}

int TRichEdit::GetTextLen() const { return text_->length(); }

void TRichEdit::SetHideSelection(bool Value) {
    hideSelection_ = Value;
    applyHideSelection();
}

void TRichEdit::applyHideSelection() {
    if (!hasPeer())
        return;
    // The text control paints the selection of an unfocused edit in the inactive highlight
    // colours; a clear brush there leaves the text in its own colours on its own background.
    QTextEdit& edit = tk::textEdit(*this);
    QPalette palette = edit.palette();
    const QPalette active = edit.style()->standardPalette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     hideSelection_ ? QBrush(Qt::transparent) : active.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     hideSelection_ ? QBrush() : active.brush(QPalette::Active, QPalette::HighlightedText));
    edit.setPalette(palette);
}

void TRichEdit::FontChanged() {
    // A text edit made later takes the font with the control's colour.
    if (!hasPeer())
        return;
    // Text without a colour of its own shows in the font's.
    QTextEdit& edit = tk::textEdit(*this);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Text, tk::qColor(Font()->Color()));
    edit.setPalette(palette);
}

void TRichEdit::textChanged() {
    if (OnChange)
        OnChange(this);
}

void TRichEdit::selectionMoved() {
    const std::pair<int, int> range = text_->selection();
    if (range == reportedSelection_)
        return;
    // Recorded first: a handler that changes the selection again is told once more, and one
    // that sets it to what it already is ends there.
    reportedSelection_ = range;
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TRichEdit::SetText(const AnsiString& Value) { lines_->SetText(Value); }

void TRichEdit::Clear() { lines_->Clear(); }

bool TRichEdit::ReadOnly() const { return readOnly_; }

void TRichEdit::SetReadOnly(bool Value) {
    readOnly_ = Value;
    if (hasPeer())
        tk::textEdit(*this).setReadOnly(Value);
}

bool TRichEdit::WordWrap() const { return wordWrap_; }

void TRichEdit::SetWordWrap(bool Value) {
    wordWrap_ = Value;
    if (hasPeer())
        tk::textEdit(*this).setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle Value) {
    scrollBars_ = Value;
    if (!hasPeer())
        return;
    QTextEdit& edit = tk::textEdit(*this);
    const bool vertical = Value == ssVertical || Value == ssBoth;
    const bool horizontal = Value == ssHorizontal || Value == ssBoth;
    edit.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TRichEdit::SetBorderStyle(TFormBorderStyle Value) {
    borderStyle_ = Value;
    if (hasPeer())
        tk::textEdit(*this).setFrameShape(Value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

int TRichEdit::viewportWidth() const {
    const tk::EditMetrics& metrics = tk::editMetrics();
    const int frame = borderStyle_ == bsNone ? 0 : metrics.frame;
    const int bar = scrollBars_ == ssVertical || scrollBars_ == ssBoth ? metrics.scrollBar : 0;
    return std::max(Width() - 2 * frame - bar, 0);
}

int TRichEdit::SelStart() const { return text_->selection().first; }

int TRichEdit::positionWithin(int position) const {
    // The text's length is asked only of a position past its start.
    return position <= 0 ? 0 : std::min(position, text_->length());
}

void TRichEdit::SetSelStart(int Value) {
    const int position = positionWithin(Value);
    text_->select(position, position);
}

int TRichEdit::SelLength() const {
    const auto [start, end] = text_->selection();
    return end - start;
}

void TRichEdit::SetSelLength(int Value) {
    const int start = text_->selection().first;
    text_->select(start, positionWithin(start + Value));
}

void TRichEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case EM_GETEVENTMASK:
        Message.Result = eventMask_;
        return;
    case EM_SETEVENTMASK:
        Message.Result = eventMask_;
        eventMask_ = static_cast<std::uint32_t>(Message.LParam);
        return;
    case EM_SETCHARFORMAT:
        setCharFormat(Message.WParam, *reinterpret_cast<const CHARFORMATA*>(Message.LParam));
        Message.Result = 1;
        return;
    case EM_GETTEXTRANGE:
        Message.Result = textRange(*reinterpret_cast<TEXTRANGEA*>(Message.LParam));
        return;
    case EM_GETLINECOUNT:
        Message.Result = lineCount();
        return;
    default:
        break;
    }
    if (tk::isMouseMessage(Message.Msg) && (eventMask_ & ENM_LINK))
        notifyLink(Message);
    TWinControl::WndProc(Message);
    // A wheel that no handler took scrolls the text, as the platform's rich edit does.
    if (Message.Msg == WM_MOUSEWHEEL && Message.Result == 0) {
        wheelScroll(static_cast<std::int16_t>((Message.WParam >> 16) & 0xFFFF));
        Message.Result = 1;
    }
}

void TRichEdit::wheelScroll(int delta) {
    // Fine-grained wheels add up to whole lines.
    wheelRest_ += delta * kWheelLines;
    const int lines = wheelRest_ / kWheelDelta;
    wheelRest_ -= lines * kWheelDelta;
    if (lines != 0)
        scrollLines(-lines);
}

void TRichEdit::scrollLines(int count) {
    QTextEdit& edit = tk::textEdit(*this);
    QScrollBar& bar = *edit.verticalScrollBar();
    // The top of every line of the text, in document coordinates, in order.
    std::vector<int> tops;
    const QTextDocument& document = *edit.document();
    document.documentLayout()->documentSize();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i)
            tops.push_back(static_cast<int>(layout.position().y() + layout.lineAt(i).y()));
    }
    if (tops.empty())
        return;
    // The line at the top of the view, then the one count lines on, put at the top whole; the
    // first line goes back to the top with the margin above it.
    const auto top = std::upper_bound(tops.begin(), tops.end(), bar.value()) - tops.begin() - 1;
    const auto target = std::clamp<std::ptrdiff_t>(std::max<std::ptrdiff_t>(top, 0) + count, 0,
                                                   static_cast<std::ptrdiff_t>(tops.size()) - 1);
    bar.setValue(std::clamp(target == 0 ? 0 : tops[static_cast<size_t>(target)], bar.minimum(), bar.maximum()));
}

void TRichEdit::DestroyWnd() {
    eventMask_ = defaultEventMask;
    TWinControl::DestroyWnd();
}

void TRichEdit::notifyLink(const TMessage& mouse) {
    const QTextEdit& edit = tk::textEdit(*this);
    const QPoint at(GET_X_LPARAM(mouse.LParam), GET_Y_LPARAM(mouse.LParam));
    const QTextCursor hit = edit.cursorForPosition(at);
    // The character under the point is the one after the cursor's position when the point is on
    // its left half, and the one before it otherwise; a link is hit when either is link text
    // and the point lies within the text's rectangle.
    QTextDocument& document = *edit.document();
    const auto isLinkAt = [&document](int position) {
        return position >= 0 && position < document.characterCount() - 1 &&
               tk::isLinkFormat(tk::formatAt(document, position));
    };
    int position = hit.position();
    if (!isLinkAt(position))
        --position;
    if (!isLinkAt(position) || !edit.cursorRect(hit).adjusted(-20, 0, 20, 0).contains(at))
        return;
    ENLINK link;
    link.nmhdr = NMHDR{Handle(), 0, EN_LINK};
    link.msg = mouse.Msg;
    link.wParam = mouse.WParam;
    link.lParam = mouse.LParam;
    int first = position, last = position;
    while (isLinkAt(first - 1))
        --first;
    while (isLinkAt(last + 1))
        ++last;
    link.chrg = CHARRANGE{first, last + 1};
    Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&link));
}

void TRichEdit::setCharFormat(WPARAM scope, const CHARFORMATA& format) {
    QTextCharFormat change;
    if (format.dwMask & CFM_BOLD)
        change.setFontWeight(format.dwEffects & CFE_BOLD ? QFont::Bold : QFont::Normal);
    if (format.dwMask & CFM_ITALIC)
        change.setFontItalic((format.dwEffects & CFE_ITALIC) != 0);
    if (format.dwMask & CFM_UNDERLINE)
        change.setFontUnderline((format.dwEffects & CFE_UNDERLINE) != 0);
    if (format.dwMask & CFM_COLOR)
        change.setForeground(tk::formatColor(format.crTextColor));
    if (format.dwMask & CFM_LINK)
        tk::setLinkFormat(change, (format.dwEffects & CFE_LINK) != 0);
    if (scope & SCF_ALL) {
        QTextCursor all(&text_->document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(change);
        return;
    }
    tk::mergeSelectionFormat(*text_, change);
}

LRESULT TRichEdit::textRange(TEXTRANGEA& range) const {
    const QTextDocument& document = text_->document();
    const int end = std::min(range.chrg.cpMax < 0 ? document.characterCount() - 1 : range.chrg.cpMax,
                             document.characterCount() - 1);
    const int start = std::clamp(range.chrg.cpMin, 0, end);
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    // Paragraph breaks come back as CR, as the platform's rich edit gives them.
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QChar('\r'));
    const AnsiString bytes = tk::ansiString(text);
    std::memcpy(range.lpstrText, bytes.c_str(), bytes.size() + 1);
    return static_cast<LRESULT>(bytes.size());
}

int TRichEdit::lineCount() const {
    // Laying the whole document out makes every block's line count known: the text edit's
    // layout, or without one a layout at the width and in the font the text edit would give it;
    // text still waiting to go into the document is counted without it.
    if (!hasPeer()) {
        const QFont font = tk::peerFont(*this, hasOwnFont());
        if (const std::optional<int> lines = text_->pendingLineCount(viewportWidth(), font))
            return *lines;
        text_->layOut(viewportWidth(), font);
    }
    QTextDocument& document = text_->document();
    document.documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += std::max(block.layout()->lineCount(), 1);
    return lines;
}
