// The push button: a click sets its form's modal result when it has one; the default button
// takes Enter and the cancel button Esc from the controls that do not want them.
#pragma once

#include "toolkit/TWinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }

    void Click() override;

protected:
    void WndProc(TMessage& Message) override;

private:
    AnsiString caption_;
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};
