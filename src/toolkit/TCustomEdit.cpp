// Edits over Qt line edits: Qt keeps the text and the caret; the key messages reach the edit
// first, so handlers can swallow or replace keys before Qt sees them. The line edit's own paste
// and cut, by key and from its context menu, are turned into messages to the control.
#include "toolkit/TCustomEdit.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QValidator>

#include <algorithm>
#include <memory>

#include "toolkit/AnsiStrings.h"
#include "toolkit/TControl_p.h"

namespace tk {

class EditWidget : public QLineEdit {
public:
    void setEdit(TCustomEdit* edit) { edit_ = edit; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (edit_ != nullptr && event->matches(QKeySequence::Paste)) {
            guarded(edit_, [this] { edit_->Perform(WM_PASTE, 0, 0); });
            return;
        }
        if (edit_ != nullptr && event->matches(QKeySequence::Cut)) {
            guarded(edit_, [this] { edit_->Perform(WM_CUT, 0, 0); });
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        reroute(*menu, "edit-cut", WM_CUT);
        reroute(*menu, "edit-paste", WM_PASTE);
        menu->exec(event->globalPos());
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (edit_ == nullptr) return;
        const Qt::FocusReason reason = event->reason();
        const bool byKeyOrCode = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                 reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
        if (!byKeyOrCode) return;
        if (edit_->AutoSelect())
            selectAll();
        else
            deselect();
    }

private:
    void reroute(QMenu& menu, const char* name, unsigned message) {
        QAction* action = menu.findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr || edit_ == nullptr) return;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, this,
                         [this, message] { guarded(edit_, [this, message] { edit_->Perform(message, 0, 0); }); });
    }

    TCustomEdit* edit_ = nullptr;
};

namespace {

class EditPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    void replaceTyped(char typed) override { lineEdit().insert(qString(AnsiString(1, typed))); }
    QLineEdit& lineEdit() const { return static_cast<QLineEdit&>(*widget()); }
};

QLineEdit& lineEdit(const TCustomEdit& edit) { return static_cast<EditPeer&>(edit.peer()).lineEdit(); }

// Upper-cases whatever the line edit takes in, typed or pasted, through the program's code page.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = qString(AnsiUpperCase(ansiString(input)));
        return Acceptable;
    }
};

} // namespace
} // namespace tk

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<tk::EditWidget, tk::EditPeer>(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QLineEdit& edit = tk::lineEdit(*this);
    static_cast<tk::EditWidget&>(edit).setEdit(this);
    QObject::connect(&edit, &QLineEdit::textEdited, [this] { modified_ = true; });
    QObject::connect(&edit, &QLineEdit::textChanged, [this] { tk::guarded(this, [this] { Change(); }); });
}

AnsiString TCustomEdit::Text() const { return tk::ansiString(tk::lineEdit(*this).text()); }

void TCustomEdit::SetText(const AnsiString& Value) {
    tk::lineEdit(*this).setText(tk::qString(charCase_ == ecUpperCase ? AnsiUpperCase(Value) : Value));
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    charCase_ = Value;
    QLineEdit& edit = tk::lineEdit(*this);
    if (Value == ecNormal) {
        delete edit.validator();
        edit.setValidator(nullptr);
        return;
    }
    if (edit.validator() == nullptr) edit.setValidator(new tk::UpperCaseValidator(&edit));
    SetText(Text());
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle Value) {
    borderStyle_ = Value == bsNone ? bsNone : bsSingle;
    tk::lineEdit(*this).setFrame(borderStyle_ == bsSingle);
}

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
    if (Message.Msg == WM_PASTE) {
        edit.paste();
        return;
    }
    if (Message.Msg == WM_CUT) {
        edit.cut();
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
