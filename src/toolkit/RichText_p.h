// The text of a rich edit: its document, caret and selection. The edit keeps them here while it
// has no peer, so that an edit never shown costs only its text and its layout; the text edit
// made for its peer takes the document over and keeps the caret from then on. The document is
// made only when something needs it: an empty edit keeps its caret and the format set for what
// is typed next without one. Rich text loaded while there is no text edit waits as it came
// until something needs the document, and its lines are counted from the text itself.
#pragma once

#include <QFont>
#include <QMetaObject>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <optional>
#include <utility>

#include "toolkit/AnsiString.h"

class TRichEdit;

namespace tk {

class RichText {
public:
    explicit RichText(TRichEdit& owner);
    ~RichText();
    RichText(const RichText&) = delete;
    RichText& operator=(const RichText&) = delete;

    // Made when first asked for, with the waiting text in it.
    QTextDocument& document() const;
    // The peer's text edit, or null while the edit has none.
    QTextEdit* edit() const { return edit_; }
    // The font the document lays its text out in when its format sets none.
    void setDefaultFont(const QFont& font);

    QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);
    // The selection as (start, end).
    std::pair<int, int> selection() const;
    // Moves the caret to the position with the anchor where given; both within the text.
    void select(int anchor, int position);
    // Positions in the text, a paragraph break counting one.
    int length() const;
    // What is typed or added next at the caret.
    QTextCharFormat currentFormat() const;
    // Merges the change into the selection; with an empty selection into what comes next.
    void mergeCurrentFormat(const QTextCharFormat& change);

    // The peer's text edit was made: it owns the document from now on and takes the caret.
    void attach(QTextEdit& edit);
    // Loads rich text into the empty document with the format at the caret, the caret at its
    // start; without a text edit it waits until the document is needed.
    void loadRtf(const AnsiString& rtf);
    // Empties the document.
    void clear();
    // The lines the waiting text takes in a text edit whose viewport is that wide, with that
    // font, counted without putting it into the document; none when nothing waits or the count
    // needs the document.
    std::optional<int> pendingLineCount(int viewportWidth, const QFont& font);
    // Lays the document out as a text edit whose viewport is that wide would, in that font,
    // when there is no text edit to do it.
    void layOut(int viewportWidth, const QFont& font);

private:
    // Rich text loaded but not yet in the document, and the format it was loaded with.
    struct Pending {
        AnsiString rtf;
        QTextCharFormat base;
    };
    // Without a document and nothing waiting the text is empty, the caret at its start.
    bool blank() const { return document_ == nullptr && !pending_; }
    // Makes the document with what was kept for it.
    void makeDocument() const;
    // Puts the waiting text into the document; its change was told when it was loaded.
    void insertPending() const;
    // The width the document's lines get at a viewport of that width.
    qreal lineWidth(int viewportWidth) const;

    TRichEdit& owner_;
    mutable QTextDocument* document_ = nullptr;
    mutable QTextCursor cursor_;
    mutable std::optional<Pending> pending_;
    mutable bool inserting_ = false;
    QFont defaultFont_;
    // The format set for what is typed next while there is no document.
    mutable std::optional<QTextCharFormat> typed_;
    QTextEdit* edit_ = nullptr;
    mutable QMetaObject::Connection changed_;
    mutable QMetaObject::Connection moved_;
};

} // namespace tk
