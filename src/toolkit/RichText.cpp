// A rich edit's document and caret, kept by the edit until its text edit takes them over.
#include "toolkit/RichText_p.h"

#include <QAbstractTextDocumentLayout>

#include "toolkit/Guarded_p.h"
#include "toolkit/RichTextLines_p.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/TRichEdit.h"

namespace tk {

RichText::RichText(TRichEdit& owner) : owner_(owner), document_(new QTextDocument), cursor_(document_) {
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

RichText::~RichText() {
    QObject::disconnect(changed_);
    QObject::disconnect(moved_);
    // Once a text edit has it, the document goes with the text edit.
    if (edit_ == nullptr)
        delete document_;
}

QTextDocument& RichText::document() const {
    insertPending();
    return *document_;
}

QTextCursor RichText::cursor() const {
    insertPending();
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

QTextCharFormat RichText::currentFormat() const {
    insertPending();
    return edit_ != nullptr ? edit_->currentCharFormat() : cursor_.charFormat();
}

void RichText::mergeCurrentFormat(const QTextCharFormat& change) {
    insertPending();
    if (edit_ != nullptr) {
        edit_->mergeCurrentCharFormat(change);
        return;
    }
    cursor_.mergeCharFormat(change);
}

void RichText::attach(QTextEdit& edit) {
    insertPending();
    document_->setParent(&edit);
    // As a text edit sets up the document it makes itself: measured on its viewport, in its font.
    document_->documentLayout()->setPaintDevice(edit.viewport());
    document_->setDefaultFont(edit.font());
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
    // The caret stays at the start, where the load left it, and the change is not told twice.
    cursor_.setKeepPositionOnInsert(true);
    inserting_ = true;
    QTextCursor at(document_);
    insertRtf(at, pending.rtf, pending.base);
    inserting_ = false;
    cursor_.setKeepPositionOnInsert(false);
}

void RichText::clear() {
    pending_.reset();
    document_->clear();
}

qreal RichText::lineWidth(int viewportWidth) const {
    // The root frame's margin lies on both sides of the text.
    return viewportWidth - 2 * document_->documentMargin();
}

std::optional<int> RichText::pendingLineCount(int viewportWidth, const QFont& font) {
    if (edit_ != nullptr || !pending_)
        return std::nullopt;
    if (document_->defaultFont() != font)
        document_->setDefaultFont(font);
    return countLines(pending_->rtf, pending_->base, font, lineWidth(viewportWidth), document_->defaultTextOption());
}

void RichText::layOut(int viewportWidth, const QFont& font) {
    if (edit_ != nullptr)
        return;
    if (document_->defaultFont() != font)
        document_->setDefaultFont(font);
    insertPending();
    if (document_->textWidth() != viewportWidth)
        document_->setTextWidth(viewportWidth);
    document_->documentLayout()->documentSize();
}

} // namespace tk
