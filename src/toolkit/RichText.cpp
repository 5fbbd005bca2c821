// A rich edit's document and caret, kept by the edit until its text edit takes them over.
#include "toolkit/RichText_p.h"

#include <QAbstractTextDocumentLayout>

#include "toolkit/Guarded_p.h"
#include "toolkit/RichTextLines_p.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/TRichEdit.h"

namespace tk {
namespace {

// What a document has before anyone changes it: the margin of its root frame and its text option.
struct DocumentDefaults {
    qreal margin;
    QTextOption option;
};

const DocumentDefaults& documentDefaults() {
    static const DocumentDefaults defaults = [] {
        const QTextDocument sample;
        return DocumentDefaults{sample.documentMargin(), sample.defaultTextOption()};
    }();
    return defaults;
}

} // namespace

RichText::RichText(TRichEdit& owner) : owner_(owner) {}

RichText::~RichText() {
    if (document_ == nullptr)
        return;
    QObject::disconnect(changed_);
    QObject::disconnect(moved_);
    // Once a text edit has it, the document goes with the text edit.
    if (edit_ == nullptr)
        delete document_;
}

void RichText::makeDocument() const {
    document_ = new QTextDocument;
    document_->setDefaultFont(defaultFont_);
    cursor_ = QTextCursor(document_);
    // The caret of an empty document keeps the format set for typing, as it would have had it
    // all along.
    if (typed_)
        cursor_.setCharFormat(*typed_);
    typed_.reset();
    // The text edit reports a change of its document's contents; so does the document alone.
    changed_ = QObject::connect(document_, &QTextDocument::contentsChanged, [this] {
        if (!inserting_)
            guarded(&owner_, [this] { owner_.textChanged(); });
    });
    // An edit of the text that moves the caret moves the selection, as the text edit reports it.
    moved_ = QObject::connect(document_, &QTextDocument::cursorPositionChanged, [this](const QTextCursor& moved) {
        if (edit_ == nullptr && moved.isCopyOf(cursor_))
            guarded(&owner_, [this] { owner_.selectionMoved(); });
    });
}

QTextDocument& RichText::document() const {
    if (document_ == nullptr)
        makeDocument();
    insertPending();
    return *document_;
}

void RichText::setDefaultFont(const QFont& font) {
    defaultFont_ = font;
    if (document_ != nullptr && document_->defaultFont() != font)
        document_->setDefaultFont(font);
}

QTextCursor RichText::cursor() const {
    document();
    return edit_ != nullptr ? edit_->textCursor() : cursor_;
}

void RichText::setCursor(const QTextCursor& cursor) {
    if (edit_ != nullptr) {
        edit_->setTextCursor(cursor);
        return;
    }
    cursor_ = cursor;
    owner_.selectionMoved();
}

std::pair<int, int> RichText::selection() const {
    // Text that waits has the caret at its start, where the load left it.
    if (document_ == nullptr)
        return {0, 0};
    const QTextCursor caret = cursor();
    return {caret.selectionStart(), caret.selectionEnd()};
}

void RichText::select(int anchor, int position) {
    // The caret of a text without a document is at the start already, and keeps the format set
    // for typing as a caret set where it is does.
    if (document_ == nullptr && anchor == 0 && position == 0) {
        owner_.selectionMoved();
        return;
    }
    QTextCursor caret = cursor();
    caret.setPosition(anchor);
    caret.setPosition(position, QTextCursor::KeepAnchor);
    setCursor(caret);
}

int RichText::length() const { return blank() ? 0 : document().characterCount() - 1; }

QTextCharFormat RichText::currentFormat() const {
    if (blank())
        return typed_.value_or(QTextCharFormat());
    document();
    return edit_ != nullptr ? edit_->currentCharFormat() : cursor_.charFormat();
}

void RichText::mergeCurrentFormat(const QTextCharFormat& change) {
    if (blank()) {
        QTextCharFormat format = currentFormat();
        format.merge(change);
        typed_ = format;
        return;
    }
    document();
    if (edit_ != nullptr) {
        edit_->mergeCurrentCharFormat(change);
        return;
    }
    cursor_.mergeCharFormat(change);
}

void RichText::attach(QTextEdit& edit) {
    document();
    document_->setParent(&edit);
    // As a text edit sets up the document it makes itself: measured on its viewport, in its font.
    document_->documentLayout()->setPaintDevice(edit.viewport());
    document_->setDefaultFont(edit.font());
    defaultFont_ = edit.font();
    edit.setDocument(document_);
    edit.setTextCursor(cursor_);
    edit_ = &edit;
}

void RichText::loadRtf(const AnsiString& rtf) {
    const QTextCharFormat base = currentFormat();
    if (edit_ != nullptr) {
        QTextCursor at(document_);
        insertRtf(at, rtf, base);
        // The caret, carried along to the end by the text put in front of it, goes back to the
        // start, so that the edit shows the text from its first line.
        setCursor(QTextCursor(document_));
        return;
    }
    pending_ = Pending{rtf, base};
    owner_.textChanged();
}

void RichText::insertPending() const {
    if (!pending_)
        return;
    const Pending pending = std::move(*pending_);
    pending_.reset();
    // The caret stays at the start, where the load left it, with nothing selected, and the
    // change is not told twice.
    cursor_.setKeepPositionOnInsert(true);
    inserting_ = true;
    QTextCursor at(document_);
    insertRtf(at, pending.rtf, pending.base);
    inserting_ = false;
    cursor_.setKeepPositionOnInsert(false);
    cursor_.setPosition(cursor_.position());
}

void RichText::clear() {
    pending_.reset();
    typed_.reset();
    // The document tells its own change.
    if (document_ != nullptr)
        document_->clear();
    else
        owner_.textChanged();
}

qreal RichText::lineWidth(int viewportWidth) const {
    // The root frame's margin lies on both sides of the text.
    const qreal margin = document_ != nullptr ? document_->documentMargin() : documentDefaults().margin;
    return viewportWidth - 2 * margin;
}

std::optional<int> RichText::pendingLineCount(int viewportWidth, const QFont& font) {
    if (edit_ != nullptr || !pending_)
        return std::nullopt;
    setDefaultFont(font);
    const QTextOption& option = document_ != nullptr ? document_->defaultTextOption() : documentDefaults().option;
    return countLines(pending_->rtf, pending_->base, font, lineWidth(viewportWidth), option);
}

void RichText::layOut(int viewportWidth, const QFont& font) {
    if (edit_ != nullptr)
        return;
    setDefaultFont(font);
    QTextDocument& laidOut = document();
    if (laidOut.textWidth() != viewportWidth)
        laidOut.setTextWidth(viewportWidth);
    laidOut.documentLayout()->documentSize();
}

} // namespace tk
