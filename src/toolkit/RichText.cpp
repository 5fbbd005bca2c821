// A rich edit's document and caret, kept by the edit until its text edit takes them over.
#include "toolkit/RichText_p.h"

#include <QAbstractTextDocumentLayout>

#include "toolkit/Guarded_p.h"
#include "toolkit/TRichEdit.h"

namespace tk {

RichText::RichText(TRichEdit& owner) : owner_(owner), document_(new QTextDocument), cursor_(document_) {
    // The text edit reports a change of its document's contents; so does the document alone.
    changed_ = QObject::connect(document_, &QTextDocument::contentsChanged,
                                [this] { guarded(&owner_, [this] { owner_.textChanged(); }); });
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

QTextCursor RichText::cursor() const { return edit_ != nullptr ? edit_->textCursor() : cursor_; }

void RichText::setCursor(const QTextCursor& cursor) {
    if (edit_ != nullptr) {
        edit_->setTextCursor(cursor);
        return;
    }
    cursor_ = cursor;
    owner_.selectionMoved();
}

QTextCharFormat RichText::currentFormat() const {
    return edit_ != nullptr ? edit_->currentCharFormat() : cursor_.charFormat();
}

void RichText::mergeCurrentFormat(const QTextCharFormat& change) {
    if (edit_ != nullptr) {
        edit_->mergeCurrentCharFormat(change);
        return;
    }
    cursor_.mergeCharFormat(change);
}

void RichText::attach(QTextEdit& edit) {
    document_->setParent(&edit);
    // As a text edit sets up the document it makes itself: measured on its viewport, in its font.
    document_->documentLayout()->setPaintDevice(edit.viewport());
    document_->setDefaultFont(edit.font());
    edit.setDocument(document_);
    edit.setTextCursor(cursor_);
    edit_ = &edit;
}

void RichText::layOut(int viewportWidth) {
    if (edit_ != nullptr)
        return;
    if (document_->textWidth() != viewportWidth)
        document_->setTextWidth(viewportWidth);
    document_->documentLayout()->documentSize();
}

} // namespace tk
