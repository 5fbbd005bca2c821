// The text of a rich edit: its document, caret and selection. The edit keeps them here while it
// has no peer, so that an edit never shown costs only its text and its layout; the text edit
// made for its peer takes the document over and keeps the caret from then on.
#pragma once

#include <QMetaObject>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

class TRichEdit;

namespace tk {

class RichText {
public:
    explicit RichText(TRichEdit& owner);
    ~RichText();
    RichText(const RichText&) = delete;
    RichText& operator=(const RichText&) = delete;

    QTextDocument& document() const { return *document_; }
    // The peer's text edit, or null while the edit has none.
    QTextEdit* edit() const { return edit_; }

    QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);
    // What is typed or added next at the caret.
    QTextCharFormat currentFormat() const;
    // Merges the change into the selection; with an empty selection into what comes next.
    void mergeCurrentFormat(const QTextCharFormat& change);

    // The peer's text edit was made: it owns the document from now on and takes the caret.
    void attach(QTextEdit& edit);
    // Lays the document out as a text edit whose viewport is that wide would, when there is no
    // text edit to do it.
    void layOut(int viewportWidth);

private:
    TRichEdit& owner_;
    QTextDocument* document_;
    QTextCursor cursor_;
    QTextEdit* edit_ = nullptr;
    QMetaObject::Connection changed_;
    QMetaObject::Connection moved_;
};

} // namespace tk
