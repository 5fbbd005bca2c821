// The paragraphs of the rich edit's document as strings. An empty document has no lines.
#include "toolkit/TRichEditStrings.h"

#include <QTextBlock>
#include <QTextEdit>

#include "toolkit/EListError.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TRichEdit.h"

namespace {

QTextDocument& documentOf(const TRichEdit& edit) { return *static_cast<QTextEdit&>(*edit.peer().widget()).document(); }

QTextBlock blockAt(const TRichEdit& edit, int index) {
    const QTextBlock block = documentOf(edit).findBlockByNumber(index);
    if (!block.isValid())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return block;
}

} // namespace

int TRichEditStrings::Count() const {
    const QTextDocument& document = documentOf(edit_);
    return noLines_ && document.isEmpty() ? 0 : document.blockCount();
}

AnsiString TRichEditStrings::Strings(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return tk::ansiString(blockAt(edit_, Index).text());
}

void TRichEditStrings::Insert(int Index, const AnsiString& S) {
    const int count = Count();
    if (Index < 0 || Index > count)
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    QTextDocument& document = documentOf(edit_);
    QTextCursor cursor(&document);
    if (count == 0) {
        noLines_ = false;
        cursor.insertText(tk::qString(S));
        return;
    }
    if (Index == count) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(tk::qString(S));
        return;
    }
    cursor.setPosition(blockAt(edit_, Index).position());
    cursor.insertText(tk::qString(S));
    cursor.insertBlock();
}

void TRichEditStrings::Delete(int Index) {
    if (Count() == 1 && Index == 0) {
        Clear();
        return;
    }
    const QTextBlock block = blockAt(edit_, Index);
    QTextCursor cursor(block);
    // A paragraph goes with the break before it; the first one with the break after it.
    if (Index == 0) {
        cursor.setPosition(block.position());
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(block.position() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void TRichEditStrings::Clear() {
    documentOf(edit_).clear();
    noLines_ = true;
}

void TRichEditStrings::LoadFromStream(TStream& Stream) {
    AnsiString bytes(static_cast<size_t>(Stream.Size() - Stream.Position()), '\0');
    Stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    Clear();
    if (edit_.PlainText() || bytes.rfind("{\\rtf", 0) != 0) {
        SetText(bytes);
        return;
    }
    QTextEdit& edit = static_cast<QTextEdit&>(*edit_.peer().widget());
    QTextCursor cursor(edit.document());
    noLines_ = false;
    tk::insertRtf(cursor, bytes, edit.currentCharFormat());
}
