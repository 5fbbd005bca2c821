// Edits over Qt line edits: Qt keeps the text and the caret; the key messages reach the edit
// first, so handlers can swallow or replace keys before Qt sees them.
#include "toolkit/TCustomEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "toolkit/TControl_p.h"

namespace tk {
namespace {

class EditPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    void replaceTyped(char typed) override { lineEdit().insert(qString(AnsiString(1, typed))); }
    QLineEdit& lineEdit() const { return static_cast<QLineEdit&>(*widget()); }
};

QLineEdit& lineEdit(const TCustomEdit& edit) { return static_cast<EditPeer&>(edit.peer()).lineEdit(); }

} // namespace
} // namespace tk

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QLineEdit, tk::EditPeer>(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QLineEdit& edit = tk::lineEdit(*this);
    QObject::connect(&edit, &QLineEdit::textEdited, [this] { modified_ = true; });
    QObject::connect(&edit, &QLineEdit::textChanged, [this] { tk::guarded(this, [this] { Change(); }); });
}

AnsiString TCustomEdit::Text() const { return tk::ansiString(tk::lineEdit(*this).text()); }

void TCustomEdit::SetText(const AnsiString& Value) { tk::lineEdit(*this).setText(tk::qString(Value)); }

int TCustomEdit::MaxLength() const {
    const int length = tk::lineEdit(*this).maxLength();
    return length == 32767 ? 0 : length;
}

void TCustomEdit::SetMaxLength(int Value) { tk::lineEdit(*this).setMaxLength(Value > 0 ? Value : 32767); }

bool TCustomEdit::ReadOnly() const { return tk::lineEdit(*this).isReadOnly(); }

void TCustomEdit::SetReadOnly(bool Value) { tk::lineEdit(*this).setReadOnly(Value); }

void TCustomEdit::SetPasswordChar(char Value) {
    passwordChar_ = Value;
    tk::lineEdit(*this).setEchoMode(Value != 0 ? QLineEdit::Password : QLineEdit::Normal);
}

int TCustomEdit::SelStart() const {
    const QLineEdit& edit = tk::lineEdit(*this);
    return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
}

void TCustomEdit::SetSelStart(int Value) { tk::lineEdit(*this).setCursorPosition(Value); }

int TCustomEdit::SelLength() const { return static_cast<int>(tk::lineEdit(*this).selectedText().size()); }

void TCustomEdit::SetSelLength(int Value) { tk::lineEdit(*this).setSelection(SelStart(), Value); }

void TCustomEdit::SelectAll() { tk::lineEdit(*this).selectAll(); }

void TCustomEdit::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    const Qt::Alignment horizontal = Value == taCenter         ? Qt::AlignHCenter
                                     : Value == taRightJustify ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    tk::lineEdit(*this).setAlignment(horizontal | Qt::AlignVCenter);
}

void TCustomEdit::WndProc(TMessage& Message) {
    QLineEdit& edit = tk::lineEdit(*this);
    if (Message.Msg == EM_SETRECTNP) {
        const TRect& r = *reinterpret_cast<const TRect*>(Message.LParam);
        edit.setTextMargins(r.Left, r.Top, std::max(Width() - r.Right, 0), std::max(Height() - r.Bottom, 0));
        return;
    }
    if (Message.Msg == EM_GETRECT) {
        const QMargins m = edit.textMargins();
        *reinterpret_cast<TRect*>(Message.LParam) = Rect(m.left(), m.top(), Width() - m.right(), Height() - m.bottom());
        return;
    }
    TWinControl::WndProc(Message);
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}
