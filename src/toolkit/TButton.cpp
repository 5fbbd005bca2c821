// Buttons over Qt push buttons: Qt decides what a click is; the click then runs the toolkit's way.
#include "toolkit/TButton.h"

#include <QPushButton>

#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QPushButton, tk::NativePeer>(*this)) {
    // Qt reports the click; the toolkit's own press-and-release click would come twice.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
    auto* button = static_cast<QPushButton*>(peer().widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] { tk::guarded(this, [this] { Click(); }); });
}

void TButton::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    static_cast<QPushButton*>(peer().widget())->setText(tk::qString(Value));
}

void TButton::SetDefault(bool Value) {
    default_ = Value;
    static_cast<QPushButton*>(peer().widget())->setDefault(Value);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = parentForm())
            form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& Message) {
    if (Message.Msg != CM_DIALOGKEY) {
        TWinControl::WndProc(Message);
        return;
    }
    const bool mine = (Message.WParam == VK_RETURN && default_) || (Message.WParam == VK_ESCAPE && cancel_);
    if (!mine || !CanFocus())
        return;
    Click();
    Message.Result = 1;
}
