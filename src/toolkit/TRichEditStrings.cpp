// The paragraphs of the rich edit's document as strings. Each line ends in a paragraph break, as
// on the platform, so a line added at the end starts where the text ended before.
#include "toolkit/TRichEditStrings.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>

#include "toolkit/EListError.h"
#include "toolkit/RichText_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TRichEdit.h"

namespace {

QTextDocument& documentOf(const TRichEdit& edit) { return edit.richText().document(); }

QTextBlock blockAt(const TRichEdit& edit, int index) {
    const QTextBlock block = documentOf(edit).findBlockByNumber(index);
    if (!block.isValid())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return block;
}

} // namespace

int TRichEditStrings::Count() const {
    // Every paragraph ends in a break, so the empty paragraph after the last break is no line.
    const QTextDocument& document = documentOf(edit_);
    return document.blockCount() - (document.lastBlock().length() == 1 ? 1 : 0);
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
    // Added text takes the format set at the caret, as typed text would.
    const QTextCharFormat format = edit_.richText().cursor().charFormat();
    QTextCursor cursor(&document);
    cursor.setPosition(Index < count ? blockAt(edit_, Index).position() : document.lastBlock().position());
    // Rich text need not end in a break: the last paragraph gets one before the new line.
    if (Index == count && document.lastBlock().length() > 1) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock(cursor.blockFormat(), format);
    }
    cursor.insertText(tk::qString(S), format);
    cursor.insertBlock(cursor.blockFormat(), format);
}

void TRichEditStrings::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    // A line goes with the break after it; the last one of a text without a final break has none.
    const QTextBlock block = blockAt(edit_, Index);
    QTextCursor cursor(block);
    const QTextBlock next = block.next();
    cursor.setPosition(next.isValid() ? next.position() : block.position() + block.length() - 1,
                       QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TRichEditStrings::Clear() { edit_.richText().clear(); }

void TRichEditStrings::LoadFromStream(TStream& Stream) {
    AnsiString bytes(static_cast<size_t>(Stream.Size() - Stream.Position()), '\0');
    Stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    Clear();
    if (edit_.PlainText() || bytes.rfind("{\\rtf", 0) != 0) {
        SetText(bytes);
        return;
    }
    tk::RichText& text = edit_.richText();
    // A hidden edit fits its viewport to its scroll bars and frame only when its document
    // reports a size; told so while the document is empty, it lays the text out once, at the
    // width it keeps, instead of at the old width and then again. Without a text edit the
    // document has no layout yet and is laid out once, when its lines are counted.
    if (text.edit() != nullptr) {
        QAbstractTextDocumentLayout& layout = *text.document().documentLayout();
        emit layout.documentSizeChanged(layout.documentSize());
    }
    text.loadRtf(bytes);
}
